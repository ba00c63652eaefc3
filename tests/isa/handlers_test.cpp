// Instruction handlers: the word and item of each format, every fault in the order reported,
// and the handler of rejected forms.
#include "isa/handlers.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "diag/diag.h"
#include "driver/assembler.h"
#include "driver/state.h"
#include "isa/opcodes.h"
#include "listing/srclist.h"
#include "support/capture.h"

namespace {

const char* const kCut = "Register value greate than 255 (truncation occurs)";
const char* const kSegment = "Instructions must be specified in code segment";
const char* const kRange = "Code segment range: [0,1023]";

struct Line {
    const char* name;
    int seg, addr, line_type;
    void (*handler)();
    const char* mnemonic;
    unsigned int word;
    std::initializer_list<const char*> messages;
};

TEST(HandlersTest, EachLineGetsItsWordItemAndMessagesInOrder) {
    // Address 0x20 is taken by an earlier line in every case.
    // clang-format off
    const Line lines[] = {
        // line                   segment   addr  line type      handler call                                                             mnemonic word        messages
        {"add r1, r2",            SEG_CODE, 0x21, LINE_INSTR_RR, [] { RR_type_valid_instruction_handler(INST_ADD, 1, 2); },               "ADD",  0x02110,    {}},
        {"and r0, r0",            SEG_CODE, 0,    LINE_INSTR_RR, [] { RR_type_valid_instruction_handler(INST_AND, 0, 0); },               "AND",  0,          {}},
        {"ld r4, (r5)",           SEG_CODE, 0,    LINE_INSTR_RR, [] { RR_type_valid_instruction_handler(INST_LD, 4, 5); },                "LD",   0x0442A,    {}},
        {"mov r0, 0x55",          SEG_CODE, 0,    LINE_INSTR_RI, [] { RI_type_instruction_handler(INST_MOV, 0, 0x55); },                  "MOV",  0x36055,    {}},
        {"st r4, 0x20",           SEG_CODE, 0,    LINE_INSTR_RI, [] { RI_type_instruction_handler(INST_ST, 4, 0x20); },                   "ST",   0x3A420,    {}},
        {"mov r31, 255",          SEG_CODE, 0,    LINE_INSTR_RI, [] { RI_type_instruction_handler(INST_MOV, 31, 255); },                  "MOV",  0x37FFF,    {}},
        {"lsl r3",                SEG_CODE, 0,    LINE_INSTR_R1, [] { R1_type_valid_instruction_handler(INST_LSL, 3); },                  "LSL",  0x10300,    {}},
        {"brn 0x10",              SEG_CODE, 0,    LINE_INSTR_IM, [] { IM_type_valid_instruction_handler(INST_BRN, 0x10); },               "BRN",  0x08080,    {}},
        {"call 1023 at 1023",     SEG_CODE, 1023, LINE_INSTR_IM, [] { IM_type_valid_instruction_handler(INST_CALL, 1023); },              "CALL", 0x09FF9,    {}},
        {"nop",                   SEG_CODE, 0,    LINE_INSTR_NA, [] { NA_type_valid_instruction_handler(INST_NOP); },                     "NOP",  0x18003,    {}},
        {"ld r40, (r2)",          SEG_CODE, 0,    LINE_ERROR,    [] { RR_type_valid_instruction_handler(INST_LD, 40, 2); },               "LD",   0x06812,    {"First register must be in range [0,31]"}},
        {"add r2, r33",           SEG_CODE, 0,    LINE_ERROR,    [] { RR_type_valid_instruction_handler(INST_ADD, 2, 33); },              "ADD",  0x02308,    {"Second register must be in range [0,31]"}},
        {"mov r1, 0x1FF",         SEG_CODE, 0,    LINE_ERROR,    [] { RI_type_instruction_handler(INST_MOV, 1, 0x1FF); },                 "MOV",  0x361FF,    {kCut}},
        {"ret in .dseg",          SEG_DATA, 0,    LINE_ERROR,    [] { NA_type_valid_instruction_handler(INST_RET); },                     "RET",  0x18002,    {kSegment}},
        {"brn 1024",              SEG_CODE, 0,    LINE_ERROR,    [] { IM_type_valid_instruction_handler(INST_BRN, 1024); },               "BRN",  0x0A000,    {kRange}},
        {"add r40, 300 at 0x20",  SEG_DATA, 0x20, LINE_ERROR,    [] { RI_type_instruction_handler(INST_ADD, 40, 300); },                  "ADD",  0x2A82C,    {kSegment, "Overlapping code at address 0x020", "Register must be in range [0,31]", kCut}},
        {"breq -1 at 1024",       SEG_DATA, 1024, LINE_ERROR,    [] { IM_type_valid_instruction_handler(INST_BREQ, -1); },                "BREQ", 0xFFFFFFFA, {kSegment, kRange, kRange}},
        {"retie x",               SEG_CODE, 0,    LINE_ERROR,    [] { Bad_instruction_handler("label \"%s%n\" has not been defined!", INST_RETIE); }, "",     0,          {"RETIE label \"%s%n\" has not been defined!"}},
        {"nop r1 in pass 1",      SEG_CODE, 0,    LINE_ERROR,    [] { P2 = 0; Bad_instruction_handler("instruction has no operands!", INST_NOP); }, "",     0,          {}},
    };
    // clang-format on
    for (const Line& line : lines) {
        SCOPED_TRACE(line.name);
        Reset_all_state();
        CapturedStream console;
        consolefp = console.get();
        P2 = 1;
        currSeg = line.seg;
        csegAddr = line.addr;
        Take_code_address(0x20);
        line.handler();
        std::string expected;
        int number = 0;
        for (const char* message : line.messages)
            expected += Format_message("**ERROR #%2d:  line# (0001) => %s \n", ++number, message);
        EXPECT_EQ(console.text(), expected);
        ASSERT_NE(tmpItem, nullptr);
        EXPECT_EQ(tmpItem->instr_addr, line.addr);
        EXPECT_EQ(tmpItem->line_type, line.line_type);
        EXPECT_EQ(tmpItem->opCode, line.mnemonic);
        EXPECT_EQ(tmpItem->instr_bits, line.word);
        Delete_srcItem(tmpItem);
    }
    Reset_all_state();
}

}  // namespace
