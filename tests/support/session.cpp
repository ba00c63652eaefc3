// One whole assembly run in-process on a source text, with every output captured.
#include "support/session.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "diag/diag.h"
#include "driver/assembler.h"
#include "grammar/parser.h"
#include "support/capture.h"

AssemblyOutput Assemble_source(const std::string& source, const std::string& dir,
                               const std::string& name) {
    AssemblyOutput output;
    const std::string source_name = name + ".asm";
    {
        std::ofstream out(dir + "/" + source_name, std::ios::binary);
        out.write(source.data(), static_cast<std::streamsize>(source.size()));
    }
    const std::filesystem::path previous_dir = std::filesystem::current_path();
    std::filesystem::current_path(dir);

    Reset_all_state();
    const CapturedStream console;
    consolefp = console.get();
    const char* argv[] = {"tevlin", source_name.c_str()};
    output.exit_code = Run_tevlin(2, argv);
    output.error_count = errCnt;
    output.syntax_error_count = syntaxErrCnt;
    output.console = console.text();
    Reset_all_state();

    output.err = Read_file(name + ".err");
    output.asl = Read_file(name + ".asl");
    output.dbg = Read_file(name + ".dbg");
    output.mem = Read_file(name + ".mem");
    output.prog_rom = Read_file("prog_rom.vhd");
    output.xprog_rom = Read_file("xprog_rom.vhd");
    std::filesystem::current_path(previous_dir);
    return output;
}

std::string Read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
