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

TEST(DisassemblyTest, SpellsOneInstructionPerLine) {
    // Start-up code for two data bytes and a branch to 0x010; a call to code, a branch to a
    // word that is 0, a word in the middle that is 0, a word that is no instruction.
    const std::vector<unsigned int> image = image_of({{0, 0x36012},
                                                      {1, 0x3A000},
                                                      {2, 0x360FF},
                                                      {3, 0x3A005},
                                                      {4, 0x08080},
                                                      {16, 0x0442A},
                                                      {17, 0x080A1},
                                                      {18, 0x0A1F8},
                                                      {20, 0x1A003},
                                                      {21, 0x0C000},
                                                      {22, 0x10300},
                                                      {23, 0x32AFE}});
    const Disassembly disassembly = Disassemble_image(image.data(), "prog_rom.vhd");
    EXPECT_EQ(disassembly.source,
              "; program memory read back by tevlin-dis (format: prog_rom.vhd)\n"
              "; every word not shown is 0\n"
              "; start-up code at 0x000 to 0x004: stores 2 data bytes, then branches to 0x010\n"
              ".CSEG\n"
              ".ORG 0x000\n"
              "        MOV   r0, 0x12    ; 0x000  0x36012\n"
              "        ST    r0, 0x00    ; 0x001  0x3A000  start-up: data byte 0x00 = 0x12\n"
              "        MOV   r0, 0xFF    ; 0x002  0x360FF\n"
              "        ST    r0, 0x05    ; 0x003  0x3A005  start-up: data byte 0x05 = 0xFF\n"
              "        BRN   L_010       ; 0x004  0x08080  start-up: on to the program\n"
              ".ORG 0x010\n"
              "L_010:  LD    r4, (r5)    ; 0x010  0x0442A\n"
              "        CALL  L_014       ; 0x011  0x080A1\n"
              "        BRCS  0x03F       ; 0x012  0x0A1F8\n"
              ".ORG 0x014\n"
              "L_014:  RETIE             ; 0x014  0x1A003\n"
              "                          ; 0x015  0x0C000  no instruction\n"
              ".ORG 0x016\n"
              "        LSL   r3          ; 0x016  0x10300\n"
              "        IN    r10, 0xFE   ; 0x017  0x32AFE\n");
    EXPECT_EQ(disassembly.undecoded, std::vector<int>{21});
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
        const Disassembly disassembly = Disassemble_image(image.data(), "NAME.file(kHexFile)");
        const AssemblyOutput output = Assemble_source(disassembly.source, dir.path());
        EXPECT_EQ(output.console, "");
        EXPECT_EQ(output.file(kHexFile), Rom_image_text(ImageKind::kHexFile, image.data()))
            << disassembly.source;
    }
}

// Every program that assembles without errors: assembled, each image file read back and
// disassembled, the disassembly assembled: all three image files come out the same.
TEST(DisassemblyTest, ProgramsRoundTripThroughEachImageFile) {
    std::vector<std::filesystem::path> sources;
    for (const auto& entry : std::filesystem::directory_iterator(TEVLIN_EXAMPLES_DIR)) {
        if (entry.path().extension() == ".asm") sources.push_back(entry.path());
    }
    for (const auto& entry : std::filesystem::directory_iterator(TEVLIN_GOLDEN_DIR)) {
        if (entry.is_directory()) sources.push_back(entry.path() / "prog.asm");
    }
    TempDir dir;
    int round_trips = 0;
    for (const std::filesystem::path& source : sources) {
        SCOPED_TRACE(source.string());
        const AssemblyOutput original = Assemble_source(Read_file(source), dir.path());
        if (!original.clean()) continue;
        for (const OutputFileId id : {kHexFile, kBlockRamFile, kGenericRomFile}) {
            const RomImage rom = Read_rom_image(original.file(id));
            ASSERT_EQ(rom.fault, "");
            const Disassembly disassembly =
                Disassemble_image(rom.words.data(), Rom_image_name(rom.kind));
            EXPECT_TRUE(disassembly.undecoded.empty());
            const AssemblyOutput again = Assemble_source(disassembly.source, dir.path());
            EXPECT_EQ(again.console, "");
            for (const OutputFileId image : {kHexFile, kBlockRamFile, kGenericRomFile}) {
                EXPECT_EQ(again.file(image), original.file(image)) << Rom_image_name(rom.kind);
            }
            round_trips++;
        }
    }
    // demo, fill and tables, and the golden cases start_up_fits_exactly and worked_example
    EXPECT_GE(round_trips, 5 * 3);
}

}  // namespace
