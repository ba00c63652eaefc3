// Every mnemonic in every operand form it accepts, assembled into its word: the expected words
// are written out from the bit layout, field by field, so a mixed-up field or constant shows.
#include "isa/opcodes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/session.h"
#include "support/tempdir.h"

namespace {

// The operands every row uses: registers 17 (10001) and 30 (11110), also by name, the value
// 0xA5 (10100101), also by name, and the address 0x2AB (1010101011) by number, by .EQU name
// and as a label.
const char* const kDefinitions =
    ".DEF R_X = r17\n.DEF R_Y = r30\n.EQU VAL = 0xA5\n.EQU FAR = 0x2AB\n";
const char* const kTarget = ".ORG 0x2AB\nTARGET: NOP\n";

struct Row {
    unsigned int word;
    std::vector<const char*> spellings;  // each assembles alone at address 0 into word
};

// clang-format off
const Row kRows[] = {
    //  RR:  major   rX    rY  0 minor
    {0b00000'10001'11110'0'00, {"AND r17, r30", "AND r17, R_Y", "AND R_X, r30", "AND R_X, R_Y"}},
    {0b00000'10001'11110'0'01, {"OR r17, r30", "OR r17, R_Y", "OR R_X, r30", "OR R_X, R_Y"}},
    {0b00000'10001'11110'0'10, {"EXOR r17, r30", "EXOR r17, R_Y", "EXOR R_X, r30", "EXOR R_X, R_Y"}},
    {0b00000'10001'11110'0'11, {"TEST r17, r30", "TEST r17, R_Y", "TEST R_X, r30", "TEST R_X, R_Y"}},
    {0b00001'10001'11110'0'00, {"ADD r17, r30", "ADD r17, R_Y", "ADD R_X, r30", "ADD R_X, R_Y"}},
    {0b00001'10001'11110'0'01, {"ADDC r17, r30", "ADDC r17, R_Y", "ADDC R_X, r30", "ADDC R_X, R_Y"}},
    {0b00001'10001'11110'0'10, {"SUB r17, r30", "SUB r17, R_Y", "SUB R_X, r30", "SUB R_X, R_Y"}},
    {0b00001'10001'11110'0'11, {"SUBC r17, r30", "SUBC r17, R_Y", "SUBC R_X, r30", "SUBC R_X, R_Y"}},
    {0b00010'10001'11110'0'00, {"CMP r17, r30", "CMP r17, R_Y", "CMP R_X, r30", "CMP R_X, R_Y"}},
    {0b00010'10001'11110'0'01, {"MOV r17, r30", "MOV r17, R_Y", "MOV R_X, r30", "MOV R_X, R_Y"}},
    {0b00010'10001'11110'0'10, {"LD r17, (r30)", "LD r17, (R_Y)", "LD R_X, (r30)", "LD R_X, (R_Y)"}},
    {0b00010'10001'11110'0'11, {"ST r17, (r30)", "ST r17, (R_Y)", "ST R_X, (r30)", "ST R_X, (R_Y)"}},
    //  RI:  major   rX    value
    {0b10000'10001'10100101, {"AND r17, 0xA5", "AND r17, VAL", "AND R_X, 0xA5", "AND R_X, VAL"}},
    {0b10001'10001'10100101, {"OR r17, 0xA5", "OR r17, VAL", "OR R_X, 0xA5", "OR R_X, VAL"}},
    {0b10010'10001'10100101, {"EXOR r17, 0xA5", "EXOR r17, VAL", "EXOR R_X, 0xA5", "EXOR R_X, VAL"}},
    {0b10011'10001'10100101, {"TEST r17, 0xA5", "TEST r17, VAL", "TEST R_X, 0xA5", "TEST R_X, VAL"}},
    {0b10100'10001'10100101, {"ADD r17, 0xA5", "ADD r17, VAL", "ADD R_X, 0xA5", "ADD R_X, VAL"}},
    {0b10101'10001'10100101, {"ADDC r17, 0xA5", "ADDC r17, VAL", "ADDC R_X, 0xA5", "ADDC R_X, VAL"}},
    {0b10110'10001'10100101, {"SUB r17, 0xA5", "SUB r17, VAL", "SUB R_X, 0xA5", "SUB R_X, VAL"}},
    {0b10111'10001'10100101, {"SUBC r17, 0xA5", "SUBC r17, VAL", "SUBC R_X, 0xA5", "SUBC R_X, VAL"}},
    {0b11000'10001'10100101, {"CMP r17, 0xA5", "CMP r17, VAL", "CMP R_X, 0xA5", "CMP R_X, VAL"}},
    {0b11001'10001'10100101, {"IN r17, 0xA5", "IN r17, VAL", "IN R_X, 0xA5", "IN R_X, VAL"}},
    {0b11010'10001'10100101, {"OUT r17, 0xA5", "OUT r17, VAL", "OUT R_X, 0xA5", "OUT R_X, VAL"}},
    {0b11011'10001'10100101, {"MOV r17, 0xA5", "MOV r17, VAL", "MOV R_X, 0xA5", "MOV R_X, VAL"}},
    {0b11100'10001'10100101, {"LD r17, 0xA5", "LD r17, VAL", "LD R_X, 0xA5", "LD R_X, VAL"}},
    {0b11101'10001'10100101, {"ST r17, 0xA5", "ST r17, VAL", "ST R_X, 0xA5", "ST R_X, VAL"}},
    //  IM:  major   address  0 minor
    {0b00100'1010101011'0'00, {"BRN 0x2AB", "BRN FAR", "BRN TARGET"}},
    {0b00100'1010101011'0'01, {"CALL 0x2AB", "CALL FAR", "CALL TARGET"}},
    {0b00100'1010101011'0'10, {"BREQ 0x2AB", "BREQ FAR", "BREQ TARGET"}},
    {0b00100'1010101011'0'11, {"BRNE 0x2AB", "BRNE FAR", "BRNE TARGET"}},
    {0b00101'1010101011'0'00, {"BRCS 0x2AB", "BRCS FAR", "BRCS TARGET"}},
    {0b00101'1010101011'0'01, {"BRCC 0x2AB", "BRCC FAR", "BRCC TARGET"}},
    //  R1:  major   rX    0     0 minor
    {0b01000'10001'00000'0'00, {"LSL r17", "LSL R_X"}},
    {0b01000'10001'00000'0'01, {"LSR r17", "LSR R_X"}},
    {0b01000'10001'00000'0'10, {"ROL r17", "ROL R_X"}},
    {0b01000'10001'00000'0'11, {"ROR r17", "ROR R_X"}},
    {0b01001'10001'00000'0'00, {"ASR r17", "ASR R_X"}},
    {0b01001'10001'00000'0'01, {"PUSH r17", "PUSH R_X"}},
    {0b01001'10001'00000'0'10, {"POP r17", "POP R_X"}},
    {0b01010'10001'00000'0'00, {"WSP r17", "WSP R_X"}},
    {0b01010'10001'00000'0'01, {"RSP r17", "RSP R_X"}},
    //  NA:  major   0     0     0 minor
    {0b01100'00000'00000'0'00, {"CLC"}},
    {0b01100'00000'00000'0'01, {"SEC"}},
    {0b01100'00000'00000'0'10, {"RET"}},
    {0b01100'00000'00000'0'11, {"NOP"}},
    {0b01101'00000'00000'0'00, {"SEI"}},
    {0b01101'00000'00000'0'01, {"CLI"}},
    {0b01101'00000'00000'0'10, {"RETID"}},
    {0b01101'00000'00000'0'11, {"RETIE"}},
};
// clang-format on

TEST(Encoding, EveryMnemonicInEveryAcceptedForm) {
    TempDir dir;
    for (const Row& row : kRows) {
        char expected[8];
        std::snprintf(expected, sizeof expected, "%05X\n", row.word);
        for (const char* spelling : row.spellings) {
            SCOPED_TRACE(spelling);
            const AssemblyOutput run =
                Assemble_source(std::string(kDefinitions) + spelling + "\n" + kTarget, dir.path());
            EXPECT_EQ(run.console, "");
            EXPECT_EQ(run.file(kHexFile).substr(0, 6), expected);
        }
    }
}

// Every row of the mnemonic table in every format it has, through the real scanner, grammar
// and handler: a row that the scanner or the grammar does not take fails here, whatever its
// constant. The debug file names the mnemonic and gives the word.
TEST(Encoding, EveryTableRowReachesItsEncoder) {
    constexpr unsigned int kX = 17 << kRegShift, kY = 30 << kReg2Shift;
    TempDir dir;
    for (const Opcode& row : kOpcodes) {
        SCOPED_TRACE(row.mnemonic);
        const struct {
            const char* operands;
            unsigned int fields;
        } shapes[] = {
            {row.family == Family::kMemory ? " r17, (r30)" : " r17, r30", kX | kY},  // FMT_RR
            {" r17, 0xA5", kX | 0xA5},                                               // FMT_RI
            {" r17", kX},                                                            // FMT_R1
            {" 0x2AB", 0x2ABu << kAddrShift},                                        // FMT_IM
            {"", 0},                                                                 // FMT_NA
        };
        const auto& shape = shapes[row.format];
        const AssemblyOutput run =
            Assemble_source(std::string(row.mnemonic) + shape.operands + "\n", dir.path());
        char line[64];
        std::snprintf(line, sizeof line, "\n%6s     1  0x000  0x%05X\n", row.mnemonic,
                      row.constant | shape.fields);
        EXPECT_EQ(run.file(kDebugFile), line);
    }
}

TEST(Encoding, OutOfRangeFieldsSpillIntoNeighbouringBits) {
    // Register 32 sets the lowest major-opcode bit, value 256 the lowest register bit.
    EXPECT_EQ(R1_inst_bit_define(32, 0x10000), 0x12000u);
    EXPECT_EQ(RI_inst_bit_define(0, 0x100, 0x36000), 0x36100u);
}

}  // namespace
