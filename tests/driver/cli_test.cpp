// The tevlin command run as a real process: exit codes, messages and which files exist.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/tempdir.h"

namespace {

struct ProcessResult {
    int exit_code;
    std::string console;
};

// Runs the binary with args inside dir; the console text is its standard error.
ProcessResult run_tevlin(const TempDir& dir, const std::vector<std::string>& args) {
    std::string command = "cd '" + dir.path() + "' && '" TEVLIN_BINARY "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " 2>console.txt";
    const int status = std::system(command.c_str());
    ProcessResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, dir.read("console.txt")};
    std::filesystem::remove(dir.file("console.txt"));
    return result;
}

std::vector<std::string> files_in(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

const char* const kUsage = "\nUsage: (version 02-15-2019) \n\ntevlin  inputfile\n\n";
const char* const kProgram = "main: ADD R1, R2\n";

TEST(CommandLine, AnythingButOneArgumentPrintsUsage) {
    TempDir dir;
    dir.write("a.asm", kProgram);
    for (const auto& args :
         {std::vector<std::string>{}, std::vector<std::string>{"a.asm", "a.asm"}}) {
        const ProcessResult result = run_tevlin(dir, args);
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_EQ(result.console, kUsage);
    }
    EXPECT_EQ(files_in(dir), std::vector<std::string>{"a.asm"});
}

TEST(CommandLine, ExtensionIsTestedCaseSensitivelyWithoutADot) {
    TempDir dir;
    for (const char* name : {"prog.ASM", "asm", "prog.as"}) {
        const ProcessResult result = run_tevlin(dir, {name});
        EXPECT_EQ(result.exit_code, 5) << name;
        EXPECT_EQ(result.console,
                  std::string("Filename: ") + name + " => must use .asm extension\n");
    }
    EXPECT_TRUE(files_in(dir).empty());

    dir.write("progasm", kProgram);
    EXPECT_EQ(run_tevlin(dir, {"progasm"}).exit_code, 0);
    EXPECT_EQ(files_in(dir),
              (std::vector<std::string>{"prog_rom.vhd", "progasl", "progasm", "progdbg", "progerr",
                                        "progmem", "xprog_rom.vhd"}));
}

TEST(CommandLine, MissingSourceCreatesNoFile) {
    TempDir dir;
    const ProcessResult result = run_tevlin(dir, {"absent.asm"});
    EXPECT_EQ(result.exit_code, 6);
    EXPECT_EQ(result.console, "Unable to open absent.asm\n");
    EXPECT_TRUE(files_in(dir).empty());
}

TEST(CommandLine, OutputsBesideTheSourceAndRomsInTheWorkingDirectory) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("sub"));
    dir.write("sub/p.asm", kProgram);
    EXPECT_EQ(run_tevlin(dir, {"sub/p.asm"}).exit_code, 0);
    for (const char* name :
         {"sub/p.err", "sub/p.asl", "sub/p.dbg", "sub/p.mem", "prog_rom.vhd", "xprog_rom.vhd"}) {
        EXPECT_TRUE(dir.exists(name)) << name;
    }
}

TEST(CommandLine, FileNamesOfAnyLength) {
    TempDir dir;
    const std::string stem(150, 'n');
    dir.write(stem + ".asm", kProgram);
    EXPECT_EQ(run_tevlin(dir, {stem + ".asm"}).exit_code, 0);
    EXPECT_TRUE(dir.exists(stem + ".asl"));
    EXPECT_TRUE(dir.exists(stem + ".mem"));
}

// Each output that cannot be created stops the run with its own message and code; the files
// opened before it stay.
TEST(CommandLine, EachOutputThatCannotBeCreated) {
    struct Case {
        const char* blocked;
        const char* message;
        int exit_code;
        std::vector<std::string> created;
    };
    const Case cases[] = {
        {"p.err", "Could not open error file: p.err\n", 7, {}},
        {"p.asl", "Could not open listfile: p.asl\n", 7, {"p.err"}},
        {"p.dbg", "Could not open debug file: p.dbg\n", 8, {"p.asl", "p.err"}},
        {"prog_rom.vhd", "Could not open vhdl file:\n", 8, {"p.asl", "p.dbg", "p.err"}},
        {"xprog_rom.vhd",
         "Could not open vhdl file:\n",
         8,
         {"p.asl", "p.dbg", "p.err", "prog_rom.vhd"}},
        {"p.mem",
         "Could not open raw hex file: p.mem\n",
         7,
         {"p.asl", "p.dbg", "p.err", "prog_rom.vhd", "xprog_rom.vhd"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("p.asm", kProgram);
        std::filesystem::create_directory(dir.file(c.blocked));
        const ProcessResult result = run_tevlin(dir, {"p.asm"});
        EXPECT_EQ(result.exit_code, c.exit_code) << c.blocked;
        EXPECT_EQ(result.console, c.message);
        std::vector<std::string> expected = c.created;
        expected.push_back("p.asm");
        expected.push_back(c.blocked);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(files_in(dir), expected) << c.blocked;
    }
}

TEST(CommandLine, AFullDiskIsNotReportedAsSuccess) {
    TempDir dir;
    dir.write("p.asm", kProgram);
    std::filesystem::create_symlink("/dev/full", dir.file("p.asl"));
    std::filesystem::create_symlink("/dev/full", dir.file("xprog_rom.vhd"));
    const ProcessResult result = run_tevlin(dir, {"p.asm"});
    EXPECT_EQ(result.exit_code, 9);
    EXPECT_EQ(result.console, "Could not write file: p.asl\nCould not write file: xprog_rom.vhd\n");
}

}  // namespace
