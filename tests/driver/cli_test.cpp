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

// The options answer on standard output, alone on the command line; anything else is a source
// name, so a near miss gets the messages every other name gets.
TEST(CommandLine, OptionsPrintHelpOrVersionAndTouchNoFile) {
    for (const std::string option : {"--help", "-h", "--version"}) {
        TempDir dir;
        const ProcessResult run = Run_program(TEVLIN_BINARY, {option}, dir.path());
        EXPECT_EQ(run.exit_code, 0) << option;
        EXPECT_EQ(run.err, "") << option;
        EXPECT_TRUE(files_in(dir).empty()) << option;
        if (option == "--version") {
            EXPECT_EQ(run.out, "tevlin " TEVLIN_VERSION "\n");
            continue;
        }
        EXPECT_EQ(run.out.rfind("Usage: tevlin [--error-format=gnu] NAME.asm\n", 0), 0u) << run.out;
        for (const char* output :
             {"NAME.err", "NAME.asl", "NAME.dbg", "NAME.mem", "prog_rom.vhd", "xprog_rom.vhd"}) {
            EXPECT_NE(run.out.find(output), std::string::npos) << option << " " << output;
        }
    }
}

TEST(CommandLine, RefusedCommandLinesTouchNoFile) {
    const char* usage = "\nUsage: (version 02-15-2019) \n\ntevlin  inputfile\n\n";
    const struct {
        Names args;
        int exit_code;
        const char* console;
    } cases[] = {
        {{}, 1, usage},
        {{"a.asm", "a.asm"}, 1, usage},
        {{"--help", "a.asm"}, 1, usage},
        {{"--version", "--version"}, 1, usage},
        {{"--HELP"}, 5, "Filename: --HELP => must use .asm extension\n"},
        {{"-v"}, 5, "Filename: -v => must use .asm extension\n"},
        {{"prog.ASM"}, 5, "Filename: prog.ASM => must use .asm extension\n"},
        {{"asm"}, 5, "Filename: asm => must use .asm extension\n"},
        {{"absent.asm"}, 6, "Unable to open absent.asm\n"},
        // The error format is an option only before a source name.
        {{"--error-format=gnu"}, 5, "Filename: --error-format=gnu => must use .asm extension\n"},
        {{"--error-format=GNU", "a.asm"}, 1, usage},
        {{"a.asm", "--error-format=gnu"}, 1, usage},
        {{"--error-format=gnu", "p.ASM"},
         5,
         "p.ASM: error: Filename: p.ASM => must use .asm extension\n"},
        {{"--error-format=gnu", "absent.asm"}, 6, "absent.asm: error: Unable to open absent.asm\n"},
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
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no device like /dev/full that refuses every write";
#endif
    TempDir dir;
    dir.write("p.asm", "NOP\n");
    std::filesystem::create_symlink("/dev/full", dir.file("p.asl"));
    std::filesystem::create_symlink("/dev/full", dir.file("xprog_rom.vhd"));
    std::string console;
    EXPECT_EQ(run_tevlin(dir, {"p.asm"}, &console), 9);
    EXPECT_EQ(console, "Could not write file: p.asl\nCould not write file: xprog_rom.vhd\n");
    EXPECT_EQ(run_tevlin(dir, {"--error-format=gnu", "p.asm"}, &console), 9);
    EXPECT_EQ(console,
              "p.asm: error: Could not write file: p.asl\n"
              "p.asm: error: Could not write file: xprog_rom.vhd\n");
}

}  // namespace
