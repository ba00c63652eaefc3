#include "scan/reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/capture.h"

namespace {

// Each line is shown as [line as read|prepared line].
TEST(ReaderTest, PreparesEachLine) {
    const std::string a255(255, 'a'), upper255(255, 'A');
    const std::pair<std::string, std::string> cases[] = {
        {"\tadd r1, r2 ; sum it\n", "[\tadd r1, r2 ; sum it|        ADD R1, R2 \n]"},
        {"AB\tC\nABCDEFG\tY\tZ\n", "[AB\tC|AB      C\n][ABCDEFG\tY\tZ|ABCDEFG Y       Z\n]"},
        {"ld \"ab\" x\"y\na \"bc\n", "[ld \"ab\" x\"y|LD \"ab\" X\"y\n][a \"bc|A \"bc\n]"},
        {".db \"a;b\" ; c\n", "[.db \"a;b\" ; c|.DB \"a\n]"},
        {"nop\r\nnop ;x\r\n", "[nop\r|NOP\r\n][nop ;x\r|NOP \n]"},
        {std::string("ab\0cd\n\0xy\n", 10), "[ab|AB\n][|\n]"},
        {"a\nb", "[a|A\n][b|B\n]"},
        {a255 + "\n", "[" + a255 + "|" + upper255 + "\n][|\n]"},
        {a255 + "a", "[" + a255 + "|" + upper255 + "\n][a|A\n]"},
        {std::string(255, '\t'),
         "[" + std::string(255, '\t') + "|" + std::string(2040, ' ') + "\n]"},
    };
    for (const auto& [source, lines] : cases) {
        SCOPED_TRACE(source);
        const CapturedStream stream(source);
        SourceReader reader(stream.get());
        std::string seen;
        while (reader.next_line()) {
            seen += "[" + std::string(reader.text()) + "|" + reader.prepared() + "]";
        }
        EXPECT_EQ(seen, lines);
    }
}

// The reader takes the source in large blocks; the lines it cuts from them must be the ones
// fgets with room for 255 characters cuts from the stream, wherever a block ends, and a rewind
// starts again from the first.
TEST(ReaderTest, CutsLinesAsFgetsDoesAcrossBlocks) {
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
    const CapturedStream oracle(source);
    char text[kLineMax + 1];
    while (std::fgets(text, sizeof text, oracle.get()) != nullptr) {
        const std::string line = text;
        expected.push_back(!line.empty() && line.back() == '\n' ? line.substr(0, line.size() - 1)
                                                                : line);
    }

    const CapturedStream stream(source);
    SourceReader reader(stream.get());
    for (int pass = 1; pass <= 2; pass++) {
        std::vector<std::string> seen;
        while (reader.next_line()) seen.emplace_back(reader.text());
        ASSERT_EQ(seen, expected);
        EXPECT_EQ(reader.text(), expected.back());  // the end keeps the last line
        reader.rewind();
    }
}

}  // namespace
