// Properties that every assembly run has, whatever its source: after a clean run the three ROM
// files read back as one program that holds the debug file's words, and otherwise they are
// empty; the listing numbers the lines one after another and closes with the symbol report.
#include "support/invariants.h"

#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "rom/image_reader.h"

namespace {

// The lines of a text without their line ends.
std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t end; !text.empty(); text.remove_prefix(std::min(end + 1, text.size()))) {
        end = std::min(text.find('\n'), text.size());
        lines.push_back(text.substr(0, end));
    }
    return lines;
}

// Whether the three image files give the same words, and the debug file lists the words of the
// start-up code, an empty line, and one line for each instruction entry of the listing, each
// word at its address.
bool images_agree(const AssemblyOutput& run) {
    const RomImage image = Read_rom_image(run.file(kHexFile));
    for (const OutputFileId id : {kBlockRamFile, kGenericRomFile}) {
        const RomImage other = Read_rom_image(run.file(id));
        if (!image.fault.empty() || !other.fault.empty() || other.words != image.words)
            return false;
    }
    long instructions = 0;
    for (const std::string_view line : split_lines(run.file(kListingFile))) {
        instructions += line.substr(0, 1) == "(" && line.find(")  CS-") < 8;
    }
    bool after_start_up = false;
    for (const std::string_view line : split_lines(run.file(kDebugFile))) {
        unsigned int address = 0, word = 0;
        const std::string text(line);
        const bool read = after_start_up
                              ? std::sscanf(text.c_str(), "%*s %*d 0x%x 0x%x", &address, &word) == 2
                              : std::sscanf(text.c_str(), "%*s 0x%x 0x%x", &address, &word) == 2;
        if (line.empty() && !after_start_up) {
            after_start_up = true;
            continue;
        }
        if (!read || address >= image.words.size() || image.words[address] != word) return false;
        instructions -= after_start_up;
    }
    return after_start_up && instructions == 0;
}

// Whether the listing's entries "(0001)", "(0002)", ... number the lines one after another.
bool lines_numbered_in_order(const std::string& listing) {
    int expected = 1;
    for (const std::string_view line : split_lines(listing)) {
        if (line.substr(0, 1) != "(") continue;
        char entry[16];
        std::snprintf(entry, sizeof entry, "(%04d)  ", expected++);
        if (line.substr(0, std::strlen(entry)) != entry) return false;
    }
    return true;
}

}  // namespace

std::string Describe_invariant_violations(const AssemblyOutput& run) {
    std::string report;
    const auto check = [&report](bool holds, const char* broken) {
        if (!holds) report += std::string(broken) + "\n";
    };
    check(run.exit_code == 0, "exit code is not 0");
    if (run.clean()) {
        check(images_agree(run), "the ROM files and the debug file do not agree");
    } else {
        for (size_t id = 0; id < kOutputFileCount; id++) {
            const OutputFile& row = kOutputFiles[id];
            check(!row.needs_clean_source || row.errors_notice != nullptr || run.files[id].empty(),
                  "ROM file written despite errors");
        }
    }
    const std::string& listing = run.file(kListingFile);
    check(lines_numbered_in_order(listing), "listing: the lines are not numbered in order");
    const std::vector<std::string_view> lines = split_lines(listing);
    const bool db_entry = !lines.empty() && (lines.back() == "--> No \".DB\" directives used" ||
                                             lines.back().find("||  ") != std::string_view::npos);
    check(db_entry && listing.find("\n\n-- Directives: .DB\n") != std::string::npos,
          "listing: does not end with the symbol report");
    return report;
}

std::string Describe_run_differences(const AssemblyOutput& first, const AssemblyOutput& second) {
    std::string report = first.exit_code == second.exit_code ? "" : "exit code differs\n";
    if (first.console != second.console) report += "console differs\n";
    for (size_t id = 0; id < kOutputFileCount; id++) {
        if (first.files[id] != second.files[id]) {
            report += Output_help_name(kOutputFiles[id]) + " differs\n";
        }
    }
    return report;
}

std::string Describe_gnu_differences(const AssemblyOutput& native, const AssemblyOutput& gnu) {
    AssemblyOutput same_console = gnu;
    same_console.console = native.console;
    std::string report = Describe_run_differences(native, same_console);
    size_t messages = 0;
    for (const std::string_view line : split_lines(native.console)) {
        messages += line.find_first_not_of(' ') != std::string_view::npos;
    }
    for (const std::string_view line : split_lines(gnu.console)) {
        const size_t error = line.find(" error: ");
        messages -= line.substr(0, 9) == "prog.asm:" && error != std::string_view::npos &&
                    line.substr(0, error).find(' ') == std::string_view::npos;
    }
    if (messages != 0) report += "the GNU form prints another number of messages\n";
    return report;
}
