// Entry point of the tevlin command: the help and version options, then one assembler run.
#include <fmt/format.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "driver/assembler.h"
#include "driver/exit_codes.h"
#include "driver/outputs.h"

namespace {

constexpr char kHelpStart[] = R"(Usage: tevlin [--error-format=gnu] NAME.asm

Assembles NAME.asm, a source for the 8-bit soft-core microcontroller, in two
passes and writes:

)";

constexpr char kHelpMiddle[] = R"(
Errors in the source are printed on standard error, logged and listed; any
error, a syntax error too, leaves a notice in NAME.dbg, and NAME.mem and both
VHDL files empty. They do not change the exit code.

  --error-format=gnu   print each message on standard error as editors and
                       build tools read it: NAME.asm:LINE:COLUMN: error: TEXT,
                       the line with the token marked, and notes on how to
                       mend it (NAME.asm:LINE:COLUMN: note: TEXT); a message
                       without a line as NAME.asm: error: TEXT

Exit codes:
)";

constexpr char kHelpEnd[] = R"(
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
            help += kHelpMiddle;
            for (const ExitCodeMeaning& row : kExitCodes) {
                help += fmt::format("  {}  {}\n", static_cast<int>(row.code), row.meaning);
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
