// The tevlin command run as a real process: exit codes, messages and which files exist.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/process.h"
#include "support/tempdir.h"

namespace {

using Names = std::vector<std::string>;

// Runs the binary with args inside dir; returns the exit code and leaves stderr in console.
int run_tevlin(const TempDir& dir, const Names& args, std::string* console) {
    const ProcessResult run = Run_program(TEVLIN_BINARY, args, dir.path());
    EXPECT_EQ(run.out, "");
    *console = run.err;
    return run.exit_code;
}

Names files_in(const TempDir& dir) {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CommandLine, RefusedCommandLinesTouchNoFile) {
    const struct {
        Names args;
        int exit_code;
        const char* console;
    } cases[] = {
        {{}, 1, "\nUsage: (version 02-15-2019) \n\ntevlin  inputfile\n\n"},
        {{"a.asm", "a.asm"}, 1, "\nUsage: (version 02-15-2019) \n\ntevlin  inputfile\n\n"},
        {{"prog.ASM"}, 5, "Filename: prog.ASM => must use .asm extension\n"},
        {{"asm"}, 5, "Filename: asm => must use .asm extension\n"},
        {{"absent.asm"}, 6, "Unable to open absent.asm\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::string console;
        EXPECT_EQ(run_tevlin(dir, c.args, &console), c.exit_code);
        EXPECT_EQ(console, c.console);
        EXPECT_TRUE(files_in(dir).empty());
    }
}

TEST(CommandLine, OutputNamesKeepTheSourceDirectoryAndAnyLength) {
    TempDir dir;
    const std::string stem(150, 'n');
    std::filesystem::create_directory(dir.file("sub"));
    dir.write("sub/" + stem + ".asm", "NOP\n");
    dir.write("progasm", "NOP\n");
    std::string console;
    EXPECT_EQ(run_tevlin(dir, {"sub/" + stem + ".asm"}, &console), 0);
    EXPECT_EQ(run_tevlin(dir, {"progasm"}, &console), 0);
    EXPECT_EQ(files_in(dir), (Names{"prog_rom.vhd", "progasl", "progasm", "progdbg", "progerr",
                                    "progmem", "sub", "xprog_rom.vhd"}));
    for (const char* ext : {".err", ".asl", ".dbg", ".mem"}) {
        EXPECT_TRUE(dir.exists("sub/" + stem + ext)) << ext;
    }
}

// Each output that cannot be created stops the run with its own message and code; the files
// opened before it stay.
TEST(CommandLine, EachOutputThatCannotBeCreated) {
    const struct {
        const char* blocked;
        const char* message;
        int exit_code;
        Names created;
    } cases[] = {
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
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("p.asm", "NOP\n");
        std::filesystem::create_directory(dir.file(c.blocked));
        std::string console;
        EXPECT_EQ(run_tevlin(dir, {"p.asm"}, &console), c.exit_code) << c.blocked;
        EXPECT_EQ(console, c.message);
        Names expected = c.created;
        expected.insert(expected.end(), {"p.asm", c.blocked});
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(files_in(dir), expected) << c.blocked;
    }
}

TEST(CommandLine, AFullDiskIsNotReportedAsSuccess) {
    TempDir dir;
    dir.write("p.asm", "NOP\n");
    std::filesystem::create_symlink("/dev/full", dir.file("p.asl"));
    std::filesystem::create_symlink("/dev/full", dir.file("xprog_rom.vhd"));
    std::string console;
    EXPECT_EQ(run_tevlin(dir, {"p.asm"}, &console), 9);
    EXPECT_EQ(console, "Could not write file: p.asl\nCould not write file: xprog_rom.vhd\n");
}

}  // namespace
