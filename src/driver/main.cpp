// Entry point of the tevlin command: the help and version options, then one assembler run.
#include <fmt/format.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "driver/assembler.h"
#include "driver/outputs.h"

namespace {

constexpr char kHelpStart[] = R"(Usage: tevlin [--error-format=gnu] NAME.asm

Assembles NAME.asm, a source for the 8-bit soft-core microcontroller, in two
passes and writes:

)";

constexpr char kHelpEnd[] = R"(
Errors in the source are printed on standard error, logged and listed; any
error, a syntax error too, leaves a notice in NAME.dbg, and NAME.mem and both
VHDL files empty. They do not change the exit code.

  --error-format=gnu   print each message on standard error as editors and
                       build tools read it: NAME.asm:LINE: error: TEXT, or
                       NAME.asm: error: TEXT for a message without a line

Exit codes:
  0  the source was assembled (with or without errors in it)
  1  the command line is not [--error-format=gnu] NAME.asm
  5  the file name does not end in asm
  6  the source cannot be opened
  7  the error, listing or hex file cannot be created
  8  the debug file or a VHDL file cannot be created
  9  an output file could not be written in full

Other options (each alone on the command line):
  -h, --help     print this help and exit
  --version      print the version and exit

The manual page tevlin(1) and the README describe the source language.
)";

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2) {
        const std::string_view arg = argv[1];
        if (arg == "--help" || arg == "-h") {
            std::string help = kHelpStart;
            for (const OutputFile& row : kOutputFiles) {
                help += fmt::format(
                    "  {:<15}{:<20}{}\n", Output_help_name(row),
                    row.place == Place::kBesideSource ? "beside the source" : "working directory",
                    row.purpose);
            }
            std::fputs((help + kHelpEnd).c_str(), stdout);
            return 0;
        }
        if (arg == "--version") {
            std::fputs("tevlin " TEVLIN_VERSION "\n", stdout);
            return 0;
        }
    }
    return Run_tevlin(argc, argv, stderr);
}
