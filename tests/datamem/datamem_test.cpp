#include "datamem/datamem.h"

#include <gtest/gtest.h>

#include "driver/assembler.h"

namespace {

class DatamemTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset_all_state(); }
    void TearDown() override { Reset_all_state(); }

    // Collects values as the .DB value rule does.
    static void collect(std::initializer_list<int> values) {
        for (int value : values) data_list_array[dlist_indx++] = static_cast<unsigned char>(value);
    }
};

TEST_F(DatamemTest, InitialisedBlockHoldsItsValuesInOrder) {
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 0);
    collect({1, 2, 0x1FF});
    Reserve_memory_with_init(data_mem_array, 0x10, data_list_array, dlist_indx);

    EXPECT_EQ(How_many_mem_locs_need_initializing(), 3);
    EXPECT_EQ(data_init_array[0x0F], DATA_UNDEFINED);
    EXPECT_EQ(data_init_array[0x10], DATA_INITIALIZED);
    EXPECT_EQ(data_init_array[0x12], DATA_INITIALIZED);
    EXPECT_EQ(data_init_array[0x13], DATA_UNDEFINED);
    EXPECT_EQ(data_mem_array[0x10], 1);
    EXPECT_EQ(data_mem_array[0x11], 2);
    EXPECT_EQ(data_mem_array[0x12], 0xFF);
}

TEST_F(DatamemTest, ReservedBytesAreNotCountedAndKeepTheirValues) {
    data_mem_array[2] = 0x77;
    Reserve_memory_without_init(data_mem_array, 0, 4);
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 0);
    EXPECT_EQ(data_init_array[0], DATA_RESERVED);
    EXPECT_EQ(data_init_array[3], DATA_RESERVED);
    EXPECT_EQ(data_init_array[4], DATA_UNDEFINED);
    EXPECT_EQ(data_mem_array[2], 0x77);
}

TEST_F(DatamemTest, LastDirectiveOverAByteWins) {
    collect({5, 6, 7, 8});
    Reserve_memory_with_init(data_mem_array, 0, data_list_array, dlist_indx);
    Reserve_memory_without_init(data_mem_array, 1, 2);
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 2);
    EXPECT_EQ(data_init_array[1], DATA_RESERVED);
    EXPECT_EQ(data_mem_array[1], 6);

    dlist_indx = 0;
    collect({9});
    Reserve_memory_with_init(data_mem_array, 2, data_list_array, dlist_indx);
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 3);
    EXPECT_EQ(data_init_array[2], DATA_INITIALIZED);
    EXPECT_EQ(data_mem_array[2], 9);
}

TEST_F(DatamemTest, BlocksStopAtTheEndOfDataMemory) {
    collect({1, 2, 3});
    Reserve_memory_with_init(data_mem_array, 254, data_list_array, dlist_indx);
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 2);
    EXPECT_EQ(data_mem_array[255], 2);

    Reserve_memory_without_init(data_mem_array, 250, 100);
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 0);
    EXPECT_EQ(data_init_array[250], DATA_RESERVED);
    EXPECT_EQ(data_init_array[249], DATA_UNDEFINED);

    Reserve_memory_with_init(data_mem_array, -2, data_list_array, dlist_indx);
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 1);
    EXPECT_EQ(data_mem_array[0], 3);

    Reserve_memory_without_init(data_mem_array, 0x7FFFFFFF, 5);
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 1);
}

}  // namespace
