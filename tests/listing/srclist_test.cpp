#include "listing/srclist.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diag/diag.h"
#include "driver/assembler.h"
#include "support/capture.h"

namespace {

srcItem_t* item(const char* text, int line_type = LINE_BLANK, int addr = -1,
                unsigned int bits = 0) {
    return Create_srcItem(text, 1, addr, line_type, nullptr, bits, nullptr, 0, 0, 0);
}

class SrclistTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Reset_all_state();
        list_ = Create_srcList();
    }
    void TearDown() override {
        Delete_srcList(list_);
        delete list_;
        Reset_all_state();
    }

    // The texts of the items from head to the end, checking that the walk ends at tail.
    std::vector<std::string> walk() const {
        std::vector<std::string> texts;
        const srcItem_t* last = nullptr;
        for (const srcItem_t* it = Get_srcList_head(list_); it != nullptr;
             it = Get_srcItem_next(it)) {
            texts.push_back(it->src_line);
            last = it;
        }
        EXPECT_EQ(last, Get_srcList_tail(list_));
        return texts;
    }

    srcList_t* list_ = nullptr;
};

using Texts = std::vector<std::string>;

TEST_F(SrclistTest, ItemKeepsCopiesAndDropsOnlyTheFinalNewline) {
    std::string line = "  nop ; x \r\n";
    std::string comment = "; x";
    srcItem_t* made = Create_srcItem(line.c_str(), 7, 3, LINE_INSTR_NA, "NOP", 0x18003,
                                     comment.c_str(), 67, 0x12345, -1);
    line[2] = 'N';
    comment.clear();
    EXPECT_EQ(made->src_line, "  nop ; x \r");
    EXPECT_EQ(made->comment, "; x");
    EXPECT_EQ(made->opCode, "NOP");
    EXPECT_EQ(made->arg1, 0x2345);
    EXPECT_EQ(made->arg2, 0xFFFF);
    EXPECT_EQ(made->has_lab, 0);
    Set_srcItem_has_lab(made);
    EXPECT_EQ(Get_srcItem_has_lab(made), 1);

    Add_srcItem_err_msg(made, "first");
    Add_srcItem_err_msg(made, nullptr);
    EXPECT_EQ(made->err_msg, "first");
    Delete_srcItem(made);

    srcItem_t* empty = Create_srcItem("", 0, 0, 0, nullptr, 0, nullptr, 0, 0, 0);
    EXPECT_EQ(empty->src_line, "");
    Delete_srcItem(empty);
}

TEST_F(SrclistTest, AppendKeepsOrderAndTail) {
    Add_to_srcList(list_, item("A"));
    EXPECT_EQ(Get_srcList_head(list_), Get_srcList_tail(list_));
    Add_to_srcList(list_, item("B"));
    Add_to_srcList(list_, item("C"));
    EXPECT_EQ(walk(), (Texts{"A", "B", "C"}));
}

TEST_F(SrclistTest, InsertionPutsTheItemAtTheGivenPosition) {
    Add_to_srcList(list_, item("A"));
    Add_to_srcList(list_, item("B"));

    Insert_src_item_into_srclist(list_, 1, item("x"));
    EXPECT_EQ(walk(), (Texts{"A", "x", "B"}));
    Insert_src_item_into_srclist(list_, 2, item("y"));
    EXPECT_EQ(walk(), (Texts{"A", "x", "y", "B"}));
    Insert_src_item_into_srclist(list_, 0, item("h"));
    EXPECT_EQ(walk(), (Texts{"h", "A", "x", "y", "B"}));
    EXPECT_EQ(Get_srcList_tail(list_)->src_line, "B");
    Insert_src_item_into_srclist(list_, 5, item("t"));
    EXPECT_EQ(walk(), (Texts{"h", "A", "x", "y", "B", "t"}));
    EXPECT_EQ(Get_srcList_tail(list_)->src_line, "t");
    Add_to_srcList(list_, item("u"));
    EXPECT_EQ(walk(), (Texts{"h", "A", "x", "y", "B", "t", "u"}));
}

