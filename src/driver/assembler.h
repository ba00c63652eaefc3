// One run of the assembler, from the command line to the closed output files.
#ifndef TEVLIN_DRIVER_ASSEMBLER_H_
#define TEVLIN_DRIVER_ASSEMBLER_H_

/// Runs the assembler on argv as the command line and returns the process exit code.
int Run_tevlin(int argc, const char* const* argv);

/// Restores every process-wide variable of every subsystem to its program-start value.
void Reset_all_state();

#endif  // TEVLIN_DRIVER_ASSEMBLER_H_
