// One run of the assembler: command line, files, the two passes, start-up code and the
// outputs that the error count allows.
#include "driver/assembler.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "diag/diagnostics.h"
#include "driver/outputs.h"
#include "grammar/program.h"
#include "listing/startup.h"
#include "scan/scanner.h"

namespace {

constexpr const char* kSourceExtension = "asm";
constexpr std::string_view kGnuErrorFormat = "--error-format=gnu";

// Whether the open source gives its bytes: a folder, for one, opens on some systems but cannot
// be read.
bool readable(std::FILE* source) {
    const bool read = std::fgetc(source) != EOF || std::ferror(source) == 0;
    std::rewind(source);
    return read;
}

// Whether name is longer than extension and ends in it (case-sensitive).
bool has_extension(const std::string& name, const char* extension) {
    const size_t length = std::strlen(extension);
    return name.size() > length && name.compare(name.size() - length, length, extension) == 0;
}

// The source and the output files of one run, closed at the end whatever happened.
struct Files {
    Files() = default;
    Files(const Files&) = delete;
    Files& operator=(const Files&) = delete;
    ~Files() {
        if (source != nullptr) std::fclose(source);
        for (std::FILE* output : outputs) {
            if (output != nullptr) std::fclose(output);
        }
    }

    /// Opens the source, then the outputs in the table's order; on a failure reports it on
    /// console and returns its exit code, leaving the files already created in place.
    ExitCode open(const std::string& source_name, Console& console) {
        source = std::fopen(source_name.c_str(), "rb");
        if (source == nullptr || !readable(source)) {
            console.message("Unable to open " + source_name + "\n");
            return EXIT_NO_SOURCE;
        }
        for (size_t id = 0; id < kOutputFileCount; id++) {
            const OutputFile& row = kOutputFiles[id];
            const std::string name = Output_name(row, source_name);
            outputs[id] = std::fopen(name.c_str(), row.mode);
            if (outputs[id] == nullptr) {
                console.message(std::string(row.cannot_create) + (row.names_itself ? name : "") +
                                "\n");
                return row.exit_code;
            }
        }
        return EXIT_OK;
    }

    /// Closes every file; returns the ids of the outputs that could not be written in full.
    std::vector<size_t> close() {
        std::fclose(source);
        source = nullptr;
        std::vector<size_t> failed;
        for (size_t id = 0; id < kOutputFileCount; id++) {
            const bool write_error = std::ferror(outputs[id]) != 0;
            const bool close_error = std::fclose(outputs[id]) != 0;
            outputs[id] = nullptr;
            if (write_error || close_error) failed.push_back(id);
        }
        return failed;
    }

    std::FILE* source = nullptr;
    std::array<std::FILE*, kOutputFileCount> outputs{};
};

void write_output(size_t id, Products& products, bool clean, const Files& files) {
    const OutputFile& row = kOutputFiles[id];
    if (row.write == nullptr) return;
    TextOutput out(files.outputs[id]);
    if (clean || !row.needs_clean_source) {
        row.write(products, out);
    } else if (row.errors_notice != nullptr) {
        out.text(row.errors_notice);
    }
}

// The listing comes last: its writer releases the items that the others may read.
void write_outputs(Program& program, bool clean, const Files& files) {
    const ProgramImage image = clean ? Program_image(program.items) : ProgramImage{};
    Products products{program, image};
    for (size_t id = 0; id < kOutputFileCount; id++) {
        if (id != kListingFile) write_output(id, products, clean, files);
    }
    write_output(kListingFile, products, clean, files);
}

}  // namespace

int Run_tevlin(int argc, const char* const* argv, std::FILE* console_stream) {
    const bool gnu_format = argc == 3 && argv[1] == kGnuErrorFormat;
    if (argc != 2 && !gnu_format) {
        std::fputs("\nUsage: (version 02-15-2019) \n\ntevlin  inputfile\n\n", console_stream);
        return EXIT_USAGE;
    }
    const std::string source_name = argv[argc - 1];
    Console console(console_stream, gnu_format ? source_name.c_str() : nullptr);
    if (!has_extension(source_name, kSourceExtension)) {
        console.message(Format_message("Filename: %s => must use .%s extension\n",
                                       source_name.c_str(), kSourceExtension));
        return EXIT_BAD_EXTENSION;
    }
    Files files;
    const ExitCode opened = files.open(source_name, console);
    if (opened != EXIT_OK) return opened;

    Diagnostics messages(&console, files.outputs[kErrorFile]);
    Program program;
    Scanner scanner(files.source);
    Assemble(scanner, messages, program);
    Place_start_up_code(program, messages);
    write_outputs(program, messages.error_count() == 0 && messages.syntax_error_count() == 0,
                  files);

    const std::vector<size_t> failed = files.close();
    for (const size_t id : failed) {
        console.message("Could not write file: " + Output_name(kOutputFiles[id], source_name) +
                        "\n");
    }
    return failed.empty() ? EXIT_OK : EXIT_WRITE_FAILED;
}
