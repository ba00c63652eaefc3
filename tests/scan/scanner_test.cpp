#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "driver/base/state.h"
#include "scan/source_fixture.h"
#include "scan/tokens.h"
#include "support/reference_scanner.h"
#include "support/session.h"

namespace {

// A token as text: keywords by name (a directive without its dot), the rest as kind:value
// ("chr:." for a character).
std::string describe(int code) {
    // clang-format off
    static const std::map<int, std::string> names = [] {
        std::map<int, std::string> table = {
            {EOL, "EOL"}, {REG, "reg:"}, {INDREG, "ind:"}, {NUM, "num:"}, {SYMBOL, "sym:"},
            {REGNAME, "regname:"}, {INDREGNAME, "indname:"}, {STRING, "str:"}, {OTHERCHAR, "chr:"},
        };
        for (size_t row = 0; row < kMnemonicCount; row++) {
            table[Mnemonic_token(row)] = kMnemonics[row].text;
        }
        for (size_t row = 0; row < std::size(kDirectives); row++) {
            table[Directive_token(row)] = kDirectives[row].text + 1;
        }
        return table;
    }();
    // clang-format on
    const std::string name = code < 128 ? std::string(1, static_cast<char>(code)) : names.at(code);
    if (!yylval.str.empty()) return name + yylval.str;
    if (code == OTHERCHAR) return name + static_cast<char>(yylval.val);
    const bool numeric = code == REG || code == INDREG || code == NUM;
    return numeric || yylval.val != 0 ? name + std::to_string(yylval.val) : name;
}

using ScannerTest = SourceFixture;

TEST_F(ScannerTest, TokenSequences) {
    const std::pair<std::string, std::string> cases[] = {
        // registers against names
        {"R5 R31 R32 RA RE RADD READ RACE R_CNT r_a9\n",
         "reg:5 reg:31 reg:32 reg:10 reg:14 reg:2781 reg:3757 reg:2766 regname:R_CNT "
         "regname:R_A9 EOL"},
        {"R RG R1A RF0 RAD5 RESET R_ R_0 R_A_B\n",
         "sym:R sym:RG sym:R1A sym:RF0 sym:RAD5 sym:RESET sym:R_ sym:R_0 sym:R_A_B EOL"},
        // directives: five only at the start of a line, two anywhere and unbounded
        {".ORG 10\n .ORG\nL: .EQU\n.equ\n",
         "ORG num:10 EOL chr:. sym:ORG EOL sym:L : chr:. sym:EQU EOL EQU EOL"},
        {"L: .DB 1 .BYTE\n.DBX .BYTES\n", "sym:L : DB num:1 BYTE EOL DB sym:X BYTE sym:S EOL"},
        {"ADD ADDC ADDX OR ORX RET RETI RETID RETIE RETIEX\n",
         "ADD ADDC sym:ADDX OR sym:ORX RET sym:RETI RETID RETIE sym:RETIEX EOL"},
        // numbers; values past 32 bits stop at the largest int
        {"012 2147483647 2147483648 99999999999 0x1f 0X80000000\n",
         "num:12 num:2147483647 num:2147483647 num:2147483647 num:31 num:2147483647 EOL"},
        {"R2147483648 (R99999999999) RFFFFFFFF (RAAAAAAAA)\n",
         "reg:2147483647 ind:2147483647 reg:2147483647 ind:2147483647 EOL"},
        {"0XABCDEFG 0X -5 1H\n", "num:11259375 sym:G num:0 sym:X chr:- num:5 num:1 sym:H EOL"},
        // indirect registers need both parentheses and no blank
        {"(R2) (R_CNT) ( R5 ) (R_9)\n(R5\n",
         "ind:2 indname:R_CNT chr:( reg:5 chr:) chr:( sym:R_9 chr:) EOL chr:( reg:5 EOL"},
        // quotes: balanced, empty pair, unbalanced to the end of input
        {"\"aB c\" \"\"\n", "str:\"aB c\" chr:\" chr:\" EOL"},
        {"\"ab\nCD\"\n", "chr:\" chr:a chr:b EOL sym:CD chr:\" EOL"},
    };
    for (const auto& [source, tokens] : cases) {
        SCOPED_TRACE(source);
        load(source);
        std::string seen;
        for (int code = yylex(); code != TOK_END && P2 == 0; code = yylex())
            seen += (seen.empty() ? "" : " ") + describe(code);
        EXPECT_EQ(seen, tokens);
    }
}

TEST_F(ScannerTest, EachMnemonicGivesItsOwnToken) {
    std::string line;
    std::vector<int> expected;
    for (size_t row = 0; row < kMnemonicCount; row++) {
        line += std::string(kMnemonics[row].text) + " ";
        expected.push_back(Mnemonic_token(row));
    }
    load(line + "\n");
    expected.push_back(EOL);
    std::vector<int> seen;
    for (int code = yylex(); code != TOK_END && P2 == 0; code = yylex()) seen.push_back(code);
    EXPECT_EQ(seen, expected);
}

TEST_F(ScannerTest, ScansTheSourceTwiceThenEnds) {
    load(".ORG 1\nNOP ; x");
    std::string seen;  // each token with its pass and the line read when it came
    for (int code = yylex(); code != TOK_END; code = yylex())
        seen += std::to_string(P2) + describe(code) + "<" + rawLine.substr(0, 4) + "> ";
    EXPECT_EQ(seen,
              "0ORG<.ORG> 0num:1<.ORG> 0EOL<.ORG> 0NOP<NOP > 0EOL<NOP > "
              "1ORG<.ORG> 1num:1<.ORG> 1EOL<.ORG> 1NOP<NOP > 1EOL<NOP > ");
    EXPECT_EQ(yylex(), TOK_END);
}

// Lines of pieces that sit at the edges of the rules: register and name shapes, directives
// and mnemonics with and without their boundaries, quotes, parentheses, numbers, blanks,
// carriage returns, comments and bytes outside the language.
std::string random_source(unsigned seed) {
    static const char* const kPieces[] = {
        "R",     "R_",   "(",    ")",   "\"",   "\"\"",  ".ORG", ".CSEG", ".DB",
        ".BYTE", ".EQU", ".DEF", "ADD", "ADDC", "RETIE", "LD",   "0X",    "0x1f",
        "12",    "A",    "F",    "G",   "_",    " ",     "\t",   ",",     ":",
        "=",     "\r",   ";",    "r",   "x",    "\x80",  "\xFF", "-",     ".",
    };
    std::mt19937 random(seed);
    std::uniform_int_distribution<size_t> piece(0, std::size(kPieces) - 1), count(0, 12);
    std::string source;
    for (int line = 0; line < 400; line++) {
        for (size_t n = count(random); n > 0; n--) source += kPieces[piece(random)];
        source += "\n";
    }
    return source;
}

// The scanner against the plain rule table, on every example and golden source and on random
// lines: the same tokens with the same values.
TEST(ReferenceScanner, AgreesWithTheScanner) {
    namespace fs = std::filesystem;
    std::vector<std::pair<std::string, std::string>> sources;
    const fs::path root(TEVLIN_SOURCE_DIR);
    for (const fs::path& folder : {root / "examples", root / "tests/golden"}) {
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (entry.path().extension() == ".asm") {
                sources.emplace_back(entry.path().string(), Read_file(entry.path()));
            }
        }
    }
    for (unsigned seed = 1; seed <= 20; seed++) {
        sources.emplace_back("random " + std::to_string(seed), random_source(seed));
    }
    for (const auto& [name, source] : sources) {
        const std::vector<Token> fast = First_pass_tokens(source, false);
        const std::vector<Token> reference = First_pass_tokens(source, true);
        size_t same = 0;
        while (same < fast.size() && same < reference.size() && fast[same] == reference[same]) {
            same++;
        }
        const auto shown = [same](const std::vector<Token>& tokens) {
            if (same == tokens.size()) return std::string("the end");
            const Token& token = tokens[same];
            return std::to_string(token.code) + " " + std::to_string(token.val) + " " + token.str;
        };
        EXPECT_TRUE(same == fast.size() && same == reference.size())
            << name << ": token " << same << " differs: scanner " << shown(fast) << ", rule table "
            << shown(reference);
    }
}

}  // namespace
