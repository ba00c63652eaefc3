#include "rom/rom.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/capture.h"

namespace {

using Image = std::vector<std::pair<int, unsigned int>>;  // address and word

const Image kExample = {{0, 0x36012}, {1, 0x3A000}, {2, 0x08040}, {3, 0x10203}, {16, 0x2ABCD}};

std::string rom_text(void (*writer)(const srcList_t*, std::FILE*), const Image& image) {
    srcList_t list;
    for (const auto& [at, bits] : image)
        Add_to_srcList(&list, Create_srcItem("", 1, at, LINE_INSTR_RI, "", bits, nullptr, 0, 0, 0));
    CapturedStream out;
    writer(&list, out.get());
    Delete_srcList(&list);
    return out.text();
}

// The INIT or INITP string called name, which the attribute and the generic map must agree on.
std::string rom_string(const std::string& text, const std::string& name) {
    const std::string attribute = "   attribute " + name + " of ram_1024_x_18 : label is \"";
    const std::string map = "          " + name + " => X\"";
    const size_t at = text.find(attribute), in_map = text.find(map);
    if (at == std::string::npos || in_map == std::string::npos) return "<missing " + name + ">";
    const std::string value = text.substr(at + attribute.size(), 65);
    const bool same =
        value.size() == 65 && value.back() == '"' && value == text.substr(in_map + map.size(), 65);
    return same ? value.substr(0, 64) : "<mismatch " + name + ">";
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(RomTest, BlockRamStrings) {
    const std::string text = rom_text(Generate_vhdl_prog_rom, kExample);
    EXPECT_EQ(rom_string(text, "INIT_00"), std::string(48, '0') + "0203" + "8040A0006012");
    EXPECT_EQ(rom_string(text, "INIT_01"), std::string(60, '0') + "ABCD");
    EXPECT_EQ(rom_string(text, "INITP_00"), std::string(55, '0') + "20000004F");
    EXPECT_EQ(rom_string(text, "INIT_02"), std::string(64, '0'));
    EXPECT_EQ(lines_of(text).size(), 288u);
    EXPECT_NE(text.find("   attribute INITP_07 : string; \n\n\n"), std::string::npos);

    const std::string last = rom_text(Generate_vhdl_prog_rom, {{1023, 0x2ABCD}});
    EXPECT_EQ(rom_string(last, "INIT_3F"), "ABCD" + std::string(60, '0'));
    EXPECT_EQ(rom_string(last, "INITP_07"), "8" + std::string(63, '0'));
    EXPECT_NE(last.find("          INITP_06 => X\"" + std::string(64, '0') + "\",  \n" +
                        "          INITP_07 => X\"8" + std::string(63, '0') + "\")  \n\n\n"),
              std::string::npos);
}

TEST(RomTest, GenericArrayLines) {
    const auto lines = lines_of(rom_text(Generate_vhdl_prog_rom_generic, kExample));
    std::string zeros;  // seven elements of a zero word
    for (int i = 0; i < 7; i++) zeros += "\"00\" & X\"0000\", ";
    ASSERT_EQ(lines.size(), 171u);
    EXPECT_EQ(lines[26], "      \"11\" & X\"6012\", \"11\" & X\"A000\", \"00\" & X\"8040\", " +
                             ("\"01\" & X\"0203\", " + zeros.substr(48)) + " -->> (   0 -    7) ");
    EXPECT_EQ(lines[28], "      \"10\" & X\"ABCD\", " + zeros + " -->> (  16 -   23) ");
    EXPECT_EQ(lines[153], "      " + zeros + "\"00\" & X\"0000\"); -->> (1016 - 1023) ");
    EXPECT_EQ(lines[154], "");
}

}  // namespace
