// One whole assembly run in-process on a source text, with every output captured.
#ifndef TEVLIN_TESTS_SUPPORT_SESSION_H_
#define TEVLIN_TESTS_SUPPORT_SESSION_H_

#include <filesystem>
#include <string>

struct AssemblyOutput {
    int exit_code = 0;
    int error_count = 0;         // errors counted by the run
    int syntax_error_count = 0;  // syntax errors met by the run
    std::string console;         // everything the run printed on the console
    std::string err;             // NAME.err
    std::string asl;             // NAME.asl
    std::string dbg;             // NAME.dbg
    std::string mem;             // NAME.mem
    std::string prog_rom;        // prog_rom.vhd
    std::string xprog_rom;       // xprog_rom.vhd
};

/// Writes source to dir/NAME.asm, assembles it with dir as the working directory after
/// restoring all process-wide state, and returns the exit code, console text and the six
/// output files. dir must exist; the working directory is restored afterwards.
AssemblyOutput Assemble_source(const std::string& source, const std::string& dir,
                               const std::string& name = "prog");

/// The whole content of the file at path; empty when it cannot be read.
std::string Read_file(const std::filesystem::path& path);

#endif  // TEVLIN_TESTS_SUPPORT_SESSION_H_
