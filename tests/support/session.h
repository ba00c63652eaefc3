// One whole assembly run in-process on a source text, with every output captured.
#ifndef TEVLIN_TESTS_SUPPORT_SESSION_H_
#define TEVLIN_TESTS_SUPPORT_SESSION_H_

#include <array>
#include <filesystem>
#include <string>

#include "driver/outputs.h"

struct AssemblyOutput {
    int exit_code = 0;
    std::string console;                              // everything the run printed
    std::array<std::string, kOutputFileCount> files;  // by the rows of kOutputFiles

    const std::string& file(OutputFileId id) const { return files[id]; }
    /// Whether the source had no error: the debug file holds no notice of errors.
    bool clean() const { return files[kDebugFile] != kOutputFiles[kDebugFile].errors_notice; }
};

/// Writes source to dir/prog.asm, assembles it with dir as the working directory (with
/// --error-format=gnu when gnu is true) and returns the exit code, console text and the output
/// files. dir must exist; the working directory is restored afterwards.
AssemblyOutput Assemble_source(const std::string& source, const std::string& dir, bool gnu = false);

/// The whole content of the file at path; empty when it cannot be read.
std::string Read_file(const std::filesystem::path& path);

#endif  // TEVLIN_TESTS_SUPPORT_SESSION_H_
