// Line structure, labels, syntax errors and the numbering around them.
#include <tuple>

#include "grammar/assemble.h"

namespace {

TEST_F(GrammarTest, LabelsAndSyntaxErrorsKeepTheNumbering) {
    const std::string name(40, 'L'), twice = "syntax error\n            syntax error";
    // READ is the register 0xEAD: it and the colon are refused, the rest is an instruction.
    // The line end that the BAD line's ADD cannot take still ends the line, as an empty one.
    const auto items = assemble("BRN " + name + "\nLOOP:\nADD R1,R2 ; sum\nLOOP: NOP\n" + name +
                                ": NOP\nADD R1,R2 R3\nCALL 5,R1\nL: .ORG 5\nREAD: IN R1, 0X20\n"
                                "BAD: ADD R1,\nNOP\nBRN BAD\n");
    using Row = std::tuple<int, int, int, int, std::string>;  // kind, line, address, label
    const Row rows[] = {
        {LINE_INSTR_IM, 1, 0, 0, ""},
        {LINE_LABEL, 2, 1, 1, ""},  // a label alone takes the next address
        {LINE_INSTR_RR, 3, 1, 0, ""},
        {LINE_INSTR_NA, 4, 2, 1, ""},
        {LINE_INSTR_NA, 5, 3, 1, ""},
        {LINE_BLANK, 6, -1, 0, "syntax error"},
        {LINE_BLANK, 7, -1, 0, twice},  // the comma and R1 are refused one by one
        {LINE_BLANK, 8, -1, 0, twice},
        {LINE_INSTR_RI, 9, 4, 0, twice},
        {LINE_BLANK, 10, -1, 0, "syntax error"},  // BAD was read, but never defined
        {LINE_INSTR_NA, 11, 5, 0, ""},
        {LINE_ERROR, 12, 6, 0,
         "**ERROR # 3:  line# (0012) => BRN label \"BAD\" has not been defined! "},
    };
    ASSERT_EQ(items.size(), std::size(rows));
    for (size_t i = 0; i < items.size(); i++) {
        EXPECT_EQ(Row(items[i]->kind, items[i]->line, items[i]->address, items[i]->labelled,
                      std::string(items[i]->messages)),
                  rows[i]);
    }
    EXPECT_EQ(items[0]->word, 0x08018u);  // BRN 3: the long label, defined whole
    // Label messages come from the first pass only; the first definition of LOOP holds. Syntax
    // errors are printed in the second pass only, without a number.
    const auto syntax = [](const char* line) {
        return std::string("**ERROR:  line# (") + line + ") => syntax error \n";
    };
    EXPECT_EQ(console_.text(),
              "**ERROR # 1:  line# (0004) => Multiple definitions for label: LOOP \n"
              "**ERROR # 2:  line# (0005) => Labels must be 32 char or less \n" +
                  syntax("0006") + syntax("0007") + syntax("0007") + syntax("0008") +
                  syntax("0008") + syntax("0009") + syntax("0009") + syntax("0010") +
                  "**ERROR # 3:  line# (0012) => BRN label \"BAD\" has not been defined! \n");
    EXPECT_EQ(symbols(), name + "=3/1 LOOP=1");
    EXPECT_EQ(messages_.syntax_error_count(), 16);
}

TEST_F(GrammarTest, ALastLineThatLostItsEndIsStillListed) {
    const auto items = assemble("NOP\nADD R1, ; sum");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1]->kind, LINE_BLANK);
    EXPECT_EQ(items[1]->line, 2);
    EXPECT_EQ(items[1]->text, "ADD R1, ; sum");
    EXPECT_EQ(items[1]->messages, "syntax error");
    EXPECT_EQ(messages_.syntax_error_count(), 2);  // once in each pass
}

TEST_F(GrammarTest, EmptySourceIsASyntaxError) {
    EXPECT_TRUE(assemble("").empty());
    EXPECT_EQ(messages_.syntax_error_count(), 1);
}

}  // namespace
