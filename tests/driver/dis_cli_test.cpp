// The tevlin-dis command run as a real process: exit codes, messages, what standard output
// begins with, and nothing on it for a file that cannot be read.
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
    const std::string usage = "Usage: tevlin-dis FILE\n";
    const struct {
        std::vector<std::string> args;
        int exit_code;
        std::string err;  // what standard error begins with
        std::string out;  // and standard output
    } cases[] = {
        {{"good.mem"}, 0, "", "; program memory read back by tevlin-dis (format: NAME.mem)\n"},
        {{"xprog_rom.vhd"},
         3,
         "tevlin-dis: xprog_rom.vhd: the word 0x3E000 at address 0x002 is no instruction\n",
         ";"},
        {{"prog_rom.vhd"},
         2,
         "tevlin-dis: prog_rom.vhd (prog_rom.vhd): line 288 has no line end\n",
         ""},
        {{"text.asm"},
         2,
         "tevlin-dis: text.asm: not a NAME.mem, prog_rom.vhd or xprog_rom.vhd as tevlin writes "
         "them\n",
         ""},
#ifdef _WIN32
        // Windows refuses to open a directory as a file at all.
        {{"."}, 2, "tevlin-dis: .: cannot be opened: Permission denied\n", ""},
#else
        {{"."}, 2, "tevlin-dis: .: cannot be read: Is a directory\n", ""},
#endif
        {{}, 1, usage, ""},
        {{"--help"}, 0, "", usage},
        {{"-h"}, 0, "", usage},
        {{"--version"}, 0, "", "tevlin-dis " TEVLIN_VERSION "\n"},
    };
    for (const auto& c : cases) {
        const ProcessResult run = Run_program(TEVLIN_DIS_BINARY, c.args, dir.path());
        const std::string shown = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(run.exit_code, c.exit_code) << shown;
        for (const auto& [text, start] : {std::pair(run.err, c.err), std::pair(run.out, c.out)}) {
            EXPECT_EQ(text.substr(0, start.size()), start) << shown;
            EXPECT_EQ(text.empty(), start.empty()) << shown;
        }
    }
}

TEST(DisCommandLine, AFullStandardOutputIsNotReportedAsSuccess) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no device like /dev/full that refuses every write";
#endif
    TempDir dir;
    std::vector<unsigned int> image(kProgWords);
    dir.write("good.mem", Rom_image_text(ImageKind::kHexFile, image.data()));
    const ProcessResult full = Run_program(
        "sh", {"-c", R"(exec "$0" good.mem >/dev/full)", TEVLIN_DIS_BINARY}, dir.path());
    EXPECT_EQ(full.exit_code, 4);
    EXPECT_EQ(full.err, "tevlin-dis: standard output could not be written\n");
}

}  // namespace
