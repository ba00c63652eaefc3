// The disassembly's text, and that tevlin assembles it into the very image it came from: for
// hand-made images with the awkward cases, and for every program of examples/ and of the golden
// cases through each of the three image files.
#include "listing/disassembly.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/global.h"
#include "rom/image_reader.h"
#include "support/session.h"
#include "support/tempdir.h"

namespace {

using Words = std::vector<std::pair<int, unsigned int>>;  // address and word

std::vector<unsigned int> image_of(const Words& words) {
    std::vector<unsigned int> image(kProgWords);
    for (const auto& [addr, word] : words) image[addr] = word;
    return image;
}

TEST(DisassemblyTest, AssemblesBackIntoTheSameImage) {
    const struct {
        const char* name;
        Words words;
    } cases[] = {
        {"empty program", {}},
        {"code not at 0", {{0x10, 0x18003}}},
        {"start-up code without a branch", {{0, 0x36012}, {1, 0x3A000}, {2, 0x18002}}},
        {"a lone branch at 0", {{0, 0x08080}, {0x10, 0x18002}}},
        {"zeros in the middle of code", {{5, 0x18003}, {6, 0}, {7, 0}, {8, 0x08030}}},
        {"branch to 0 and to 1023", {{0, 0x08000}, {1, 0x09FF8}, {1023, 0x09FF8}}},
        {"branch to 1023 without code there", {{0, 0x09FF9}}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<unsigned int> image = image_of(c.words);
        const Disassembly disassembly = Disassemble_image(image.data(), "NAME.mem");
        const AssemblyOutput output = Assemble_source(disassembly.source, dir.path());
        EXPECT_EQ(output.console, "");
        EXPECT_EQ(output.file(kHexFile), Rom_image_text(ImageKind::kHexFile, image.data()))
            << disassembly.source;
    }
}

// Every program that assembles without errors, read back from its hex image and disassembled,
// assembles into the same image; the image reader's tests show that the other two image files
// give the same words.
TEST(DisassemblyTest, ProgramsRoundTrip) {
    std::vector<std::filesystem::path> sources;
    for (const char* folder : {TEVLIN_EXAMPLES_DIR, TEVLIN_GOLDEN_DIR}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (entry.path().extension() == ".asm") sources.push_back(entry.path());
        }
    }
    TempDir dir;
    int round_trips = 0;
    for (const std::filesystem::path& source : sources) {
        const AssemblyOutput original = Assemble_source(Read_file(source), dir.path());
        if (!original.clean()) continue;
        const RomImage rom = Read_rom_image(original.file(kHexFile));
        const Disassembly disassembly = Disassemble_image(rom.words.data(), "NAME.mem");
        const AssemblyOutput again = Assemble_source(disassembly.source, dir.path());
        EXPECT_EQ(again.console, "") << source;
        EXPECT_EQ(again.file(kHexFile), original.file(kHexFile)) << source;
        round_trips++;
    }
    // demo, fill, tables and the clean golden cases
    EXPECT_GE(round_trips, 5);
}

}  // namespace
