// One whole assembly run in-process on a source text, with every output captured.
#include "support/session.h"

#include <fstream>
#include <sstream>

#include "driver/assembler.h"
#include "support/capture.h"

AssemblyOutput Assemble_source(const std::string& source, const std::string& dir, bool gnu) {
    AssemblyOutput output;
    const std::string source_name = "prog.asm";
    std::ofstream(dir + "/" + source_name, std::ios::binary) << source;
    const std::filesystem::path previous_dir = std::filesystem::current_path();
    std::filesystem::current_path(dir);

    const CapturedStream console;
    const char* native[] = {"tevlin", source_name.c_str()};
    const char* with_gnu[] = {"tevlin", "--error-format=gnu", source_name.c_str()};
    output.exit_code =
        gnu ? Run_tevlin(3, with_gnu, console.get()) : Run_tevlin(2, native, console.get());
    output.console = console.text();
    for (size_t id = 0; id < kOutputFileCount; id++) {
        output.files[id] = Read_file(Output_name(kOutputFiles[id], source_name));
    }
    std::filesystem::current_path(previous_dir);
    return output;
}

std::string Read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
