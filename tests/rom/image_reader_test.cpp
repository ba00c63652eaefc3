// The image reader takes back every word of each image the writers make, and names the first
// fault of a file that is not as tevlin writes it.
#include "rom/image_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/global.h"

namespace {

// Words at the edges of the INIT and INITP strings and the array lines, with every value of
// bits 17..16 at even and odd addresses.
std::vector<unsigned int> sample_image() {
    std::vector<unsigned int> image(kProgWords);
    const std::pair<int, unsigned int> words[] = {
        {0, 0x36012},   {1, 0x3A000},   {2, 0x08040},    {3, 0x10203},
        {7, 0x2ABCD},   {8, 0x1FFFF},   {15, 0x0FFFF},   {16, 0x20001},
        {127, 0x3FFFF}, {128, 0x10000}, {1022, 0x00001}, {1023, 0x3A5A5},
    };
    for (const auto& [addr, word] : words) image[addr] = word;
    return image;
}

std::string text_of(ImageKind kind) { return Rom_image_text(kind, sample_image().data()); }

size_t line_start(const std::string& text, size_t n) {  // n from 1
    size_t start = 0;
    for (size_t i = 1; i < n; i++) start = text.find('\n', start) + 1;
    return start;
}

std::string line_of(const std::string& text, size_t n) {
    const size_t start = line_start(text, n);
    return text.substr(start, text.find('\n', start) - start);
}

std::string with_line(std::string text, size_t n, const std::string& line) {
    const size_t start = line_start(text, n);
    return text.replace(start, text.find('\n', start) - start, line);
}

constexpr ImageKind kKinds[] = {ImageKind::kHexFile, ImageKind::kBlockRamVhdl,
                                ImageKind::kGenericVhdl};

TEST(ImageReaderTest, ReadsBackWhatEachWriterWrites) {
    for (const ImageKind kind : kKinds) {
        std::string crlf;
        for (const char c : text_of(kind))
            crlf += c == '\n' ? std::string(" \r\n") : std::string(1, c);
        for (const std::string& text : {text_of(kind), crlf}) {
            const RomImage rom = Read_rom_image(text);
            EXPECT_EQ(rom.fault, "") << Rom_image_name(kind);
            EXPECT_EQ(rom.kind, kind);
            EXPECT_EQ(rom.words, sample_image()) << Rom_image_name(kind);
        }
    }
}

TEST(ImageReaderTest, NamesTheFirstFault) {
    const std::string mem = text_of(ImageKind::kHexFile);
    const std::string block = text_of(ImageKind::kBlockRamVhdl);
    const std::string generic = text_of(ImageKind::kGenericVhdl);
    // Line 114 holds the attribute INIT_00 and line 198 its copy in the generic map, the first
    // string that has a copy to agree with; array line 0 of xprog_rom.vhd is line 27.
    const std::string array_line = line_of(generic, 27);
    const std::string trimmed = array_line.substr(0, array_line.size() - 1);  // a blank ends it
    const struct {
        std::string text;
        std::string fault;
    } cases[] = {
        {"", "not a NAME.mem, prog_rom.vhd or xprog_rom.vhd as tevlin writes them"},
        {"ADD R1, R2\n", "not a NAME.mem, prog_rom.vhd or xprog_rom.vhd as tevlin writes them"},
        {mem.substr(0, line_start(mem, 1024)), "has 1023 lines, not 1024"},
        {mem + "00000\n", "has 1025 lines, not 1024"},
        {mem.substr(0, mem.size() - 1), "line 1024 has no line end"},
        {with_line(mem, 7, "0G000"), "line 7: not five hexadecimal digits"},
        {with_line(mem, 7, "0abcd"), "line 7: not five hexadecimal digits"},
        {with_line(mem, 9, "40000"), "line 9: 40000 is wider than 18 bits"},
        {block.substr(0, block.find("INIT_05 =>")), "has 203 lines, not 288"},
        {with_line(block, 114, line_of(block, 114).replace(60, 1, "G")),
         "line 114: INIT_00 is not 64 hexadecimal digits"},
        {with_line(block, 198, line_of(block, 198).replace(24, 1, "1")),
         "line 198: INIT_00 differs from its copy on line 114"},
        {with_line(block, 3, "-- changed"), "line 3 differs from what tevlin writes: \"--\""},
        {with_line(generic, 27, "      " + array_line.substr(22)), "line 27: 7 words, not 8"},
        {with_line(generic, 27, array_line.substr(0, 22) + array_line.substr(6)),
         "line 27: more than 8 words"},
        {with_line(generic, 28, line_of(generic, 28).replace(7, 1, "2")),
         "line 28: the word at 0x008 is not written as \"bb\" & X\"hhhh\""},
        {with_line(generic, 28, line_of(generic, 28).replace(6, 14, R"("bb" & X"hhhh")")),
         "line 28: the word at 0x008 is not written as \"bb\" & X\"hhhh\""},
        {with_line(generic, 27, trimmed.substr(0, trimmed.size() - 2) + "8)"),
         "line 27 differs from what tevlin writes: \"" + trimmed + "\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        const RomImage rom = Read_rom_image(c.text);
        EXPECT_EQ(rom.fault, c.fault);
        EXPECT_TRUE(rom.words.empty());
    }
}

}  // namespace
