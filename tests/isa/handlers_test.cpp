#include "isa/handlers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "diag/diag.h"
#include "driver/assembler.h"
#include "driver/files.h"
#include "driver/state.h"
#include "isa/opcodes.h"
#include "support/capture.h"

namespace {

const char* const kRegRange = "Register must be in range [0,31]";
const char* const kSegment = "Instructions must be specified in code segment";
const char* const kCodeRange = "Code segment range: [0,1023]";

class HandlersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Reset_all_state();
        consolefp = console_.get();
        errfp = log_.get();
        P2 = 1;
        rawLine = "loop:  add r1, r2 ; sum\n";
        currComment = "; sum";
        srcLineNum = 9;
        csegAddr = 0x20;
    }
    void TearDown() override {
        errfp = nullptr;
        Reset_all_state();
    }

    // Hands the line's item over to the test.
    static std::unique_ptr<srcItem_t> take_item() {
        std::unique_ptr<srcItem_t> item(tmpItem);
        tmpItem = nullptr;
        return item;
    }

    // Starts a fresh line in segment seg at code address addr.
    void start_line(int seg, int addr) {
        console_start_ = console_.text().size();
        errCnt = 0;
        Free_errMsg_buf();
        Reset_handlers();
        currSeg = seg;
        csegAddr = addr;
    }

    // Expects the console to hold exactly these messages, numbered from 1, on srcLineNum.
    void expect_messages(std::initializer_list<std::string> messages) const {
        std::string expected;
        int number = 1;
        for (const std::string& message : messages) {
            expected += Format_message("**ERROR #%2d:  line# (%04d) => ", number++, srcLineNum) +
                        message + " \n";
        }
        EXPECT_EQ(console_.text().substr(console_start_), expected);
        EXPECT_EQ(errCnt, static_cast<int>(messages.size()));
    }

    CapturedStream console_;
    CapturedStream log_;
    size_t console_start_ = 0;
};

TEST_F(HandlersTest, ValidInstructionBuildsItsItem) {
    RR_type_valid_instruction_handler(INST_ADD, 1, 2);
    const auto item = take_item();

    expect_messages({});
    EXPECT_EQ(currOpCode, "ADD");
    EXPECT_EQ(tmp_inst, 0x02110u);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->src_line, "loop:  add r1, r2 ; sum");
    EXPECT_EQ(item->src_line_num, 9);
    EXPECT_EQ(item->instr_addr, 0x20);
    EXPECT_EQ(item->line_type, LINE_INSTR_RR);
    EXPECT_EQ(item->opCode, "ADD");
    EXPECT_EQ(item->instr_bits, 0x02110u);
    EXPECT_EQ(item->comment, "; sum");
    EXPECT_EQ(item->instr_type, INST_ADD);
    EXPECT_EQ(item->arg1, 1);
    EXPECT_EQ(item->arg2, 2);
    EXPECT_TRUE(item->err_msg.empty());
}

TEST_F(HandlersTest, EachFormatGivesItsLineTypeWordAndOperands) {
    struct Case {
        void (*call)();
        LineType line_type;
        const char* mnemonic;
        unsigned int word;
        int arg1;
        int arg2;
    };
    // clang-format off
    const Case cases[] = {
        {[] { RI_type_instruction_handler(INST_MOV, 0, 0x55); },     LINE_INSTR_RI, "MOV",  0x36055, 0,    0x55},
        {[] { RI_type_instruction_handler(INST_ST, 4, 0x20); },      LINE_INSTR_RI, "ST",   0x3A420, 4,    0x20},
        {[] { RR_type_valid_instruction_handler(INST_LD, 4, 5); },   LINE_INSTR_RR, "LD",   0x0442A, 4,    5},
        {[] { R1_type_valid_instruction_handler(INST_LSL, 3); },     LINE_INSTR_R1, "LSL",  0x10300, 3,    0},
        {[] { IM_type_valid_instruction_handler(INST_BRN, 0x10); },  LINE_INSTR_IM, "BRN",  0x08080, 0x10, 0},
        {[] { IM_type_valid_instruction_handler(INST_CALL, 1023); }, LINE_INSTR_IM, "CALL", 0x09FF9, 1023, 0},
        {[] { NA_type_valid_instruction_handler(INST_RET); },        LINE_INSTR_NA, "RET",  0x18002, 0,    0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mnemonic);
        c.call();
        const auto item = take_item();
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->line_type, c.line_type);
        EXPECT_EQ(item->opCode, c.mnemonic);
        EXPECT_EQ(currOpCode, c.mnemonic);
        EXPECT_EQ(item->instr_bits, c.word);
        EXPECT_EQ(tmp_inst, c.word);
        EXPECT_EQ(item->arg1, c.arg1);
        EXPECT_EQ(item->arg2, c.arg2);
    }
    expect_messages({});
}

