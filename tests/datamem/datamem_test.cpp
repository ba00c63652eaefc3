// Data memory image: the last directive over a byte decides its state, and only initialised
// bytes count.
#include "datamem/datamem.h"

#include <gtest/gtest.h>

#include "driver/assembler.h"

TEST(DatamemTest, LastDirectiveOverAByteWins) {
    Reset_all_state();
    const unsigned char values[] = {5, 6, 7, 8};
    Reserve_memory_with_init(data_mem_array, 0, values, 4);
    Reserve_memory_without_init(data_mem_array, 1, 2);
    Reserve_memory_with_init(data_mem_array, 2, values + 3, 1);
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 3);
    EXPECT_EQ(data_init_array[1], DATA_RESERVED);
    EXPECT_EQ(data_mem_array[2], 8);

    // Blocks stop at the end of data memory.
    Reserve_memory_with_init(data_mem_array, 254, values, 4);
    Reserve_memory_without_init(data_mem_array, 255, 100);
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 4);
    EXPECT_EQ(data_mem_array[254], 5);
}
