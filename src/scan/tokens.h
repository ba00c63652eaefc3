// Token codes shared by the scanner and the parser, the directive table and the token value.
#ifndef TEVLIN_SCAN_TOKENS_H_
#define TEVLIN_SCAN_TOKENS_H_

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "base/global.h"
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
// the statement it begins, whether it counts only at the beginning of a line, and what it does.
struct Directive {
    char text[6];
    DirectiveCode code;
    Family family;
    bool at_line_start_only;
    const char* purpose;
};

// clang-format off
inline constexpr Directive kDirectives[] = {
    // text     code      family            at_line_start_only  purpose
    {".ORG",    DIR_ORG,  Family::kOrg,     true,  "sets the address of the current segment (code 0 to 1023, data 0 to 255)"},
    {".CSEG",   DIR_CSEG, Family::kSegment, true,  "goes on in the code segment"},
    {".DSEG",   DIR_DSEG, Family::kSegment, true,  "goes on in the data segment"},
    {".EQU",    DIR_EQU,  Family::kEqu,     true,  "names a constant (0 to 1024)"},
    {".DEF",    DIR_DEF,  Family::kDef,     true,  "names a register; the name begins with R_"},
    {".BYTE",   DIR_BYTE, Family::kByte,    false, "reserves bytes of data memory, after an optional label"},
    {".DB",     DIR_DB,   Family::kDb,      false, "gives data bytes their first values, which the start-up code stores, after an optional label"},
};
// clang-format on

static_assert(
    [] {
        for (const Directive& directive : kDirectives) {
            if (Is_instruction_family(directive.family)) return false;
        }
        for (const Mnemonic& mnemonic : kMnemonics) {
            if (!Is_instruction_family(mnemonic.family)) return false;
        }
        return true;
    }(),
    "a directive begins a directive's statement, a mnemonic an instruction");

static_assert(kFirstMnemonicToken + kMnemonicCount <= STRING,
              "the mnemonic tokens end before the other tokens begin");

/// The token of the mnemonic in row of kMnemonics.
constexpr int Mnemonic_token(size_t row) { return kFirstMnemonicToken + static_cast<int>(row); }

/// The token of the directive in row of kDirectives.
constexpr int Directive_token(size_t row) { return kFirstDirectiveToken + static_cast<int>(row); }

/// The token of the directive whose code is code.
constexpr int Directive_token_of(DirectiveCode code) {
    for (size_t row = 0; row < std::size(kDirectives); row++) {
        if (kDirectives[row].code == code) return Directive_token(row);
    }
    return 0;
}

/// The directive whose code is code, which must be one of kDirectives'.
constexpr const Directive& Directive_of(DirectiveCode code) {
    for (const Directive& directive : kDirectives) {
        if (directive.code == code) return directive;
    }
    return kDirectives[0];
}

/// One past the last token code.
constexpr int kTokenLimit = kFirstDirectiveToken + static_cast<int>(std::size(kDirectives));

// A set of token codes, such as those that may come next on a line.
using TokenSet = std::bitset<kTokenLimit>;

// A token of the source: its line, where it stands in it, and its code and number.
struct SourceToken {
    int32_t line = 0;
    Span span;
    int32_t code = 0;
    int32_t number = 0;
};

// Value of a token: number for numbers, registers and OTHERCHAR (0 for the rest); text for
// SYMBOL, REGNAME, INDREGNAME and STRING, which stands in the prepared line and so lasts as long
// as its line is read.
struct TokenValue {
    int number = 0;
    std::string_view text;
};

#endif  // TEVLIN_SCAN_TOKENS_H_