TEST_F(HandlersTest, FaultsAreReportedInOrderAndMarkTheLine) {
    const char* const first = "First register must be in range [0,31]";
    const char* const second = "Second register must be in range [0,31]";
    const char* const truncated = "Register value greate than 255 (truncation occurs)";
    struct Case {
        const char* name;
        int seg;
        int addr;
        bool taken;
        void (*call)();
        std::initializer_list<std::string> messages;
    };
    // clang-format off
    const Case cases[] = {
        // name               segment   addr  taken  handler call                                                 messages
        {"ADD r40, r33",      SEG_CODE, 0,    false, [] { RR_type_valid_instruction_handler(INST_ADD, 40, 33); }, {first, second}},
        {"ADD r1, r32",       SEG_CODE, 0,    false, [] { RR_type_valid_instruction_handler(INST_ADD, 1, 32); },  {second}},
        {"MOV r-1, r31",      SEG_CODE, 0,    false, [] { RR_type_valid_instruction_handler(INST_MOV, -1, 31); }, {first}},
        {"AND r0, r0",        SEG_CODE, 0,    false, [] { RR_type_valid_instruction_handler(INST_AND, 0, 0); },   {}},
        {"ADD r32, 1",        SEG_CODE, 0,    false, [] { RI_type_instruction_handler(INST_ADD, 32, 1); },        {kRegRange}},
        {"MOV r1, 0x1FF",     SEG_CODE, 0,    false, [] { RI_type_instruction_handler(INST_MOV, 1, 0x1FF); },     {truncated}},
        {"MOV r1, 255",       SEG_CODE, 0,    false, [] { RI_type_instruction_handler(INST_MOV, 1, 255); },       {}},
        {"PUSH r32",          SEG_CODE, 0,    false, [] { R1_type_valid_instruction_handler(INST_PUSH, 32); },    {kRegRange}},
        {"POP r-1",           SEG_CODE, 0,    false, [] { R1_type_valid_instruction_handler(INST_POP, -1); },     {kRegRange}},
        {"LSL r31",           SEG_CODE, 0,    false, [] { R1_type_valid_instruction_handler(INST_LSL, 31); },     {}},
        {"BRN 1024",          SEG_CODE, 0,    false, [] { IM_type_valid_instruction_handler(INST_BRN, 1024); },   {kCodeRange}},
        {"BRCC -1",           SEG_CODE, 0,    false, [] { IM_type_valid_instruction_handler(INST_BRCC, -1); },    {kCodeRange}},
        {"CALL 1023 at 1023", SEG_CODE, 1023, false, [] { IM_type_valid_instruction_handler(INST_CALL, 1023); },  {}},
        {"NOP in .DSEG",      SEG_DATA, 0,    false, [] { NA_type_valid_instruction_handler(INST_NOP); },         {kSegment}},
        {"RR at 1024",        SEG_CODE, 1024, false, [] { RR_type_valid_instruction_handler(INST_ADD, 1, 2); },   {kCodeRange}},
        {"RI at 1024",        SEG_CODE, 1024, false, [] { RI_type_instruction_handler(INST_ADD, 1, 2); },         {kCodeRange}},
        {"R1 at 1024",        SEG_CODE, 1024, false, [] { R1_type_valid_instruction_handler(INST_ROL, 1); },      {kCodeRange}},
        {"NA at 1024",        SEG_CODE, 1024, false, [] { NA_type_valid_instruction_handler(INST_CLI); },         {kCodeRange}},
        {"RI at taken 0x20",  SEG_DATA, 0x20, true,  [] { RI_type_instruction_handler(INST_ADD, 40, 300); },
         {kSegment, "Overlapping code at address 0x020", kRegRange, truncated}},
        {"BREQ 1024 at 1024", SEG_DATA, 1024, false, [] { IM_type_valid_instruction_handler(INST_BREQ, 1024); },
         {kSegment, kCodeRange, kCodeRange}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start_line(c.seg, c.addr);
        if (c.taken) Take_code_address(c.addr);
        c.call();
        const auto item = take_item();
        expect_messages(c.messages);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->line_type == LINE_ERROR, c.messages.size() != 0);
        EXPECT_EQ(item->instr_addr, c.addr);
        EXPECT_EQ(item->opCode, currOpCode);
        EXPECT_FALSE(currOpCode.empty());
    }
}

