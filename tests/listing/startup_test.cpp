#include "listing/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datamem/datamem.h"
#include "diag/diag.h"
#include "driver/assembler.h"

namespace {

using Texts = std::vector<std::string>;

const char* const kSep = "-- separator --";

class StartupTest : public ::testing::Test {
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

    void add_line(const char* text, int line_type = LINE_BLANK, int addr = -1) {
        Add_to_srcList(list_,
                       Create_srcItem(text, 1, addr, line_type, nullptr, 0, nullptr, 0, 0, 0));
    }

    void initialise(int addr, unsigned char value) {
        init_[addr] = DATA_INITIALIZED;
        mem_[addr] = value;
    }

    void insert_block() {
        Insert_start_up_code(list_, mem_, init_, Find_source_line_of_first_instruction(list_),
                             Find_cseg_addr_of_first_instruction(list_));
    }

    // One line per item from head to tail: start-up items show kind, address, word, mnemonic,
    // code, data value and text; other items their text. Checks the fields that every
    // inserted item shares and that the walk ends at tail.
    Texts walk() const {
        Texts lines;
        const srcItem_t* last = nullptr;
        for (const srcItem_t* it = list_->head; it != nullptr; it = it->next) {
            last = it;
            if (it->line_type == LINE_SEPARATOR) {
                EXPECT_TRUE(it->src_line.empty());
                EXPECT_TRUE(it->opCode.empty());
                EXPECT_EQ(it->instr_addr, 0);
                EXPECT_EQ(it->instr_bits, 0u);
                EXPECT_EQ(it->instr_type, 0);
                EXPECT_EQ(it->arg1, 0);
                lines.push_back(kSep);
            } else if (it->line_type == LINE_STARTUP) {
                lines.push_back(Format_message("%d %d %05X %s %d %d|%s", it->line_type,
                                               it->instr_addr, it->instr_bits, it->opCode.c_str(),
                                               it->instr_type, it->arg1, it->src_line.c_str()));
            } else {
                lines.push_back(it->src_line);
                continue;
            }
            EXPECT_EQ(it->src_line_num, 0);
            EXPECT_TRUE(it->comment.empty());
            EXPECT_EQ(it->has_lab, 0);
            EXPECT_EQ(it->arg2, 0);
            EXPECT_TRUE(it->err_msg.empty());
        }
        EXPECT_EQ(last, list_->tail);
        return lines;
    }

    srcList_t* list_ = nullptr;
    unsigned char mem_[kDataBytes] = {};
    unsigned char init_[kDataBytes] = {};
};

TEST_F(StartupTest, PairsForEachInitialisedByteInFrontOfTheFirstInstruction) {
    add_line(".dseg", LINE_SEGMENT);
    add_line("v: .db 0x12", LINE_DB, 0);
    add_line(".cseg", LINE_SEGMENT);
    add_line(".org 4", LINE_ORG, 4);
    add_line("start: nop", LINE_INSTR_NA, 4);
    add_line("w: .db 0xFF", LINE_DB, 5);
    initialise(0x00, 0x12);
    initialise(0x05, 0xFF);
    init_[0x03] = DATA_RESERVED;
    mem_[0x03] = 0x33;
    insert_block();

    EXPECT_EQ(
        walk(),
        (Texts{".dseg", "v: .db 0x12", ".cseg", ".org 4", kSep,
               "14 0 36012 MOV 10 18|             MOV     r0,0x12     ; write dseg data to reg",
               "14 1 3A000 ST 12 0|             ST      r0,0x00     ; place reg data in mem ",
               "14 2 360FF MOV 10 255|             MOV     r0,0xFF     ; write dseg data to reg",
               "14 3 3A005 ST 12 5|             ST      r0,0x05     ; place reg data in mem ", kSep,
               "start: nop", "w: .db 0xFF"}));
}

TEST_F(StartupTest, BranchWhenTheCodeStartsAboveTheStores) {
    add_line("start: nop", LINE_INSTR_NA, 8);
    initialise(0x00, 0x12);
    initialise(0x05, 0xFF);
    insert_block();

    const Texts lines = walk();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[5],
              "14 4 08040 BRN 32 8|             BRN     0x08        ; jump to start of .cseg in "
              "program mem ");
    EXPECT_EQ(lines[6], kSep);

