// End-to-end cases: each folder under tests/golden holds a source, prog.asm, and all that the
// tevlin command must give for it: exit code, standard output and error, and every output file
// (an empty expected file: the output must be empty); each folder under tests/golden_dis holds
// one file for tevlin-dis and what it must give for it. The built commands run as separate
// processes in a fresh directory, as a user runs them; an output that differs is left as
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

std::vector<fs::path> case_folders(const char* root = TEVLIN_GOLDEN_DIR) {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(root)) {
        if (entry.is_directory()) folders.push_back(entry.path());
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

// Whether the file name in folder holds actual; if not, actual is left beside it.
bool expected(const fs::path& folder, const std::string& name, const std::string& actual) {
    const fs::path actual_path = folder / (name + ".actual");
    if (fs::exists(folder / name) && Read_file(folder / name) == actual) {
        fs::remove(actual_path);
        return true;
    }
    std::ofstream(actual_path, std::ios::binary) << actual;
    return false;
}

// The folders are read when the test runs, so a new case needs no rebuild.
TEST(Golden, EveryCaseGivesItsOutputs) {
    ASSERT_FALSE(case_folders().empty());
    for (const fs::path& folder : case_folders()) {
        TempDir dir;
        dir.write("prog.asm", Read_file(folder / "prog.asm"));
        const ProcessResult run = Run_program(TEVLIN_BINARY, {"prog.asm"}, dir.path());
        EXPECT_TRUE(expected(folder, "exit_code", std::to_string(run.exit_code) + "\n")) << folder;
        EXPECT_TRUE(expected(folder, "stdout.txt", run.out)) << folder;
        EXPECT_TRUE(expected(folder, "stderr.txt", run.err)) << folder;
        for (const OutputFile& row : kOutputFiles) {
            const std::string name = Output_name(row, "prog.asm");
            EXPECT_TRUE(fs::exists(dir.file(name)) &&
                        expected(folder, name, Read_file(dir.file(name))))
                << folder << "/" << name;
        }
    }
}

TEST(Golden, EveryImageGivesItsSource) {
    ASSERT_FALSE(case_folders(TEVLIN_GOLDEN_DIS_DIR).empty());
    for (const fs::path& folder : case_folders(TEVLIN_GOLDEN_DIS_DIR)) {
        TempDir dir;
        std::string image;  // the one file that is no expectation
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name == "exit_code" || name.find(".txt") != std::string::npos) continue;
            image = name;
            dir.write(name, Read_file(entry.path()));
        }
        const ProcessResult run = Run_program(TEVLIN_DIS_BINARY, {image}, dir.path());
        EXPECT_TRUE(expected(folder, "exit_code", std::to_string(run.exit_code) + "\n")) << folder;
        EXPECT_TRUE(expected(folder, "stdout.txt", run.out)) << folder;
        EXPECT_TRUE(expected(folder, "stderr.txt", run.err)) << folder;
    }
}

// Assembled in one process, one case after another, each case gives what a fresh process
// gives: a run carries nothing over to the next.
TEST(Golden, RunsInOneProcessMatchFreshProcesses) {
    TempDir dir;
    for (const fs::path& folder : case_folders()) {
        const AssemblyOutput run = Assemble_source(Read_file(folder / "prog.asm"), dir.path());
        EXPECT_TRUE(Read_file(folder / "stderr.txt") == run.console) << folder;
        for (size_t id = 0; id < kOutputFileCount; id++) {
            const std::string file = Output_name(kOutputFiles[id], "prog.asm");
            EXPECT_TRUE(Read_file(folder / file) == run.files[id]) << folder << "/" << file;
        }
    }
}

}  // namespace
