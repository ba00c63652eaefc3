#include "scan/reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "diag/diag.h"
#include "driver/base/state.h"
#include "global.h"
#include "scan/source_fixture.h"
#include "support/capture.h"

namespace {

using ReaderTest = SourceFixture;

// Each line is shown as [raw line|prepared line].
TEST_F(ReaderTest, PreparesEachLine) {
    const std::string a255(255, 'a'), upper255(255, 'A');
    const std::pair<std::string, std::string> cases[] = {
        {"\tadd r1, r2 ; sum it\n", "[\tadd r1, r2 ; sum it\n|        ADD R1, R2 \n]"},
        {"AB\tC\nABCDEFG\tY\tZ\n", "[AB\tC\n|AB      C\n][ABCDEFG\tY\tZ\n|ABCDEFG Y       Z\n]"},
        {"ld \"ab\" x\"y\na \"bc\n", "[ld \"ab\" x\"y\n|LD \"ab\" X\"y\n][a \"bc\n|A \"bc\n]"},
        {".db \"a;b\" ; c\n", "[.db \"a;b\" ; c\n|.DB \"a\n]"},
        {"nop\r\nnop ;x\r\n", "[nop\r\n|NOP\r\n][nop ;x\r\n|NOP \n]"},
        {std::string("ab\0cd\n\0xy\n", 10), "[ab\n|AB\n][\n|\n]"},
        {"a\nb", "[a\n|A\n][b\n|B\n]"},
        {a255 + "\n", "[" + a255 + "\n|" + upper255 + "\n][\n|\n]"},
        {a255 + "a", "[" + a255 + "\n|" + upper255 + "\n][a\n|A\n]"},
        {std::string(255, '\t'),
         "[" + std::string(255, '\t') + "\n|" + std::string(2040, ' ') + "\n]"},
    };
    for (const auto& [source, lines] : cases) {
        SCOPED_TRACE(source);
        load(source);
        std::string seen;
        while (getLine() == 0) seen += "[" + rawLine + "|" + lexbuf + "]";
        EXPECT_EQ(seen, lines);
    }
}

// The reader takes the source in large blocks; the lines it cuts from them must be the ones
// fgets with room for 255 characters cuts from the stream, wherever a block ends.
TEST_F(ReaderTest, CutsLinesAsFgetsDoesAcrossBlocks) {
    std::string source;
    for (size_t n = 0; source.size() < 300000; ++n) {
        const size_t length = (n * 37) % 600;  // over-long lines, and every length near 255
        std::string line(length, static_cast<char>('a' + n % 26));
        if (n % 7 == 0 && length > 3) line[length / 2] = '\0';
        if (n % 5 == 0 && length > 3) line[length / 3] = ';';
        if (n % 11 == 0) line += '\r';
        source += line + "\n";
    }
    source += "last line without a newline";

    std::vector<std::string> expected;
    CapturedStream oracle;
    std::fwrite(source.data(), 1, source.size(), oracle.get());
    std::rewind(oracle.get());
    char text[kLineMax + 1];
    while (std::fgets(text, sizeof text, oracle.get()) != nullptr) {
        const std::string line = text;
        expected.push_back(line.empty() || line.back() != '\n' ? line + "\n" : line);
    }

    load(source);
    std::vector<std::string> seen;
    while (getLine() == 0) seen.push_back(rawLine);
    ASSERT_EQ(seen.size(), expected.size());
    for (size_t i = 0; i < seen.size(); ++i) ASSERT_EQ(seen[i], expected[i]) << "line " << i;

    // A stream handed over in mid-read is read from its own start, not from the old read-ahead.
    load("one\ntwo\n");
    ASSERT_EQ(getLine(), 0);
    CapturedStream other;
    std::fputs("three\n", other.get());
    std::rewind(other.get());
    yyin = other.get();
    ASSERT_EQ(getLine(), 0);
    EXPECT_EQ(rawLine, "three\n");
    EXPECT_EQ(getLine(), -1);
}

TEST_F(ReaderTest, EndOfFirstPassRestartsTheSourceAndEndOfSecondEndsIt) {
    load("one\ntwo\n");
    while (getLine() == 0) continue;
    EXPECT_EQ(rawLine, "two\n");  // the end of input keeps the last line
    csegAddr = dsegAddr = srcLineNum = 3;
    currSeg = SEG_DATA;
    errMsg = "pass-one message";
    EXPECT_EQ(yywrap(), 0);
    EXPECT_EQ(std::make_tuple(int{P2}, csegAddr, dsegAddr, srcLineNum, currSeg, errMsg),
              std::make_tuple(1, 0, 0, 1, int{SEG_CODE}, std::string()));
    ASSERT_EQ(getLine(), 0);
    EXPECT_EQ(rawLine, "one\n");
    EXPECT_EQ(std::string(lexbuf), "ONE\n");
    while (getLine() == 0) continue;
    EXPECT_EQ(yywrap(), 1);
}

}  // namespace
