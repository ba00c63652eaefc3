// The tevlin command run as a real process: exit codes, messages and which files exist.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "driver/exit_codes.h"
#include "support/process.h"
#include "support/session.h"
#include "support/tempdir.h"

namespace {

using Names = std::vector<std::string>;
using FileNames = std::set<std::string>;

FileNames files_in(const TempDir& dir) {
    FileNames names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// --help names every file a run writes and every exit code.
TEST(CommandLine, HelpTellsEveryFileAndExitCode) {
    TempDir dir;
    const std::string help = Run_program(TEVLIN_BINARY, {"--help"}, dir.path()).out;
    for (const OutputFile& row : kOutputFiles) {
        EXPECT_NE(help.find(Output_help_name(row)), std::string::npos) << row.name;
        EXPECT_NE(help.find(row.purpose), std::string::npos) << row.name;
    }
    for (const ExitCodeMeaning& row : kExitCodes) {
        const std::string line = "  " + std::to_string(row.code) + "  " + row.meaning + "\n";
        EXPECT_NE(help.find(line), std::string::npos) << line;
    }
}

// The options answer on standard output, each alone on the command line; anything else is a
// source name, so a near miss gets the messages every other name gets. None touches a file,
// and a folder named as a source is no source.
TEST(CommandLine, OptionsAndRefusedCommandLines) {
    const std::string usage = "\nUsage: (version 02-15-2019) \n\ntevlin  inputfile\n\n";
    const std::string help = "Usage: tevlin [--error-format=gnu] NAME.asm\n";
    const struct {
        Names args;
        int exit_code;
        std::string err;
        std::string out;  // what standard output begins with
    } cases[] = {
        {{"--help"}, 0, "", help},
        {{"-h"}, 0, "", help},
        {{"--version"}, 0, "", "tevlin " TEVLIN_VERSION "\n"},
        {{}, 1, usage, ""},
        {{"a.asm", "a.asm"}, 1, usage, ""},
        {{"--help", "a.asm"}, 1, usage, ""},
        {{"--HELP"}, 5, "Filename: --HELP => must use .asm extension\n", ""},
        {{"prog.ASM"}, 5, "Filename: prog.ASM => must use .asm extension\n", ""},
        {{"asm"}, 5, "Filename: asm => must use .asm extension\n", ""},
        {{"absent.asm"}, 6, "Unable to open absent.asm\n", ""},
        {{"folder.asm"}, 6, "Unable to open folder.asm\n", ""},
        {{"--error-format=gnu"},
         5,
         "Filename: --error-format=gnu => must use .asm extension\n",
         ""},
        {{"--error-format=GNU", "a.asm"}, 1, usage, ""},
        {{"a.asm", "--error-format=gnu"}, 1, usage, ""},
        {{"--error-format=gnu", "p.ASM"},
         5,
         "p.ASM: error: Filename: p.ASM => must use .asm extension\n",
         ""},
        {{"--error-format=gnu", "absent.asm"},
         6,
         "absent.asm: error: Unable to open absent.asm\n",
         ""},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::filesystem::create_directory(dir.file("folder.asm"));
        const ProcessResult run = Run_program(TEVLIN_BINARY, c.args, dir.path());
        const std::string shown = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(run.exit_code, c.exit_code) << shown;
        EXPECT_EQ(run.err, c.err) << shown;
        EXPECT_EQ(run.out.substr(0, c.out.size()), c.out) << shown;
        EXPECT_EQ(run.out.empty(), c.out.empty()) << shown;
        EXPECT_EQ(files_in(dir), FileNames{"folder.asm"}) << shown;
    }
}

TEST(CommandLine, OutputNamesKeepTheSourceDirectoryAndAnyLength) {
    TempDir dir;
    const std::string stem(150, 'n');
    std::filesystem::create_directory(dir.file("sub"));
    dir.write("sub/" + stem + ".asm", "NOP\n");
    dir.write("progasm", "NOP\n");
    EXPECT_EQ(Run_program(TEVLIN_BINARY, {"sub/" + stem + ".asm"}, dir.path()).exit_code, 0);
    EXPECT_EQ(Run_program(TEVLIN_BINARY, {"progasm"}, dir.path()).exit_code, 0);
    EXPECT_EQ(files_in(dir), (FileNames{"prog_rom.vhd", "progasl", "progasm", "progdbg", "progerr",
                                        "progmem", "sub", "xprog_rom.vhd"}));
    for (const char* ext : {".err", ".asl", ".dbg", ".mem"}) {
        EXPECT_TRUE(std::filesystem::exists(dir.file("sub/" + stem + ext))) << ext;
    }
}

// Each output that cannot be created stops the run with its own message and code; the files
// opened before it, those of the rows above, stay.
TEST(CommandLine, EachOutputThatCannotBeCreated) {
    const struct {
        const char* blocked;
        const char* message;
        int exit_code;
    } cases[] = {
        {"p.err", "Could not open error file: p.err\n", 7},
        {"p.asl", "Could not open listfile: p.asl\n", 7},
        {"p.dbg", "Could not open debug file: p.dbg\n", 8},
        {"prog_rom.vhd", "Could not open vhdl file:\n", 8},
        {"xprog_rom.vhd", "Could not open vhdl file:\n", 8},
        {"p.mem", "Could not open raw hex file: p.mem\n", 7},
    };
    FileNames created = {"p.asm"};
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("p.asm", "NOP\n");
        std::filesystem::create_directory(dir.file(c.blocked));
        const ProcessResult run = Run_program(TEVLIN_BINARY, {"p.asm"}, dir.path());
        EXPECT_EQ(run.exit_code, c.exit_code) << c.blocked;
        EXPECT_EQ(run.err, c.message);
        created.insert(c.blocked);
        EXPECT_EQ(files_in(dir), created) << c.blocked;
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
    for (const std::string prefix : {"", "p.asm: error: "}) {
        const Names args = prefix.empty() ? Names{"p.asm"} : Names{"--error-format=gnu", "p.asm"};
        const ProcessResult run = Run_program(TEVLIN_BINARY, args, dir.path());
        EXPECT_EQ(run.exit_code, 9);
        EXPECT_EQ(run.err, prefix + "Could not write file: p.asl\n" + prefix +
                               "Could not write file: xprog_rom.vhd\n");
    }
}

}  // namespace
