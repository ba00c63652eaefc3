#include <gtest/gtest.h>

#include <map>
#include <string>

#include "driver/state.h"
#include "scan/source_fixture.h"
#include "scan/tokens.h"

namespace {

// A token as text: its name, then any value it carries in parentheses.
std::string describe(int code) {
    static const std::map<int, std::string> names = {
        {EOL, "EOL"},         {TOK_COLON, ":"},
        {TOK_COMMA, ","},     {TOK_EQUALS, "="},
        {ORG, "ORG"},         {CSEG, "CSEG"},
        {DSEG, "DSEG"},       {EQU, "EQU"},
        {DEF, "DEF"},         {BYTE, "BYTE"},
        {DB, "DB"},           {ADD, "ADD"},
        {ADDC, "ADDC"},       {LD, "LD"},
        {OR, "OR"},           {IN, "IN"},
        {RET, "RET"},         {RETID, "RETID"},
        {RETIE, "RETIE"},     {NOP, "NOP"},
        {REG, "REG"},         {INDREG, "INDREG"},
        {NUM, "NUM"},         {SYMBOL, "SYMBOL"},
        {REGNAME, "REGNAME"}, {INDREGNAME, "INDREGNAME"},
        {STRING, "STRING"},   {OTHERCHAR, "OTHERCHAR"},
    };
    const auto found = names.find(code);
    const std::string name = found == names.end() ? "#" + std::to_string(code) : found->second;
    if (!yylval.str.empty()) return name + "(" + yylval.str + ")";
    if (code == OTHERCHAR && yylval.val > ' ' && yylval.val < 127) {
        return name + "('" + static_cast<char>(yylval.val) + "')";
    }
    const bool numeric = code == REG || code == INDREG || code == NUM || code == OTHERCHAR;
    return numeric || yylval.val != 0 ? name + "(" + std::to_string(yylval.val) + ")" : name;
}

// The tokens of the first pass, separated by blanks.
std::string first_pass_tokens() {
    std::string text;
    for (int code = yylex(); code != TOK_END && P2 == 0; code = yylex()) {
        text += (text.empty() ? "" : " ") + describe(code);
    }
    return text;
}

class ScannerTest : public SourceFixture {
  protected:
    // Checks the first-pass tokens of each source.
    void expect_scans(std::initializer_list<std::pair<std::string, std::string>> cases) {
        for (const auto& [source, tokens] : cases) {
            load(source);
            EXPECT_EQ(first_pass_tokens(), tokens) << source;
        }
    }
};

TEST_F(ScannerTest, TellsRegistersFromNames) {
    expect_scans({
        {"R5 R31 R32 R007 RA RE RADD READ RACE\n",
         "REG(5) REG(31) REG(32) REG(7) REG(10) REG(14) REG(2781) REG(3757) REG(2766) EOL"},
        {"R RG R1A RF0 RAD5 RESET R_ R_0 R_A_B\n",
         "SYMBOL(R) SYMBOL(RG) SYMBOL(R1A) SYMBOL(RF0) SYMBOL(RAD5) SYMBOL(RESET) SYMBOL(R_) "
         "SYMBOL(R_0) SYMBOL(R_A_B) EOL"},
        {"R_CNT r_a9\n", "REGNAME(R_CNT) REGNAME(R_A9) EOL"},
    });
}

TEST_F(ScannerTest, LineStartDirectivesOnlyThere) {
    expect_scans({
        {".ORG 10\n", "ORG NUM(10) EOL"},
        {" .ORG\n", "OTHERCHAR('.') SYMBOL(ORG) EOL"},
        {"\r.CSEG\n", "OTHERCHAR('.') SYMBOL(CSEG) EOL"},
        {"L: .EQU\n", "SYMBOL(L) : OTHERCHAR('.') SYMBOL(EQU) EOL"},
        {".cseg\n.dseg\n.equ A = 1\n.def\n",
         "CSEG EOL DSEG EOL EQU SYMBOL(A) = NUM(1) EOL DEF EOL"},
        {".ORGAN\n", "ORG SYMBOL(AN) EOL"},
        {"L: .DB 1 .BYTE\n.DBX .BYTES\n",
         "SYMBOL(L) : DB NUM(1) BYTE EOL DB SYMBOL(X) BYTE SYMBOL(S) EOL"},
    });
}

TEST_F(ScannerTest, MnemonicsOnlyWhenAlone) {
    expect_scans({
        {"ADD ADDC ADDX OR ORX\n", "ADD ADDC SYMBOL(ADDX) OR SYMBOL(ORX) EOL"},
        {"RET RETI RETID RETIE RETIEX\n", "RET SYMBOL(RETI) RETID RETIE SYMBOL(RETIEX) EOL"},
    });
}

TEST_F(ScannerTest, ReadsNumbersAndCapsThoseTooLarge) {
    expect_scans({
        {"012 2147483647 2147483648 99999999999\n",
         "NUM(12) NUM(2147483647) NUM(2147483647) NUM(2147483647) EOL"},
        {"0x1f 0X7FFFFFFF 0X80000000\n", "NUM(31) NUM(2147483647) NUM(2147483647) EOL"},
        {"R2147483648 (R99999999999) RFFFFFFFF (RAAAAAAAA)\n",
         "REG(2147483647) INDREG(2147483647) REG(2147483647) INDREG(2147483647) EOL"},
        {"0XABCDEFG 0X -5 1H\n",
         "NUM(11259375) SYMBOL(G) NUM(0) SYMBOL(X) OTHERCHAR('-') NUM(5) NUM(1) SYMBOL(H) EOL"},
    });
}

TEST_F(ScannerTest, IndirectRegistersNeedBothParentheses) {
    expect_scans({
        {"LD R1, (R2) (RA) (R_CNT)\n", "LD REG(1) , INDREG(2) INDREG(10) INDREGNAME(R_CNT) EOL"},
        {"( R5 ) (R_9)\n",
         "OTHERCHAR('(') REG(5) OTHERCHAR(')') OTHERCHAR('(') SYMBOL(R_9) OTHERCHAR(')') EOL"},
        {"(R5\n", "OTHERCHAR('(') REG(5) EOL"},
    });
}

TEST_F(ScannerTest, StringsQuotesAndOtherCharacters) {
    expect_scans({
        {"\"aB c\" \"\"\n", "STRING(\"aB c\") OTHERCHAR('\"') OTHERCHAR('\"') EOL"},
        {"\"ab\nCD\"\n",
         "OTHERCHAR('\"') OTHERCHAR('a') OTHERCHAR('b') EOL SYMBOL(CD) OTHERCHAR('\"') EOL"},
        {"\"\xE9 _A\x01\n",
         "OTHERCHAR('\"') OTHERCHAR(-23) OTHERCHAR('_') SYMBOL(A) OTHERCHAR(1) EOL"},
        {"LOOP: add r1, 0x1F ; count\r\n   \r\n", "SYMBOL(LOOP) : ADD REG(1) , NUM(31) EOL EOL"},
        {std::string(255, '\t') + "NOP", "EOL NOP EOL"},
    });
}

TEST_F(ScannerTest, ScansTheSourceTwiceThenEnds) {
    load(".ORG 1\nNOP ; x");
    const std::pair<const char*, const char*> pass_tokens[] = {
        {"ORG", ".ORG 1\n"},  {"NUM(1)", ".ORG 1\n"}, {"EOL", ".ORG 1\n"},
        {"NOP", "NOP ; x\n"}, {"EOL", "NOP ; x\n"},
    };
    for (const unsigned char pass : {0, 1}) {
        for (const auto& [token, line] : pass_tokens) {
            EXPECT_EQ(describe(yylex()), token);
            EXPECT_EQ(P2, pass);
            EXPECT_EQ(rawLine, line);  // no line is read before the last one is used up
        }
    }
    EXPECT_FALSE(Scanner_input_ended());
    EXPECT_EQ(yylex(), TOK_END);
    EXPECT_EQ(yylex(), TOK_END);
    EXPECT_TRUE(Scanner_input_ended());

    load("");
    EXPECT_EQ(yylex(), TOK_END);
    EXPECT_TRUE(Scanner_input_ended());

    load("A B\n");
    EXPECT_EQ(yylex(), SYMBOL);
    load(".ORG\n");  // a reset drops the rest of the buffered line
    EXPECT_EQ(first_pass_tokens(), "ORG EOL");
}

}  // namespace
