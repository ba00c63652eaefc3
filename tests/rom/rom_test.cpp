#include "rom/rom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "diag/diag.h"
#include "driver/assembler.h"
#include "support/capture.h"

namespace {

class RomTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset_all_state(); }
    void TearDown() override {
        Delete_srcList(&list_);
        Reset_all_state();
    }

    void word_at(int addr, unsigned int bits, int line_type = LINE_INSTR_RI) {
        Add_to_srcList(&list_,
                       Create_srcItem("X", 1, addr, line_type, "MOV", bits, nullptr, 10, 0, 0));
    }

    // Start-up load, store and branch at 0 to 2, then user words at 3 and 16.
    void build_example_image() {
        word_at(0, 0x36012, LINE_STARTUP);
        word_at(1, 0x3A000, LINE_STARTUP);
        word_at(2, 0x08040, LINE_STARTUP);
        word_at(3, 0x10203);
        word_at(16, 0x2ABCD);
    }

    std::string block_ram() {
        CapturedStream out;
        Generate_vhdl_prog_rom(&list_, out.get());
        return out.text();
    }

    std::string generic() {
        CapturedStream out;
        Generate_vhdl_prog_rom_generic(&list_, out.get());
        return out.text();
    }

    srcList_t list_;
};

const std::string kZeros64(64, '0');

// The 64-character string that follows the first occurrence of prefix, checking that it is
// closed by a double quote.
std::string string_after(const std::string& text, const std::string& prefix, size_t from = 0) {
    const size_t at = text.find(prefix, from);
    if (at == std::string::npos) return "<missing " + prefix + ">";
    const std::string value = text.substr(at + prefix.size(), 64);
    if (text.compare(at + prefix.size() + 64, 1, "\"") != 0) return "<unterminated " + prefix + ">";
    return value;
}

std::string attribute(const std::string& text, const char* name) {
    return string_after(text,
                        std::string("   attribute ") + name + " of ram_1024_x_18 : label is \"");
}

std::string generic_map(const std::string& text, const char* name) {
    return string_after(text, std::string("          ") + name + " => X\"");
}

size_t line_count(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::string line_at(const std::string& text, size_t index) {
    size_t start = 0;
    for (size_t i = 0; i < index; i++) start = text.find('\n', start) + 1;
    return text.substr(start, text.find('\n', start) - start + 1);
}

TEST_F(RomTest, BlockRamStringsOfTheExampleImage) {
    build_example_image();
    const std::string text = block_ram();
    const std::string init0 = std::string(48, '0') + "0203" + "8040" + "A000" + "6012";
    const std::string init1 = std::string(60, '0') + "ABCD";
    const std::string initp0 = std::string(55, '0') + "20000004F";
    EXPECT_EQ(attribute(text, "INIT_00"), init0);
    EXPECT_EQ(generic_map(text, "INIT_00"), init0);
    EXPECT_EQ(attribute(text, "INIT_01"), init1);
    EXPECT_EQ(generic_map(text, "INIT_01"), init1);
    EXPECT_EQ(attribute(text, "INITP_00"), initp0);
    EXPECT_EQ(generic_map(text, "INITP_00"), initp0);
    EXPECT_EQ(attribute(text, "INIT_02"), kZeros64);
    EXPECT_EQ(attribute(text, "INIT_3F"), kZeros64);
    EXPECT_EQ(generic_map(text, "INITP_07"), kZeros64);
}

TEST_F(RomTest, BlockRamFileHasAFixedShape) {
    const std::string empty = block_ram();
    build_example_image();
    word_at(1023, 0x3FFFF);
    const std::string full = block_ram();
    EXPECT_EQ(line_count(empty), 288u);
    EXPECT_EQ(line_count(full), 288u);
    EXPECT_EQ(empty.size(), full.size());
    EXPECT_NE(empty.find("   attribute INITP_07 : string; \n\n\n"), std::string::npos);
    EXPECT_NE(empty.find("          INITP_06 => X\"" + kZeros64 + "\",  \n" +
                         "          INITP_07 => X\"" + kZeros64 + "\")  \n\n\n"),
              std::string::npos);
    EXPECT_EQ(line_at(empty, 0), std::string(77, '-') + "\n");
    EXPECT_EQ(line_at(empty, 286), "-- END OF FILE prog_rom.vhd\n");
}

TEST_F(RomTest, LastWordFillsTheFrontOfTheLastStrings) {
    word_at(1023, 0x2ABCD);
    word_at(0, 0x10001);
    const std::string text = block_ram();
    EXPECT_EQ(attribute(text, "INIT_3F"), "ABCD" + std::string(60, '0'));
    EXPECT_EQ(attribute(text, "INITP_07"), "8" + std::string(63, '0'));
    EXPECT_EQ(attribute(text, "INIT_00"), std::string(60, '0') + "0001");
    EXPECT_EQ(attribute(text, "INITP_00"), std::string(63, '0') + "1");
}

TEST_F(RomTest, GenericArrayLines) {
    build_example_image();
    const std::string text = generic();
    EXPECT_EQ(line_count(text), 171u);
    EXPECT_EQ(line_at(text, 26),
              "      \"11\" & X\"6012\", \"11\" & X\"A000\", \"00\" & X\"8040\", "
              "\"01\" & X\"0203\", \"00\" & X\"0000\", \"00\" & X\"0000\", "
              "\"00\" & X\"0000\", \"00\" & X\"0000\",  -->> (   0 -    7) \n");
    EXPECT_EQ(line_at(text, 28),
              "      \"10\" & X\"ABCD\", \"00\" & X\"0000\", \"00\" & X\"0000\", "
              "\"00\" & X\"0000\", \"00\" & X\"0000\", \"00\" & X\"0000\", "
              "\"00\" & X\"0000\", \"00\" & X\"0000\",  -->> (  16 -   23) \n");
    EXPECT_EQ(line_at(text, 153),
              "      \"00\" & X\"0000\", \"00\" & X\"0000\", \"00\" & X\"0000\", "
              "\"00\" & X\"0000\", \"00\" & X\"0000\", \"00\" & X\"0000\", "
              "\"00\" & X\"0000\", \"00\" & X\"0000\"); -->> (1016 - 1023) \n");
    EXPECT_EQ(line_at(text, 154), "\n");
    EXPECT_EQ(line_at(text, 155), "begin\n");
    EXPECT_EQ(line_at(text, 25), "   CONSTANT my_memory: vector_array := (\n");
    EXPECT_EQ(line_at(text, 169), "-- END OF FILE prog_rom.vhd\n");
}

TEST_F(RomTest, HexFileHasOneSixByteLinePerWord) {
    build_example_image();
    word_at(1023, 0x3FFFF);
    CapturedStream out;
    Generate_raw_hex_file(&list_, out.get());
    const std::string text = out.text();
    ASSERT_EQ(text.size(), 6144u);
    EXPECT_EQ(text.substr(0, 30), "36012\n3A000\n08040\n10203\n00000\n");
    EXPECT_EQ(text.substr(16 * 6, 6), "2ABCD\n");
    EXPECT_EQ(text.substr(17 * 6, 6), "00000\n");
    EXPECT_EQ(text.substr(1023 * 6), "3FFFF\n");
    EXPECT_EQ(line_count(text), 1024u);
}

TEST_F(RomTest, DigitOutOfRangeIsReportedOnTheConsole) {
    CapturedStream console;
    consolefp = console.get();
    EXPECT_EQ(My_int_to_hex(16), 'x');
    EXPECT_EQ(console.text(), "\nDon't be here: My_int_to_hex()\n");
}

}  // namespace
