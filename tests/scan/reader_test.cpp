#include "scan/reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/capture.h"

namespace {

// Each line is shown as [line as read|prepared line].
TEST(ReaderTest, PreparesEachLine) {
    const std::string a300(300, 'a'), upper300(300, 'A');
    const std::pair<std::string, std::string> cases[] = {
        {"\tadd r1, r2 ; sum it\n", "[\tadd r1, r2 ; sum it|        ADD R1, R2 \n]"},
        {"AB\tC\nABCDEFG\tY\tZ\n", "[AB\tC|AB      C\n][ABCDEFG\tY\tZ|ABCDEFG Y       Z\n]"},
        {"ld \"ab\" x\"y\na \"bc\n", "[ld \"ab\" x\"y|LD \"ab\" X\"y\n][a \"bc|A \"bc\n]"},
        {".db \"a;b\" ; c\n", "[.db \"a;b\" ; c|.DB \"a\n]"},
        {"nop\r\nnop ;x\r\n", "[nop\r|NOP\r\n][nop ;x\r|NOP \n]"},
        {std::string("ab\0cd\n\0xy\n", 10), "[ab|AB\n][|\n]"},
        {"a\nb", "[a|A\n][b|B\n]"},
        {a300 + "\n", "[" + a300 + "|" + upper300 + "\n]"},
        {a300 + ";" + a300, "[" + a300 + ";" + a300 + "|" + upper300 + "\n]"},
        {std::string(300, '\t'),
         "[" + std::string(300, '\t') + "|" + std::string(2400, ' ') + "\n]"},
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

// The reader takes the source in large blocks; each line is whole up to its newline however
// many blocks it spans (its text ends at a NUL byte), and a rewind starts again from the first.
TEST(ReaderTest, CutsWholeLinesAcrossBlocks) {
    std::string source;
    std::vector<std::string> expected;
    for (size_t n = 0; source.size() < 400000; ++n) {
        const size_t length = n % 9 == 0 ? (n * 7919) % 150000 : (n * 37) % 600;
        std::string line(length, static_cast<char>('a' + n % 26));
        if (n % 5 == 0 && length > 3) line[length / 3] = ';';
        if (n % 7 == 0 && length > 3) line[length / 2] = '\0';
        if (n % 11 == 0) line += '\r';
        source += line + "\n";
        expected.push_back(line.substr(0, line.find('\0')));
    }
    source += "last line without a newline";
    expected.emplace_back("last line without a newline");

    const CapturedStream stream(source);
    SourceReader file(stream.get());
    SourceReader memory(source);
    for (SourceReader* reader : {&file, &memory}) {
        for (int pass = 1; pass <= 2; pass++) {
            std::vector<std::string> seen;
            while (reader->next_line()) seen.emplace_back(reader->text());
            ASSERT_EQ(seen, expected);
            EXPECT_EQ(reader->text(), expected.back());  // the end keeps the last line
            reader->rewind();
        }
    }
}

}  // namespace
