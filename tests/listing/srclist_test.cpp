// Source item list: linking items at a position, the first-instruction lookups and the image.
#include "listing/srclist.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/assembler.h"

namespace {

srcItem_t* item(const char* text, int line_type = LINE_BLANK, int addr = 0, unsigned int bits = 0) {
    return Create_srcItem(text, 1, addr, line_type, nullptr, bits, nullptr, 0, 0, 0);
}

// The texts of SrcList's items from head on, checking that the walk ends at tail.
std::string walk() {
    std::string texts;
    const srcItem_t* last = nullptr;
    for (const srcItem_t* it = SrcList->head; it != nullptr; last = it, it = it->next)
        texts += it->src_line;
    EXPECT_EQ(last, SrcList->tail);
    return texts;
}

TEST(SrclistTest, InsertionMakesTheItemThatPosition) {
    Reset_all_state();
    SrcList = Create_srcList();
    // clang-format off
    const struct { int position; const char* text; const char* after; } steps[] = {
        {0, "B", "B"}, {0, "A", "AB"}, {1, "x", "AxB"}, {2, "y", "AxyB"}, {4, "t", "AxyBt"}};
    // clang-format on
    for (const auto& step : steps) {
        Insert_src_item_into_srclist(SrcList, step.position, item(step.text));
        EXPECT_EQ(walk(), step.after);
    }
    Reset_all_state();
}

// A comment that ends the line shares the line's copy; any other is copied on its own.
TEST(SrclistTest, ItemsKeepTheirTextsWithoutTheLineEnd) {
    Reset_all_state();
    // clang-format off
    const struct { const char* line; const char* comment; const char* kept_line; } rows[] = {
        {"ADD R1,R2 ; sum\n", "; sum",   "ADD R1,R2 ; sum"},
        {"NOP ;x\r\n",        ";x\r",    "NOP ;x\r"},
        {"NOP\n",             "; other", "NOP"},
        {"; sum",             "; sum",   "; sum"},
    };
    // clang-format on
    for (const auto& row : rows) {
        srcItem_t* it = Create_srcItem(row.line, 1, 0, LINE_BLANK, "MOV", 0, row.comment, 0, 0, 0);
        EXPECT_EQ(it->src_line, row.kept_line);
        EXPECT_EQ(it->comment, row.comment);
        EXPECT_EQ(it->opCode, "MOV");
        Delete_srcItem(it);
    }
}

TEST(SrclistTest, FirstInstructionAndImageSkipOtherItems) {
    Reset_all_state();
    SrcList = Create_srcList();
    Add_to_srcList(SrcList, item("org", LINE_ORG, 0x20));
    EXPECT_EQ(Find_cseg_addr_of_first_instruction(SrcList), 0);
    EXPECT_EQ(Find_source_line_of_first_instruction(SrcList), 0);

    // An error and a label, then instructions: the first at 1, two at 6 (the later one wins in
    // the image), two outside program memory and one at the top; a start-up item last.
    // clang-format off
    const struct { int line_type, addr; unsigned int bits; } rows[] = {
        {LINE_ERROR, 2, 0x11111},    {LINE_LABEL, 3, 0x22222},    {LINE_INSTR_RR, 1, 0x02110},
        {LINE_INSTR_RI, 6, 0x36012}, {LINE_INSTR_NA, 6, 0x18002}, {LINE_INSTR_R1, -1, 0x10300},
        {LINE_INSTR_R1, kProgWords, 0x10300}, {LINE_INSTR_IM, kMaxCodeAddr, 0x08080}, {LINE_STARTUP, 0, 0x3A000}};
    // clang-format on
    for (const auto& row : rows)
        Add_to_srcList(SrcList, item("", row.line_type, row.addr, row.bits));
    EXPECT_EQ(Find_cseg_addr_of_first_instruction(SrcList), 1);
    EXPECT_EQ(Find_source_line_of_first_instruction(SrcList), 3);

    std::vector<unsigned int> image(kProgWords + 1, 0xDEAD);
    Get_srcItem_instr_bits(SrcList, image.data());
    EXPECT_EQ(image[0], 0x3A000u);
    EXPECT_EQ(image[1], 0x02110u);
    EXPECT_EQ(image[6], 0x18002u);
    EXPECT_EQ(image[kMaxCodeAddr], 0x08080u);
    for (int addr : {2, 3, 1022, kProgWords}) EXPECT_EQ(image[addr], 0xDEADu) << addr;

    Reset_all_state();
}

}  // namespace
