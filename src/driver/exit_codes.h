// What each exit code of tevlin means, as --help tells it.
#ifndef TEVLIN_DRIVER_EXIT_CODES_H_
#define TEVLIN_DRIVER_EXIT_CODES_H_

#include "base/global.h"

struct ExitCodeMeaning {
    ExitCode code;
    const char* meaning;
};

// clang-format off
inline constexpr ExitCodeMeaning kExitCodes[] = {
    {EXIT_OK,             "the source was assembled (with or without errors in it)"},
    {EXIT_USAGE,          "the command line is not [--error-format=gnu] NAME.asm"},
    {EXIT_BAD_EXTENSION,  "the file name does not end in asm"},
    {EXIT_NO_SOURCE,      "the source cannot be opened"},
    {EXIT_NO_LOG_FILE,    "the error, listing or hex file cannot be created"},
    {EXIT_NO_OUTPUT_FILE, "the debug file or a VHDL file cannot be created"},
    {EXIT_WRITE_FAILED,   "an output file could not be written in full"},
};
// clang-format on

#endif  // TEVLIN_DRIVER_EXIT_CODES_H_
