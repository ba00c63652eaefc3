#include "scan/reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diag/diag.h"
#include "driver/state.h"
#include "global.h"
#include "scan/source_fixture.h"

namespace {

using ReaderTest = SourceFixture;

struct PreparedLine {
    std::string raw, comment, prepared;
};

std::string times(size_t count, char c) { return std::string(count, c); }

TEST_F(ReaderTest, PreparesEachLine) {
    const struct {
        std::string source;
        std::vector<PreparedLine> lines;
    } cases[] = {
        {"\tadd r1, r2 ; sum it\n",
         {{"\tadd r1, r2 ; sum it\n", "; sum it", "        ADD R1, R2 \n"}}},
        {"AB\tC\nABCDEFG\tY\tZ\n",
         {{"AB\tC\n", "", "AB      C\n"}, {"ABCDEFG\tY\tZ\n", "", "ABCDEFG Y       Z\n"}}},
        {"; note\n", {{"; note\n", "; note", "\n"}}},
        {"ld \"ab\" x\"y\na \"bc\n",
         {{"ld \"ab\" x\"y\n", "", "LD \"ab\" X\"y\n"}, {"a \"bc\n", "", "A \"bc\n"}}},
        {".db \"a;b\" ; c\n", {{".db \"a;b\" ; c\n", ";b\" ; c", ".DB \"a\n"}}},
        {"nop\r\nnop ;x\r\n", {{"nop\r\n", "", "NOP\r\n"}, {"nop ;x\r\n", ";x\r", "NOP \n"}}},
        {std::string("ab\0cd\n\0xy\n", 10), {{"ab\n", "", "AB\n"}, {"\n", "", "\n"}}},
        {"a\nb", {{"a\n", "", "A\n"}, {"b\n", "", "B\n"}}},
        {times(255, 'a') + "\n",
         {{times(255, 'a') + "\n", "", times(255, 'A') + "\n"}, {"\n", "", "\n"}}},
        {times(256, 'a'),
         {{times(255, 'a') + "\n", "", times(255, 'A') + "\n"}, {"a\n", "", "A\n"}}},
        {times(255, '\t'), {{times(255, '\t') + "\n", "", times(2040, ' ') + "\n"}}},
    };
    for (const auto& c : cases) {
        load(c.source);
        for (const PreparedLine& line : c.lines) {
            ASSERT_EQ(getLine(), 0) << c.source;
            EXPECT_EQ(rawLine, line.raw);
            EXPECT_EQ(currComment, line.comment);
            EXPECT_EQ(lexbuf, line.prepared);
        }
        const std::string last_raw = rawLine;
        EXPECT_EQ(getLine(), -1) << c.source;
        EXPECT_EQ(rawLine, last_raw);
    }
}

TEST_F(ReaderTest, HandsOverTheRestOfOneLinePerRequest) {
    load("ab c\n\xE9\n");
    char buf[8];
    ASSERT_EQ(my_input(buf, 2), 2);
    ASSERT_EQ(my_input(buf + 2, 6), 3);
    EXPECT_EQ(std::string(buf, 5), "AB C\n");
    EXPECT_EQ(rawLine, "ab c\n");  // the next line waits for the next request
    EXPECT_EQ(yygetc(), 0xE9);
    EXPECT_EQ(yygetc(), '\n');
    EXPECT_EQ(my_input(buf, 8), 0);
}

TEST_F(ReaderTest, EndOfFirstPassRestartsTheSourceAndEndOfSecondEndsIt) {
    load("one\ntwo\n");
    char buf[16];
    while (my_input(buf, sizeof buf) > 0) {
    }
    csegAddr = 5;
    dsegAddr = 7;
    srcLineNum = 3;
    currSeg = SEG_DATA;
    errMsg = "pass-one message";
    EXPECT_EQ(yywrap(), 0);
    EXPECT_EQ(P2, 1);
    EXPECT_EQ(csegAddr + dsegAddr, 0);
    EXPECT_EQ(srcLineNum, 1);
    EXPECT_EQ(currSeg, SEG_CODE);
    EXPECT_EQ(errMsg, "");
    ASSERT_EQ(my_input(buf, sizeof buf), 4);
    EXPECT_EQ(rawLine, "one\n");

    while (my_input(buf, sizeof buf) > 0) {
    }
    srcLineNum = 3;
    EXPECT_EQ(yywrap(), 1);
    EXPECT_EQ(srcLineNum, 3);
}

TEST(FilenameExtensionTest, AcceptsOnlyLongerNamesEndingInTheSuffix) {
    for (const char* name : {"prog.asm", "progasm", "xasm"}) {
        EXPECT_EQ(IsFilenameExtensionValid(name, "asm"), 1) << name;
    }
    for (const char* name : {"asm", "", "prog.ASM", "prog.as", "asm.txt"}) {
        EXPECT_EQ(IsFilenameExtensionValid(name, "asm"), 0) << name;
    }
}

}  // namespace
