// One run of the assembler, from the command line to the closed output files.
#ifndef TEVLIN_DRIVER_ASSEMBLER_H_
#define TEVLIN_DRIVER_ASSEMBLER_H_

#include <cstdio>

/// Runs the assembler on argv as the command line, printing its messages on console, and
/// returns the process exit code.
int Run_tevlin(int argc, const char* const* argv, std::FILE* console);

#endif  // TEVLIN_DRIVER_ASSEMBLER_H_
