// Line structure, labels, syntax errors and the numbering around them.
#include "grammar/parser.h"

#include "grammar/assemble.h"

namespace {

TEST_F(GrammarTest, LabelsTakeTheAddressOfTheirStatement) {
    const auto items = assemble("BRN NEXT\nLOOP:\nADD R1,R2 ; sum\n\nNEXT: SUB R3,R4\n");
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0]->arg1, 2);  // a forward reference
    EXPECT_EQ(items[1]->line_type, LINE_LABEL);
    EXPECT_EQ(items[1]->has_lab, 1);
    EXPECT_EQ(items[2]->has_lab, 0);
    EXPECT_EQ(items[4]->has_lab, 1);
    // Each line's actions run before the next line (or the next pass) is read.
    EXPECT_EQ(items[2]->src_line, "ADD R1,R2 ; sum");
    EXPECT_EQ(items[4]->src_line, "NEXT: SUB R3,R4");
    EXPECT_EQ(items[4]->src_line_num, 5);
    EXPECT_EQ(sym("LOOP").val, 1);
    EXPECT_EQ(sym("NEXT").val, 2);
    EXPECT_EQ(sym("NEXT").xref, std::vector<int32_t>{1});
    EXPECT_EQ(errCnt + syntaxErrCnt, 0);
}

TEST_F(GrammarTest, LabelMessagesComeOnceFromTheFirstPass) {
    const std::string name(40, 'L');
    const auto items = assemble(
        "A: NOP\n"
        "A: NOP\n" +
        name + ": NOP\nBRN " + name + "\n.DSEG\nBUF:\n");
    EXPECT_EQ(console_count("Multiple definitions for label: A"), 1u);
    EXPECT_EQ(console_count("Labels must be 32 char or less"), 1u);
    EXPECT_EQ(errCnt, 2);
    EXPECT_EQ(sym("A").val, 0);
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[1]->err_msg, "");
    EXPECT_EQ(items[3]->line_type, LINE_INSTR_IM);  // the long label is defined whole
    EXPECT_EQ(items[3]->arg1, 2);
    EXPECT_EQ(sym("BUF").val, 0);  // a label alone in the data segment names a data address
}

TEST_F(GrammarTest, TokensAfterAnErrorFormAnEmptyLine) {
    const auto items = assemble("ADD R1,R2 R3\nNOP \"X\"\nBRN R_X\nCALL 5,R1\nNOP\n");
    ASSERT_EQ(items.size(), 5u);
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(items[i]->line_type, LINE_BLANK);
        EXPECT_EQ(items[i]->err_msg, "syntax error");
    }
    // The comma and R1 are refused one by one.
    EXPECT_EQ(items[3]->err_msg, "syntax error\n            syntax error");
    EXPECT_EQ(items[4]->instr_addr, 0);
    EXPECT_EQ(items[4]->src_line_num, 5);
    EXPECT_EQ(syntaxErrCnt, 10);
    EXPECT_EQ(errCnt, 0);
    EXPECT_EQ(console_.text() + log_.text(), "");
}

TEST_F(GrammarTest, ErrorAtTheLineEndMovesTheMessageToTheNextLine) {
    const auto items = assemble("LOOP: ADD R1,\nNOP\nBRN LOOP\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->err_msg, "syntax error");
    EXPECT_EQ(items[0]->src_line_num, 1);
    EXPECT_EQ(items[0]->instr_addr, 0);
    // The label was read before the error, so its mark reaches the next item; its line
    // never completed, so it was never defined.
    EXPECT_EQ(items[0]->has_lab, 1);
    EXPECT_EQ(items[1]->src_line_num, 2);
    EXPECT_EQ(items[1]->has_lab, 0);
    EXPECT_TRUE(has_message(items[1], "label \"LOOP\" has not been defined!"));
}

TEST_F(GrammarTest, ALastLineThatLostItsEndIsStillListed) {
    const auto items = assemble("NOP\nADD R1, ; sum");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1]->line_type, LINE_BLANK);
    EXPECT_EQ(items[1]->src_line_num, 2);
    EXPECT_EQ(items[1]->src_line, "ADD R1, ; sum");
    EXPECT_EQ(items[1]->err_msg, "syntax error");
    EXPECT_EQ(syntaxErrCnt, 2);  // once in each pass
}

TEST_F(GrammarTest, MisplacedLabels) {
    // READ is the register 0xEAD: it and the colon are refused, the rest is an instruction.
    const auto items = assemble("L: .ORG 5\nREAD: IN R1, 0X20\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->err_msg, "syntax error\n            syntax error");
    EXPECT_EQ(items[1]->line_type, LINE_INSTR_RI);
    EXPECT_EQ(items[1]->instr_addr, 0);
    EXPECT_EQ(items[1]->has_lab, 0);
    EXPECT_EQ(items[1]->err_msg, "syntax error\n            syntax error");
    EXPECT_TRUE(Symbol_Table->entries.empty());
}

TEST_F(GrammarTest, EmptySourceIsASyntaxError) {
    EXPECT_TRUE(assemble("").empty());
    EXPECT_EQ(syntaxErrCnt, 1);
}

}  // namespace
