// Encoders: fields are shifted, never masked, so an out-of-range one spills into its neighbour.
#include "isa/opcodes.h"

#include <gtest/gtest.h>

TEST(OpcodesTest, OutOfRangeFieldsSpillIntoNeighbouringBits) {
    // Register 32 sets the lowest major-opcode bit, value 256 the lowest register bit.
    EXPECT_EQ(R1_inst_bit_define(32, 0x10000), 0x12000u);
    EXPECT_EQ(RI_inst_bit_define(0, 0x100, 0x36000), 0x36100u);
}
