// Every mnemonic in every format it has, assembled into its word: the expected words are
// written out from the bit layout, field by field, so a mixed-up field or constant shows. The
// operands are registers 17 (10001) and 30 (11110), the value 0xA5 (10100101) and the address
// 0x2AB (1010101011); each family also takes them once by every kind of name.
#include "isa/opcodes.h"

#include <gtest/gtest.h>

#include <string>

#include "support/session.h"
#include "support/tempdir.h"

namespace {

struct Row {
    const char* spelling;
    unsigned int word;
};

// clang-format off
const Row kRows[] = {
    //                   RR:  major   rX    rY  0 minor
    {"AND r17, r30",     0b00000'10001'11110'0'00},
    {"OR r17, r30",      0b00000'10001'11110'0'01},
    {"EXOR r17, r30",    0b00000'10001'11110'0'10},
    {"TEST r17, r30",    0b00000'10001'11110'0'11},
    {"ADD r17, r30",     0b00001'10001'11110'0'00},
    {"ADDC r17, r30",    0b00001'10001'11110'0'01},
    {"SUB r17, r30",     0b00001'10001'11110'0'10},
    {"SUBC r17, r30",    0b00001'10001'11110'0'11},
    {"CMP r17, r30",     0b00010'10001'11110'0'00},
    {"MOV R_X, R_Y",     0b00010'10001'11110'0'01},
    {"LD r17, (r30)",    0b00010'10001'11110'0'10},
    {"ST R_X, (R_Y)",    0b00010'10001'11110'0'11},
    //                   RI:  major   rX    value
    {"AND r17, 0xA5",    0b10000'10001'10100101},
    {"OR r17, 0xA5",     0b10001'10001'10100101},
    {"EXOR r17, 0xA5",   0b10010'10001'10100101},
    {"TEST r17, 0xA5",   0b10011'10001'10100101},
    {"ADD r17, 0xA5",    0b10100'10001'10100101},
    {"ADDC r17, 0xA5",   0b10101'10001'10100101},
    {"SUB r17, 0xA5",    0b10110'10001'10100101},
    {"SUBC r17, 0xA5",   0b10111'10001'10100101},
    {"CMP R_X, VAL",     0b11000'10001'10100101},
    {"IN r17, 0xA5",     0b11001'10001'10100101},
    {"OUT R_X, VAL",     0b11010'10001'10100101},
    {"MOV r17, 0xA5",    0b11011'10001'10100101},
    {"LD r17, 0xA5",     0b11100'10001'10100101},
    {"ST R_X, VAL",      0b11101'10001'10100101},
    //                   IM:  major   address  0 minor
    {"BRN 0x2AB",        0b00100'1010101011'0'00},
    {"CALL FAR",         0b00100'1010101011'0'01},
    {"BREQ TARGET",      0b00100'1010101011'0'10},
    {"BRNE 0x2AB",       0b00100'1010101011'0'11},
    {"BRCS 0x2AB",       0b00101'1010101011'0'00},
    {"BRCC 0x2AB",       0b00101'1010101011'0'01},
    //                   R1:  major   rX    0     0 minor
    {"LSL r17",          0b01000'10001'00000'0'00},
    {"LSR r17",          0b01000'10001'00000'0'01},
    {"ROL r17",          0b01000'10001'00000'0'10},
    {"ROR r17",          0b01000'10001'00000'0'11},
    {"ASR r17",          0b01001'10001'00000'0'00},
    {"PUSH R_X",         0b01001'10001'00000'0'01},
    {"POP r17",          0b01001'10001'00000'0'10},
    {"WSP r17",          0b01010'10001'00000'0'00},
    {"RSP r17",          0b01010'10001'00000'0'01},
    //                   NA:  major   0     0     0 minor
    {"CLC",              0b01100'00000'00000'0'00},
    {"SEC",              0b01100'00000'00000'0'01},
    {"RET",              0b01100'00000'00000'0'10},
    {"NOP",              0b01100'00000'00000'0'11},
    {"SEI",              0b01101'00000'00000'0'00},
    {"CLI",              0b01101'00000'00000'0'01},
    {"RETID",            0b01101'00000'00000'0'10},
    {"RETIE",            0b01101'00000'00000'0'11},
};
// clang-format on

// One program holds every row, one word each from address 0; the image shows the words.
TEST(Encoding, EveryMnemonicInEveryFormat) {
    std::string source = ".DEF R_X = r17\n.DEF R_Y = r30\n.EQU VAL = 0xA5\n.EQU FAR = 0x2AB\n";
    std::string image;
    for (const Row& row : kRows) {
        source += std::string(row.spelling) + "\n";
        char word[8];
        std::snprintf(word, sizeof word, "%05X\n", row.word);
        image += word;
    }
    TempDir dir;
    const AssemblyOutput run = Assemble_source(source + ".ORG 0x2AB\nTARGET: NOP\n", dir.path());
    ASSERT_EQ(run.console, "");
    const std::string& mem = run.file(kHexFile);
    for (size_t i = 0; i < std::size(kRows); i++) {
        EXPECT_EQ(mem.substr(6 * i, 6), image.substr(6 * i, 6)) << kRows[i].spelling;
    }
    EXPECT_EQ(std::size(kRows), kOpcodes.size());  // every row of the table
}

TEST(Encoding, OutOfRangeFieldsSpillIntoNeighbouringBits) {
    // Register 32 sets the lowest major-opcode bit, value 256 the lowest register bit.
    EXPECT_EQ(R1_inst_bit_define(32, 0x10000), 0x12000u);
    EXPECT_EQ(RI_inst_bit_define(0, 0x100, 0x36000), 0x36100u);
}

}  // namespace
