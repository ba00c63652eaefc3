// Runs a program as a separate process, as a user runs it from a shell.
#ifndef TEVLIN_TESTS_SUPPORT_PROCESS_H_
#define TEVLIN_TESTS_SUPPORT_PROCESS_H_

#include <string>
#include <vector>

struct ProcessResult {
    int exit_code = -1;  // -1 when the program did not exit normally
    std::string out;     // everything it wrote to standard output, as on Linux (see err)
    std::string err;     // everything it wrote to standard error, without the CR that a
                         // Windows console line end adds
};

/// Runs program with args, with dir as its working directory and input on its standard input
/// (none when input is null), and returns how it ended and what it printed. Nothing is left
/// behind in dir but what the program wrote there.
ProcessResult Run_program(const std::string& program, const std::vector<std::string>& args,
                          const std::string& dir, const std::string* input = nullptr);

#endif  // TEVLIN_TESTS_SUPPORT_PROCESS_H_