    std::vector<unsigned int> image(kProgWords, 0);
    Get_srcItem_instr_bits(list_, image.data());
    EXPECT_EQ(image[4], 0x08040u);
    EXPECT_EQ(image[5], 0u);
    EXPECT_EQ(image[7], 0u);
}

TEST_F(StartupTest, BranchAloneWithoutData) {
    add_line("; program", LINE_BLANK);
    add_line("nop", LINE_INSTR_NA, 0x10);
    insert_block();
    EXPECT_EQ(walk(), (Texts{"; program", kSep,
                             "14 0 08080 BRN 32 16|             BRN     0x10        ; jump to "
                             "start of .cseg in program mem ",
                             kSep, "nop"}));

    Delete_srcList(list_);
    add_line("nop", LINE_INSTR_NA, 0x140);
    insert_block();
    EXPECT_EQ(walk()[1],
              "14 0 08A00 BRN 32 320|             BRN     0x140        ; jump to start of .cseg "
              "in program mem ");
}

TEST_F(StartupTest, FirstInstructionAtTheHead) {
    add_line("nop", LINE_INSTR_NA, 2);
    add_line("ret", LINE_INSTR_NA, 3);
    initialise(0x80, 7);
    insert_block();

    EXPECT_EQ(
        walk(),
        (Texts{kSep,
               "14 0 36007 MOV 10 7|             MOV     r0,0x07     ; write dseg data to reg",
               "14 1 3A080 ST 12 128|             ST      r0,0x80     ; place reg "
               "data in mem ",
               kSep, "nop", "ret"}));
    EXPECT_EQ(list_->tail->src_line, "ret");
}

TEST_F(StartupTest, ListWithoutInstructionGetsTheBlockAtItsHead) {
    initialise(1, 0xAB);
    insert_block();
    EXPECT_EQ(walk().size(), 4u);
    EXPECT_EQ(list_->tail->line_type, LINE_SEPARATOR);

    Delete_srcList(list_);
    add_line(".dseg", LINE_SEGMENT);
    add_line(".db 0xAB", LINE_DB, 1);
    insert_block();
    const Texts lines = walk();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], kSep);
    EXPECT_EQ(lines[3], kSep);
    EXPECT_EQ(lines[4], ".dseg");
    EXPECT_EQ(list_->tail->src_line, ".db 0xAB");
}

TEST_F(StartupTest, BlockLandsWhereItemByItemInsertionWouldPutIt) {
    const Texts original = {"a", "b", "c", "d"};
    for (int count = 0; count <= 4; count++) {
        SCOPED_TRACE(count);
        Delete_srcList(list_);
        for (const std::string& text : original) add_line(text.c_str());
        Insert_start_up_code(list_, mem_, init_, count, 1);

        Texts expected(original.begin(), original.begin() + count);
        expected.push_back(kSep);
        expected.push_back(
            "14 0 08008 BRN 32 1|             BRN     0x01        ; jump to start of .cseg in "
            "program mem ");
        expected.push_back(kSep);
        expected.insert(expected.end(), original.begin() + count, original.end());
        EXPECT_EQ(walk(), expected);
    }
}

TEST_F(StartupTest, EveryByteInitialised) {
    for (int addr = 0; addr < kDataBytes; addr++) {
        initialise(addr, static_cast<unsigned char>(kDataBytes - 1 - addr));
    }
    add_line("nop", LINE_INSTR_NA, 0x300);
    insert_block();

    const Texts lines = walk();
    ASSERT_EQ(lines.size(), 2u + 512u + 1u + 1u);
    EXPECT_EQ(lines[1].substr(0, 22), "14 0 360FF MOV 10 255|");
    EXPECT_EQ(lines[512].substr(0, 22), "14 511 3A0FF ST 12 255");
    EXPECT_EQ(lines[513].substr(0, 20), "14 512 09800 BRN 32 ");
    EXPECT_EQ(lines.back(), "nop");
}

}  // namespace
