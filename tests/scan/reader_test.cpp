#include "scan/reader.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "diag/diag.h"
#include "driver/state.h"
#include "scan/source_fixture.h"

namespace {

using ReaderTest = SourceFixture;

// Each line is shown as [raw line|comment|prepared line].
TEST_F(ReaderTest, PreparesEachLine) {
    const std::string a255(255, 'a'), upper255(255, 'A');
    const std::pair<std::string, std::string> cases[] = {
        {"\tadd r1, r2 ; sum it\n", "[\tadd r1, r2 ; sum it\n|; sum it|        ADD R1, R2 \n]"},
        {"AB\tC\nABCDEFG\tY\tZ\n", "[AB\tC\n||AB      C\n][ABCDEFG\tY\tZ\n||ABCDEFG Y       Z\n]"},
        {"ld \"ab\" x\"y\na \"bc\n", "[ld \"ab\" x\"y\n||LD \"ab\" X\"y\n][a \"bc\n||A \"bc\n]"},
        {".db \"a;b\" ; c\n", "[.db \"a;b\" ; c\n|;b\" ; c|.DB \"a\n]"},
        {"nop\r\nnop ;x\r\n", "[nop\r\n||NOP\r\n][nop ;x\r\n|;x\r|NOP \n]"},
        {std::string("ab\0cd\n\0xy\n", 10), "[ab\n||AB\n][\n||\n]"},
        {"a\nb", "[a\n||A\n][b\n||B\n]"},
        {a255 + "\n", "[" + a255 + "\n||" + upper255 + "\n][\n||\n]"},
        {a255 + "a", "[" + a255 + "\n||" + upper255 + "\n][a\n||A\n]"},
        {std::string(255, '\t'),
         "[" + std::string(255, '\t') + "\n||" + std::string(2040, ' ') + "\n]"},
    };
    for (const auto& [source, lines] : cases) {
        SCOPED_TRACE(source);
        load(source);
        std::string seen;
        while (getLine() == 0) seen += "[" + rawLine + "|" + currComment + "|" + lexbuf + "]";
        EXPECT_EQ(seen, lines);
    }
}

TEST_F(ReaderTest, EndOfFirstPassRestartsTheSourceAndEndOfSecondEndsIt) {
    load("one\ntwo\n");
    char buf[16];
    while (my_input(buf, sizeof buf) > 0) continue;
    EXPECT_EQ(rawLine, "two\n");  // the end of input keeps the last line
    csegAddr = dsegAddr = srcLineNum = 3;
    currSeg = SEG_DATA;
    errMsg = "pass-one message";
    EXPECT_EQ(yywrap(), 0);
    EXPECT_EQ(std::make_tuple(int{P2}, csegAddr, dsegAddr, srcLineNum, currSeg, errMsg),
              std::make_tuple(1, 0, 0, 1, int{SEG_CODE}, std::string()));
    ASSERT_EQ(my_input(buf, sizeof buf), 4);
    EXPECT_EQ(rawLine, "one\n");
    while (my_input(buf, sizeof buf) > 0) continue;
    EXPECT_EQ(yywrap(), 1);
}

}  // namespace
