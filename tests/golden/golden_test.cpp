// End-to-end cases: each folder under tests/golden holds a source, prog.asm, and all that the
// tevlin command must give for it: exit code, standard output and error, and the six files it
// writes (an empty expected file: the output must be empty). The built command runs as a
// separate process in a fresh directory, as a user runs it; an output that differs is left as
// NAME.actual beside the expected file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/process.h"
#include "support/session.h"
#include "support/tempdir.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> case_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(TEVLIN_GOLDEN_DIR)) {
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Runs one case; every difference is reported as a failure naming the case and the file.
void check_case(const std::string& case_name) {
    const fs::path folder = fs::path(TEVLIN_GOLDEN_DIR) / case_name;
    TempDir dir;
    dir.write("prog.asm", Read_file(folder / "prog.asm"));
    const ProcessResult run = Run_program(TEVLIN_BINARY, {"prog.asm"}, dir.path());

    std::vector<std::pair<std::string, std::string>> produced = {
        {"exit_code", std::to_string(run.exit_code) + "\n"},
        {"stdout.txt", run.out},
        {"stderr.txt", run.err},
    };
    for (const OutputFile& row : kOutputFiles) {
        const std::string name = Output_name(row, "prog.asm");
        if (dir.exists(name)) {
            produced.emplace_back(name, dir.read(name));
        } else {
            ADD_FAILURE() << case_name << ": the run did not write " << name;
        }
    }
    for (const auto& [name, actual] : produced) {
        const fs::path expected_path = folder / name;
        const fs::path actual_path = folder / (name + ".actual");
        if (!fs::exists(expected_path)) {
            ADD_FAILURE() << case_name << ": no expected " << name;
        } else if (Read_file(expected_path) == actual) {
            fs::remove(actual_path);
            continue;
        } else {
            ADD_FAILURE() << case_name << "/" << name << " differs; see " << actual_path;
        }
        std::ofstream(actual_path, std::ios::binary) << actual;
    }
}

// The folders are read when the test runs, so a new case needs no rebuild.
TEST(Golden, EveryCaseGivesItsOutputs) {
    const std::vector<std::string> names = case_names();
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) check_case(name);
}

// Assembled in one process, one case after another, each case gives what a fresh process
// gives: a run carries nothing over to the next.
TEST(Golden, RunsInOneProcessMatchFreshProcesses) {
    TempDir dir;
    for (const std::string& name : case_names()) {
        const fs::path folder = fs::path(TEVLIN_GOLDEN_DIR) / name;
        const AssemblyOutput run = Assemble_source(Read_file(folder / "prog.asm"), dir.path());
        EXPECT_TRUE(Read_file(folder / "stderr.txt") == run.console) << name;
        for (size_t id = 0; id < kOutputFileCount; id++) {
            const std::string file = Output_name(kOutputFiles[id], "prog.asm");
            EXPECT_TRUE(Read_file(folder / file) == run.files[id]) << name << "/" << file;
        }
    }
}

}  // namespace
