// Directives: segments, origins, constants, register names and data blocks, with their
// items, symbols, data image and messages.
#include "datamem/datamem.h"
#include "grammar/assemble.h"

namespace {

TEST_F(GrammarTest, DataBlocksFollowEachOtherAndTheirLabelsNameTheirStart) {
    const auto items =
        assemble(".DSEG\n.ORG 0x10\nX: .BYTE 2\nA: .DB 1,2,0x1FF\n.DB 4\nB: .BYTE 1\n");
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(errCnt, 0);
    EXPECT_EQ(sym("X").val, 0x10);
    EXPECT_EQ(sym("A").val, 0x12);
    EXPECT_EQ(sym("A").type, SYM_DB);
    EXPECT_EQ(sym("B").val, 0x16);
    EXPECT_EQ(items[2]->instr_bits, 2u);
    EXPECT_EQ(items[2]->has_lab, 1);
    EXPECT_EQ(items[4]->arg1, 0x15);
    EXPECT_EQ(items[4]->has_lab, 0);
    const unsigned char values[] = {1, 2, 0xFF, 4};
    for (int i = 0; i < 4; i++) EXPECT_EQ(data_mem_array[0x12 + i], values[i]);
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 4);
    EXPECT_EQ(data_init_array[0x16], DATA_RESERVED);
}

TEST_F(GrammarTest, BlocksStopAtTheEndOfDataMemory) {
    const auto items = assemble(
        ".DSEG\n.ORG 250\n.BYTE 6\n.ORG 250\n.BYTE 7\nL: .BYTE 1\n.ORG 255\n.DB 7\n.ORG 255\n"
        ".DB 7,8\nM: .DB 9\n.ORG 10\n.BYTE 2147483647\nN: .BYTE 1\n");
    ASSERT_EQ(items.size(), 14u);
    // .BYTE is checked against the end in the first pass, .DB in the second.
    EXPECT_EQ(console_count(".BYTE directive attempt to exceed data segment size of: 256"), 2u);
    EXPECT_EQ(items[4]->err_msg, "");
    EXPECT_TRUE(has_message(items[9], ".DB directive attempt to exceed data segment size of: 256"));
    EXPECT_EQ(errCnt, 3);
    EXPECT_EQ(sym("L").val, 250);
    EXPECT_EQ(sym("M").val, 255);
    EXPECT_EQ(sym("N").val, 10);
    EXPECT_EQ(data_mem_array[255], 9);
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 1);
}

TEST_F(GrammarTest, SegmentsKeepTheirAddressesAndBlocksWorkInEither) {
    const auto items =
        assemble(".BYTE 4\nNOP\n.CSEG 5\n.DSEG 5\nNOP\n.DSEG\nZ: .BYTE 0\n.CSEG\n.DB 1\nNOP\n");
    ASSERT_EQ(items.size(), 10u);
    EXPECT_TRUE(has_message(items[0], ".BYTE directive only valid in data segment"));
    EXPECT_EQ(items[2]->line_type, LINE_ERROR);
    EXPECT_TRUE(has_message(items[2], "CSEG directive must not have arguments!"));
    EXPECT_TRUE(has_message(items[3], "CSEG directive must not have arguments!"));
    EXPECT_EQ(items[4]->line_type, LINE_INSTR_NA);  // still in the code segment
    EXPECT_TRUE(has_message(items[6], ".BYTE directive must specify non-zero value)"));
    EXPECT_EQ(sym("Z").val, 4);
    EXPECT_TRUE(has_message(items[8], ".DB directive only valid in data segment"));
    EXPECT_EQ(items[9]->instr_addr, 2);
    EXPECT_EQ(errCnt, 5);
    EXPECT_EQ(data_init_array[3], DATA_RESERVED);
    EXPECT_EQ(data_init_array[4], DATA_INITIALIZED);
}

TEST_F(GrammarTest, OrgOutOfRangeRestartsTheSegmentInBothPasses) {
    const auto items =
        assemble(".ORG 1024\nFIRST: NOP\n.ORG 1023\nLAST: NOP\n.DSEG\n.ORG 256\nD: .BYTE 1\n");
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(console_count("Code segment range: [0,1023]"), 2u);
    EXPECT_EQ(console_count("Data segment range: [0,255]"), 2u);
    EXPECT_EQ(errCnt, 4);
    EXPECT_EQ(items[0]->instr_addr, 1024);
    EXPECT_EQ(sym("FIRST").val, 0);
    EXPECT_EQ(sym("LAST").val, 1023);
    EXPECT_EQ(sym("D").val, 0);
}

TEST_F(GrammarTest, EquAndDefKeepOutOfRangeValues) {
    const auto items =
        assemble(".EQU MAX = 1024\n.EQU BIG = 1025\n.DEF R_TMP = R32\n.EQU MAX = 5\nPUSH R_TMP\n");
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(sym("MAX").val, 1024);
    EXPECT_EQ(sym("BIG").val, 1025);
    EXPECT_EQ(sym("R_TMP").val, 32);
    EXPECT_EQ(items[0]->has_lab, 1);
    EXPECT_EQ(items[0]->err_msg, "");
    EXPECT_TRUE(has_message(items[1], ".EQU value must be in range: [0,1024]"));
    EXPECT_EQ(items[2]->instr_addr, 32);
    EXPECT_TRUE(has_message(items[2], "Register must be in range [0,31]"));
    EXPECT_EQ(console_count("Multiple definitions for label: MAX"), 1u);
    EXPECT_TRUE(has_message(items[4], "Register must be in range [0,31]"));
    EXPECT_EQ(errCnt, 4);
}

TEST_F(GrammarTest, DbValuesOfABrokenLineDoNotCarryOver) {
    const auto items = assemble(".DSEG\n.DB 1,2,\n.DB 5\n.DB 1,X\nL: .DB 6\nM: .DB 7\n");
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[1]->err_msg, "syntax error");
    EXPECT_EQ(items[1]->instr_bits, 1u);
    EXPECT_EQ(sym("L").val, 1);
    EXPECT_EQ(sym("M").val, 2);
    EXPECT_EQ(items[4]->arg1, 2);
    EXPECT_EQ(data_mem_array[0], 5);
    EXPECT_EQ(How_many_mem_locs_need_initializing(), 3);
}

}  // namespace
