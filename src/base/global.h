// Small types and codes shared by several subsystems of the assembler.
#ifndef TEVLIN_BASE_GLOBAL_H_
#define TEVLIN_BASE_GLOBAL_H_

#include <cstdint>

// clang-format off
constexpr int kProgWords = 1024;   // words of program memory
constexpr int kMaxCodeAddr = kProgWords - 1;
constexpr int kDataBytes = 256;    // bytes of data memory
constexpr int kMaxDataAddr = kDataBytes - 1;
constexpr int kLabelMax = 32;      // longest label without a message
constexpr int kRegMax = 31;        // highest register number
constexpr int kByteMax = 255;      // highest 8-bit value
constexpr int kEquMax = 1024;      // highest value accepted by .EQU
// clang-format on

enum ExitCode : int {
    EXIT_OK = 0,
    EXIT_USAGE = 1,
    EXIT_BAD_EXTENSION = 5,
    EXIT_NO_SOURCE = 6,
    EXIT_NO_LOG_FILE = 7,     // error, listing or hex file
    EXIT_NO_OUTPUT_FILE = 8,  // debug or VHDL file
    EXIT_WRITE_FAILED = 9,
};

// The segment that instructions or data bytes go to.
enum Segment : int { SEG_DATA = 0, SEG_CODE = 1 };

// Directive codes, the values of the directive keywords.
enum DirectiveCode : int {
    DIR_ORG = 80,
    DIR_CSEG = 81,
    DIR_DSEG = 82,
    DIR_BYTE = 83,
    DIR_EQU = 84,
    DIR_DEF = 85,
    DIR_DB = 86,
};

// How a statement takes its operands: the family of its mnemonic, or its directive. The grammar
// has the operand forms of each family; the mnemonic and directive tables name the family of
// each keyword.
enum class Family : int {
    kAlu,          // rX, rY or rX, value
    kMemory,       // rX, (rY) or rX, data address
    kInOut,        // rX, port
    kBranch,       // program address
    kOneRegister,  // rX
    kNoOperand,    // nothing
    kSegment,      // .CSEG, .DSEG
    kOrg,
    kEqu,
    kDef,
    kByte,
    kDb,
};

// Kinds of source item. An instruction that passed its checks is LINE_INSTRUCTION whatever its
// format; one that failed them is LINE_ERROR.
enum LineType : int {
    LINE_BLANK,
    LINE_INSTRUCTION,
    LINE_LABEL,
    LINE_SEGMENT,
    LINE_EQU,
    LINE_ORG,
    LINE_BYTE,
    LINE_DEF,
    LINE_DB,
    LINE_STARTUP,
    LINE_SEPARATOR,
    LINE_ERROR,
};

// Kinds of symbol; only SYM_DEF names a register.
enum SymbolKind : int {
    SYM_LABEL = 3,
    SYM_EQU = 4,
    SYM_BYTE = 5,
    SYM_DEF = 6,
    SYM_DB = 7,
};

/// True for the bytes that continue a UTF-8 character rather than begin one.
constexpr bool Is_utf8_continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where a message points in its source line: byte columns of the line as read, counted from 0
// (a tab is one column), past the end for a line end.
struct Span {
    int32_t column = 0;
    int32_t length = 0;
};

#endif  // TEVLIN_BASE_GLOBAL_H_
