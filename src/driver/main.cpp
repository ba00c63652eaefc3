// Entry point of the tevlin command: the help and version options, then one assembler run.
#include <cstdio>
#include <string_view>

#include "driver/assembler.h"

namespace {

constexpr char kHelp[] = R"(Usage: tevlin NAME.asm

Assembles NAME.asm, a source for the 8-bit soft-core microcontroller, in two
passes and writes:

  NAME.err       beside the source   every error, numbered, with its line
  NAME.asl       beside the source   the listing and the symbol table report
  NAME.dbg       beside the source   each instruction with its address and word
  NAME.mem       beside the source   program memory: 1024 lines of 5 hex digits
  prog_rom.vhd   working directory   the ROM as a RAMB16_S18 block RAM
  xprog_rom.vhd  working directory   the ROM as a constant array

Errors in the source are printed on standard error, logged and listed; any
error, a syntax error too, leaves a notice in NAME.dbg, and NAME.mem and both
VHDL files empty. They do not change the exit code.

Exit codes:
  0  the source was assembled (with or without errors in it)
  1  not exactly one argument
  5  the file name does not end in asm
  6  the source cannot be opened
  7  the error, listing or hex file cannot be created
  8  the debug file or a VHDL file cannot be created
  9  an output file could not be written in full

Options (each alone on the command line):
  -h, --help     print this help and exit
  --version      print the version and exit

The manual page tevlin(1) and the README describe the source language.
)";

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2) {
        const std::string_view arg = argv[1];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::fputs("tevlin " TEVLIN_VERSION "\n", stdout);
            return 0;
        }
    }
    return Run_tevlin(argc, argv);
}