TEST_F(HandlersTest, ErrorItemsKeepTheWordBuiltFromTheOperands) {
    RR_type_valid_instruction_handler(INST_ADD, 40, 33);
    auto item = take_item();
    EXPECT_EQ(errMsg,
              "**ERROR # 1:  line# (0009) => First register must be in range [0,31] \n"
              "            **ERROR # 2:  line# (0009) => Second register must be in range [0,31] ");
    EXPECT_EQ(item->instr_bits, RR_inst_bit_define(40, 33, 0x02000));
    EXPECT_EQ(item->instr_type, INST_ADD);
    EXPECT_EQ(item->arg1, 40);
    EXPECT_EQ(item->arg2, 33);

    RI_type_instruction_handler(INST_MOV, 1, 0x1FF);
    item = take_item();
    EXPECT_EQ(item->arg2, 0xFF);
    EXPECT_EQ(item->instr_bits, 0x361FFu);
    EXPECT_EQ(tmp_inst, 0x361FFu);

    currSeg = SEG_DATA;
    NA_type_valid_instruction_handler(INST_NOP);
    item = take_item();
    EXPECT_EQ(item->opCode, "NOP");
    EXPECT_EQ(item->instr_bits, 0x18003u);
    EXPECT_EQ(item->instr_type, INST_NOP);
}

TEST_F(HandlersTest, AddressTakenByAnEarlierLineIsOverlapping) {
    csegAddr = 5;
    R1_type_valid_instruction_handler(INST_LSR, 1);
    EXPECT_EQ(take_item()->line_type, LINE_INSTR_R1);
    InstrLineAccounting();
    EXPECT_EQ(csegAddr, 6);

    csegAddr = 5;
    R1_type_valid_instruction_handler(INST_LSR, 1);
    EXPECT_EQ(take_item()->line_type, LINE_ERROR);
    expect_messages({"Overlapping code at address 0x005"});
    EXPECT_EQ(log_.text(),
              "ERROR # 1:  line# (0010): Overlapping code at address 0x005    \n"
              "                  \"loop:  add r1, r2 ; sum\"\n\n");

    Take_code_address(-1);
    Take_code_address(1024);
    Take_code_address(1023);
    EXPECT_TRUE(codeAddrTaken[1023]);
    Reset_handlers();
    EXPECT_FALSE(codeAddrTaken[1023]);
    R1_type_valid_instruction_handler(INST_LSR, 1);
    EXPECT_EQ(take_item()->line_type, LINE_INSTR_R1);
    EXPECT_EQ(errCnt, 1);
}

TEST_F(HandlersTest, BadInstructionPrefixesTheMnemonic) {
    Bad_instruction_handler("instruction requires immediate value as second operand!", INST_IN);
    const auto item = take_item();

    expect_messages({"IN instruction requires immediate value as second operand!"});
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->line_type, LINE_ERROR);
    EXPECT_EQ(item->src_line, "loop:  add r1, r2 ; sum");
    EXPECT_EQ(item->src_line_num, 9);
    EXPECT_EQ(item->instr_addr, 0x20);
    EXPECT_EQ(item->opCode, "");
    EXPECT_EQ(item->instr_bits, 0u);
    EXPECT_EQ(item->comment, "; sum");
    EXPECT_EQ(item->instr_type, 0);

    Bad_instruction_handler("label \"%s%n\" has not been defined!", INST_RETIE);
    take_item();
    EXPECT_EQ(errCnt, 2);
    EXPECT_NE(console_.text().find("RETIE label \"%s%n\" has not been defined! \n"),
              std::string::npos);

    P2 = 0;
    Bad_instruction_handler("instruction has no operands!", INST_NOP);
    EXPECT_EQ(take_item()->line_type, LINE_ERROR);
    EXPECT_EQ(errCnt, 2);
}

}  // namespace
