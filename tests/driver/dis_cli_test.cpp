// The tevlin-dis command run as a real process: exit codes, messages, and nothing on standard
// output for a file it cannot read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/global.h"
#include "rom/image_reader.h"
#include "support/process.h"
#include "support/tempdir.h"

namespace {

TEST(DisCommandLine, ExitCodesAndMessages) {
    TempDir dir;
    std::vector<unsigned int> image(kProgWords);
    image[0] = 0x18003;  // NOP
    dir.write("good.mem", Rom_image_text(ImageKind::kHexFile, image.data()));
    image[2] = 0x3E000;  // major opcode 31 is unused
    dir.write("xprog_rom.vhd", Rom_image_text(ImageKind::kGenericVhdl, image.data()));
    const std::string block = Rom_image_text(ImageKind::kBlockRamVhdl, image.data());
    dir.write("prog_rom.vhd", block.substr(0, block.size() - 2));
    dir.write("text.asm", "NOP\n");

    const struct {
        const char* file;
        int exit_code;
        const char* err;
    } cases[] = {
        {"good.mem", 0, ""},
        {"xprog_rom.vhd", 3,
         "tevlin-dis: xprog_rom.vhd: the word 0x3E000 at address 0x002 is no instruction\n"},
        {"prog_rom.vhd", 2, "tevlin-dis: prog_rom.vhd (prog_rom.vhd): line 288 has no line end\n"},
        {"text.asm", 2,
         "tevlin-dis: text.asm: not a NAME.mem, prog_rom.vhd or xprog_rom.vhd as tevlin writes "
         "them\n"},
#ifdef _WIN32
        // Windows refuses to open a directory as a file at all.
        {".", 2, "tevlin-dis: .: cannot be opened: Permission denied\n"},
#else
        {".", 2, "tevlin-dis: .: cannot be read: Is a directory\n"},
#endif
    };
    for (const auto& c : cases) {
        const ProcessResult run = Run_program(TEVLIN_DIS_BINARY, {c.file}, dir.path());
        EXPECT_EQ(run.exit_code, c.exit_code) << c.file;
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out.empty(), c.exit_code == 2) << c.file;
    }
}

TEST(DisCommandLine, OptionsPrintHelpOrVersion) {
    TempDir dir;
    for (const char* option : {"--help", "-h", "--version"}) {
        const ProcessResult run = Run_program(TEVLIN_DIS_BINARY, {option}, dir.path());
        EXPECT_EQ(run.exit_code, 0) << option;
        EXPECT_EQ(run.err, "") << option;
        const bool version = std::string(option) == "--version";
        const char* start =
            version ? "tevlin-dis " TEVLIN_VERSION "\n" : "Usage: tevlin-dis FILE\n";
        EXPECT_EQ(run.out.rfind(start, 0), 0u) << run.out;
    }
}

TEST(DisCommandLine, AFullStandardOutputIsNotReportedAsSuccess) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no device like /dev/full that refuses every write";
#endif
    TempDir dir;
    std::vector<unsigned int> image(kProgWords);
    image[0] = 0x18003;  // NOP
    dir.write("good.mem", Rom_image_text(ImageKind::kHexFile, image.data()));
    const ProcessResult full = Run_program(
        "sh", {"-c", R"(exec "$0" good.mem >/dev/full)", TEVLIN_DIS_BINARY}, dir.path());
    EXPECT_EQ(full.exit_code, 4);
    EXPECT_EQ(full.err, "tevlin-dis: standard output could not be written\n");
}

}  // namespace