TEST_F(SrclistTest, InsertionIntoAnEmptyListSetsBothEnds) {
    Insert_src_item_into_srclist(list_, 0, item("only"));
    EXPECT_EQ(walk(), (Texts{"only"}));
    Insert_src_item_into_srclist(list_, 1, item("next"));
    EXPECT_EQ(walk(), (Texts{"only", "next"}));
}

TEST_F(SrclistTest, FirstInstructionLookups) {
    EXPECT_EQ(Find_cseg_addr_of_first_instruction(list_), 0);
    EXPECT_EQ(Find_source_line_of_first_instruction(list_), 0);

    Add_to_srcList(list_, item("label", LINE_LABEL, 0x20));
    Add_to_srcList(list_, item("bad", LINE_ERROR, 0x20));
    Add_to_srcList(list_, item("org", LINE_ORG, 0x20));
    EXPECT_EQ(Find_cseg_addr_of_first_instruction(list_), 0);
    EXPECT_EQ(Find_source_line_of_first_instruction(list_), 0);
    EXPECT_EQ(Get_number_of_instructions(list_), 0);

    Add_to_srcList(list_, item("first", LINE_INSTR_NA, 0x21));
    Add_to_srcList(list_, item("second", LINE_INSTR_RR, 0x22));
    Add_to_srcList(list_, item("stup", LINE_STARTUP, 0));
    EXPECT_EQ(Find_cseg_addr_of_first_instruction(list_), 0x21);
    EXPECT_EQ(Find_source_line_of_first_instruction(list_), 3);
    EXPECT_EQ(Get_number_of_instructions(list_), 2);

    Add_to_instruction_addresses(list_, 4);
    EXPECT_EQ(Find_cseg_addr_of_first_instruction(list_), 0x25);
    EXPECT_EQ(Get_srcList_tail(list_)->instr_addr, 0);
}

TEST_F(SrclistTest, ImageTakesInstructionAndStartupWordsOnly) {
    Add_to_srcList(list_, item("stup", LINE_STARTUP, 0, 0x36012));
    Add_to_srcList(list_, item("rr", LINE_INSTR_RR, 1, 0x02110));
    Add_to_srcList(list_, item("err", LINE_ERROR, 2, 0x11111));
    Add_to_srcList(list_, item("label", LINE_LABEL, 3, 0x22222));
    Add_to_srcList(list_, item("byte", LINE_BYTE, 4, 0x00004));
    Add_to_srcList(list_, item("equ", LINE_EQU, 5, 0x33333));
    Add_to_srcList(list_, item("na", LINE_INSTR_NA, 6, 0x18003));
    Add_to_srcList(list_, item("again", LINE_INSTR_NA, 6, 0x18002));
    Add_to_srcList(list_, item("low", LINE_INSTR_IM, -1, 0x08000));
    Add_to_srcList(list_, item("high", LINE_INSTR_IM, kProgWords, 0x08000));
    Add_to_srcList(list_, item("top", LINE_INSTR_R1, kMaxCodeAddr, 0x10300));

    std::vector<unsigned int> image(kProgWords + 1, 0xDEAD);
    Get_srcItem_instr_bits(list_, image.data());
    EXPECT_EQ(image[0], 0x36012u);
    EXPECT_EQ(image[1], 0x02110u);
    for (int addr : {2, 3, 4, 5, 7, 1022}) EXPECT_EQ(image[addr], 0xDEADu) << addr;
    EXPECT_EQ(image[6], 0x18002u);
    EXPECT_EQ(image[kMaxCodeAddr], 0x10300u);
    EXPECT_EQ(image[kProgWords], 0xDEADu);
}

TEST_F(SrclistTest, DeletingAbsentThingsIsReported) {
    CapturedStream console;
    consolefp = console.get();
    Delete_srcItem(nullptr);
    Delete_srcList(nullptr);
    EXPECT_EQ(console.text(),
              "Attempted to delete NULL srcItem_tAttempted to delete NULL srcList_t");
    consolefp = stderr;

    Add_to_srcList(list_, item("A"));
    Delete_srcList(list_);
    EXPECT_EQ(Get_srcList_head(list_), nullptr);
    Add_to_srcList(list_, item("B"));
    EXPECT_EQ(walk(), (Texts{"B"}));
}

}  // namespace
