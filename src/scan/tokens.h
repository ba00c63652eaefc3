// Token codes shared by the scanner and the parser, the directive table, the token value, and
// the scanner.
#ifndef TEVLIN_SCAN_TOKENS_H_
#define TEVLIN_SCAN_TOKENS_H_

#include <cstddef>
#include <iterator>
#include <string>

#include "global.h"
#include "isa/opcodes.h"

enum TokenCode : int {
    TOK_END = 0,
    TOK_COMMA = ',',
    TOK_COLON = ':',
    TOK_EQUALS = '=',
    INDREG = 257,
    REG,
    NUM,
    SYMBOL,
    REGNAME,
    INDREGNAME,
    kFirstMnemonicToken = 265,  // the mnemonics from here, in the order of kMnemonics
    STRING = 314,
    EOL,
    OTHERCHAR,
    kFirstDirectiveToken,  // the directives from here, in the order of kDirectives
};

// A directive: its spelling, held in place so that trying it reads no other memory, its code,
// and whether it counts only at the beginning of a line.
struct Directive {
    char text[6];
    DirectiveCode code;
    bool at_line_start_only;
};

// clang-format off
inline constexpr Directive kDirectives[] = {
    // text     code      at_line_start_only
    {".ORG",    DIR_ORG,  true},
    {".CSEG",   DIR_CSEG, true},
    {".DSEG",   DIR_DSEG, true},
    {".EQU",    DIR_EQU,  true},
    {".DEF",    DIR_DEF,  true},
    {".BYTE",   DIR_BYTE, false},
    {".DB",     DIR_DB,   false},
};
// clang-format on

static_assert(kFirstMnemonicToken + kMnemonicCount <= STRING,
              "the mnemonic tokens end before the other tokens begin");

/// The token of the mnemonic in row of kMnemonics.
constexpr int Mnemonic_token(size_t row) { return kFirstMnemonicToken + static_cast<int>(row); }

/// The token of the directive in row of kDirectives.
constexpr int Directive_token(size_t row) { return kFirstDirectiveToken + static_cast<int>(row); }

/// One past the last token code.
constexpr int kTokenLimit = kFirstDirectiveToken + static_cast<int>(std::size(kDirectives));

// Value of a token: val for numbers, registers, OTHERCHAR (0 for the rest); str for
// SYMBOL, REGNAME, INDREGNAME and STRING.
struct YYSTYPE {
    int val = 0;
    std::string str;
};

// name             start value  meaning
extern YYSTYPE yylval;  // {}    value of the token yylex returned last

/// Returns the code of the next token (0 at the end of input, and from then on) and leaves
/// its value in yylval.
int yylex();

/// True once yylex has reported the end of input after the second pass.
bool Scanner_input_ended();

/// Restores the scanner's beginning-of-line flag, end state and yylval.
void Reset_scanner();

#endif  // TEVLIN_SCAN_TOKENS_H_
