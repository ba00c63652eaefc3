// Token codes shared by the scanner and the parser, the token value, and the scanner.
#ifndef TEVLIN_SCAN_TOKENS_H_
#define TEVLIN_SCAN_TOKENS_H_

#include <string>

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
    EQU,
    DEF,
    AND,  // 265
    OR,
    EXOR,
    TEST,
    ADD,
    ADDC,
    SUB,
    SUBC,
    CMP,
    MOV,
    LD,
    ST,  // 276
    // 277 to 288 are reserved and never produced.
    IN = 289,
    OUT,
    BRN,
    CALL,
    BREQ,
    BRNE,
    BRCS,
    BRCC,
    LSL,  // 297
    LSR,
    ROL,
    ROR,
    ASR,
    PUSH,
    POP,
    WSP,
    RSP,
    CLC,  // 306
    SEC,
    RET,
    RETID,
    RETIE,
    SEI,
    CLI,
    NOP,     // 313
    STRING,  // 314
    EOL,
    OTHERCHAR,
    ORG,
    CSEG,
    DSEG,
    BYTE,
    DB,  // 321
};

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
