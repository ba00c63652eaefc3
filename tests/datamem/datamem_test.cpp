// Data memory image: the last directive over a byte decides its state, and only initialised
// bytes count.
#include <gtest/gtest.h>

#include "datamem/data_memory.h"

TEST(DataMemoryTest, LastDirectiveOverAByteWins) {
    DataMemory data;
    const uint8_t values[] = {5, 6, 7, 8};
    data.initialise(0, values, 4);
    data.reserve(1, 2);
    data.initialise(2, values + 3, 1);
    EXPECT_EQ(data.initialised_count(), 3);
    EXPECT_EQ(data.state(1), DATA_RESERVED);
    EXPECT_EQ(data.value(2), 8);

    // Blocks stop at the end of data memory.
    data.initialise(254, values, 4);
    data.reserve(255, 100);
    EXPECT_EQ(data.initialised_count(), 4);
    EXPECT_EQ(data.value(254), 5);
}
