#include "scan/scanner.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/capture.h"

namespace {

// A token as text: keywords by name (a directive without its dot), the rest as kind:value
// ("chr:." for a character).
std::string describe(int code, const TokenValue& value) {
    const std::map<int, std::string> names = {
        {EOL, "EOL"},        {REG, "reg:"},         {INDREG, "ind:"},         {NUM, "num:"},
        {SYMBOL, "sym:"},    {REGNAME, "regname:"}, {INDREGNAME, "indname:"}, {STRING, "str:"},
        {OTHERCHAR, "chr:"},
    };
    std::string name = code < 128 ? std::string(1, static_cast<char>(code)) : "";
    if (names.count(code) != 0) name = names.at(code);
    if (code >= Mnemonic_token(0) && code < Mnemonic_token(kMnemonicCount)) {
        name = kMnemonics[static_cast<size_t>(code - Mnemonic_token(0))].text;
    } else if (code >= Directive_token(0) && code < kTokenLimit) {
        name = kDirectives[static_cast<size_t>(code - Directive_token(0))].text + 1;
    }
    if (!value.text.empty()) return name + std::string(value.text);
    if (code == OTHERCHAR) return name + static_cast<char>(value.number);
    const bool numeric = code == REG || code == INDREG || code == NUM;
    return numeric || value.number != 0 ? name + std::to_string(value.number) : name;
}

// The tokens of one pass over source, described.
std::string tokens_of(const std::string& source) {
    const CapturedStream stream(source);
    Scanner scanner(stream.get());
    TokenValue value;
    std::string seen;
    for (int code = scanner.next(value); code != TOK_END; code = scanner.next(value)) {
        seen += (seen.empty() ? "" : " ") + describe(code, value);
    }
    return seen;
}

TEST(ScannerTest, TokenSequences) {
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
        EXPECT_EQ(tokens_of(source), tokens);
    }
}

}  // namespace
