// The tevlin-dis command run as a real process: the options, the refused command lines, and a
// standard output that cannot be written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/global.h"
#include "rom/image_reader.h"
#include "support/process.h"
#include "support/tempdir.h"

namespace {

// The golden cases of tests/golden_dis hold the image files that tevlin-dis reads or refuses.
TEST(DisCommandLine, OptionsAndRefusals) {
    TempDir dir;
    const std::string usage = "Usage: tevlin-dis FILE\n";
    const struct {
        std::vector<std::string> args;
        int exit_code;
        std::string err;  // what standard error begins with
        std::string out;  // and standard output
    } cases[] = {
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
