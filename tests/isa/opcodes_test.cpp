#include "isa/opcodes.h"

#include <gtest/gtest.h>

namespace {

unsigned int constant(int inst_type, InstFormat format) {
    const Opcode* row = Find_opcode(inst_type, format);
    EXPECT_NE(row, nullptr) << inst_type;
    return row == nullptr ? 0 : row->constant;
}

TEST(OpcodesTest, EncodersPlaceEveryField) {
    EXPECT_EQ(RR_inst_bit_define(0, 0, constant(INST_AND, FMT_RR)), 0u);
    EXPECT_EQ(RR_inst_bit_define(31, 31, constant(INST_ST, FMT_RR)), 0x05FFBu);
    EXPECT_EQ(RI_inst_bit_define(1, 0x1F, constant(INST_ADD, FMT_RI)), 0x2811Fu);
    EXPECT_EQ(IM_inst_bit_define(1023, constant(INST_BRCC, FMT_IM)), 0x0BFF9u);
    EXPECT_EQ(R1_inst_bit_define(2, constant(INST_RSP, FMT_R1)), 0x14201u);
    EXPECT_EQ(NA_inst_bit_define(constant(INST_RETIE, FMT_NA)), 0x1A003u);
}

TEST(OpcodesTest, OutOfRangeFieldsSpillIntoNeighbouringBits) {
    // Register 32 lands in the lowest major-opcode bit, rY 32 in the lowest rX bit.
    EXPECT_EQ(RR_inst_bit_define(32, 0, 0), 0x02000u);
    EXPECT_EQ(RR_inst_bit_define(0, 32, 0), 0x00100u);
    EXPECT_EQ(R1_inst_bit_define(40, 0x10000), 0x12800u);
    // A value of 256 sets the lowest register bit; address 1024 the lowest major bit.
    EXPECT_EQ(RI_inst_bit_define(0, 0x100, 0x36000), 0x36100u);
    EXPECT_EQ(IM_inst_bit_define(1024, 0x08000), 0x0A000u);
}

TEST(OpcodesTest, TableLookups) {
    // Mnemonics with both forms share one code; the format picks the row.
    for (int inst_type : {INST_AND, INST_CMP, INST_MOV, INST_LD, INST_ST}) {
        const Opcode* rr = Find_opcode(inst_type, FMT_RR);
        const Opcode* ri = Find_opcode(inst_type, FMT_RI);
        ASSERT_NE(rr, nullptr);
        ASSERT_NE(ri, nullptr);
        EXPECT_STREQ(rr->mnemonic, ri->mnemonic);
        EXPECT_STREQ(Mnemonic_of(inst_type), rr->mnemonic);
        EXPECT_NE(rr->constant, ri->constant);
    }
    EXPECT_EQ(Find_opcode(INST_IN, FMT_RR), nullptr);
    EXPECT_EQ(Find_opcode(INST_BRN, FMT_NA), nullptr);
    EXPECT_STREQ(Mnemonic_of(INST_OUT), "OUT");
    EXPECT_STREQ(Mnemonic_of(INST_SEC), "SEC");
    EXPECT_STREQ(Mnemonic_of(INST_BRCS), "BRCS");
    for (int unused : {0, 13, 27, 30, 38, 47, 57, 66, 75, 80}) {
        EXPECT_EQ(Mnemonic_of(unused), nullptr) << unused;
    }
}

}  // namespace
