// Start-up block: a load and a store per initialised byte, the branch when the code starts
// higher, framed by separators in front of the first instruction.
#include "listing/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datamem/datamem.h"
#include "diag/diag.h"
#include "driver/assembler.h"

namespace {

using Texts = std::vector<std::string>;

// Lists the lines at code address start (those not starting with '.' are instructions),
// inserts the block for the data memory image in front of the first instruction and returns
// one text per item: "--" for a separator, a start-up item's address and word before its text.
Texts insert_block(const Texts& lines, int start) {
    SrcList = Create_srcList();
    for (const std::string& line : lines)
        Add_to_srcList(SrcList, Create_srcItem(line.c_str(), 1, start,
                                               line[0] == '.' ? LINE_BLANK : LINE_INSTR_NA, nullptr,
                                               0, nullptr, 0, 0, 0));
    Insert_start_up_code(SrcList, data_mem_array, data_init_array,
                         Find_source_line_of_first_instruction(SrcList),
                         Find_cseg_addr_of_first_instruction(SrcList));
    Texts texts;
    const srcItem_t* last = nullptr;
    for (const srcItem_t* it = SrcList->head; it != nullptr; last = it, it = it->next) {
        texts.push_back(it->line_type == LINE_SEPARATOR ? "--"
                        : it->line_type == LINE_STARTUP
                            ? Format_message("%d %05X%s", it->instr_addr, it->instr_bits,
                                             std::string(it->src_line).c_str())
                            : std::string(it->src_line));
    }
    EXPECT_EQ(last, SrcList->tail);
    Reset_srclist();
    return texts;
}

std::string jump(const char* addr_and_word, const char* target) {
    return std::string(addr_and_word) + "             BRN     0x" + target +
           "        ; jump to start of .cseg in program mem ";
}

TEST(StartupTest, BlockStoresEachInitialisedByteAndBranchesWhenTheCodeStartsHigher) {
    Reset_all_state();
    EXPECT_EQ(insert_block({"nop", "ret"}, 0x10),
              (Texts{"--", jump("0 08080", "10"), "--", "nop", "ret"}));
    EXPECT_EQ(insert_block({"nop"}, 0x140)[1], jump("0 08A00", "140"));
    EXPECT_EQ(insert_block({}, 0), (Texts{"--", "--"}));

    data_init_array[0] = data_init_array[5] = DATA_INITIALIZED;
    data_init_array[3] = DATA_RESERVED;
    data_mem_array[0] = 0x12;
    data_mem_array[5] = 0xFF;
    const std::string mov12 = "0 36012             MOV     r0,0x12     ; write dseg data to reg";
    const std::string st00 = "1 3A000             ST      r0,0x00     ; place reg data in mem ";
    const std::string movff = "2 360FF             MOV     r0,0xFF     ; write dseg data to reg";
    const std::string st05 = "3 3A005             ST      r0,0x05     ; place reg data in mem ";
    EXPECT_EQ(insert_block({".cseg", "nop", ".db"}, 4),
              (Texts{".cseg", "--", mov12, st00, movff, st05, "--", "nop", ".db"}));
    EXPECT_EQ(insert_block({".cseg", "nop", ".db"}, 8),
              (Texts{".cseg", "--", mov12, st00, movff, st05, jump("4 08040", "08"), "--", "nop",
                     ".db"}));
}

}  // namespace
