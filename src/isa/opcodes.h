// Instruction codes, the opcode table and the encoders of the five instruction formats.
//
//   bit   17      13 12       8 7        3 2    0
//   RR   | major    | rX       | rY       | minor |
//   RI   | major    | rX       | value (7..0)     |
//   R1   | major    | rX       | 0        | minor |
//   IM   | major    | address (12..3)     | minor |
//   NA   | major    | 0        | 0        | minor |
#ifndef TEVLIN_ISA_OPCODES_H_
#define TEVLIN_ISA_OPCODES_H_

#include <cstddef>
#include <iterator>

#include "global.h"

// Instruction codes (inst_type) that the mnemonic keywords give; one code serves both the
// register and the immediate form of a mnemonic.
enum InstType : int {
    INST_AND = 1,
    INST_OR = 2,
    INST_EXOR = 3,
    INST_TEST = 4,
    INST_ADD = 5,
    INST_ADDC = 6,
    INST_SUB = 7,
    INST_SUBC = 8,
    INST_CMP = 9,
    INST_MOV = 10,
    INST_LD = 11,
    INST_ST = 12,
    INST_IN = 28,
    INST_OUT = 29,
    INST_BRN = 32,
    INST_CALL = 33,
    INST_BREQ = 34,
    INST_BRNE = 35,
    INST_BRCS = 36,
    INST_BRCC = 37,
    INST_LSL = 48,
    INST_LSR = 49,
    INST_ROL = 50,
    INST_ROR = 51,
    INST_ASR = 52,
    INST_PUSH = 53,
    INST_POP = 54,
    INST_WSP = 55,
    INST_RSP = 56,
    INST_NOP = 67,
    INST_RETIE = 68,
    INST_RET = 69,
    INST_RETID = 70,
    INST_SEI = 71,
    INST_CLI = 72,
    INST_CLC = 73,
    INST_SEC = 74,
};

enum InstFormat : int { FMT_RR, FMT_RI, FMT_R1, FMT_IM, FMT_NA };

struct Opcode {
    const char* mnemonic;
    int inst_type;
    InstFormat format;
    unsigned int constant;
};

// Fields of an instruction word. The encoders shift operands into place without masking them.
constexpr int kRegShift = 8;   // rX in bits 12..8
constexpr int kReg2Shift = 3;  // rY in bits 7..3
constexpr int kAddrShift = 3;  // address in bits 12..3
constexpr unsigned int kWordBits = 0x3FFFF;
constexpr unsigned int kMajorBits = 0x3E000;
constexpr unsigned int kMinorBits = 0x00003;
constexpr unsigned int kRegXBits = 0x1Fu << kRegShift;
constexpr unsigned int kRegYBits = 0x1Fu << kReg2Shift;
constexpr unsigned int kValueBits = 0xFFu;
constexpr unsigned int kAddrBits = 0x3FFu << kAddrShift;

// Every mnemonic in every format it has; the encoders and the decoder both walk these rows.
// clang-format off
inline constexpr Opcode kOpcodes[] = {
    // mnemonic  inst_type    format   constant
    {"AND",      INST_AND,    FMT_RR,  0x00000},
    {"OR",       INST_OR,     FMT_RR,  0x00001},
    {"EXOR",     INST_EXOR,   FMT_RR,  0x00002},
    {"TEST",     INST_TEST,   FMT_RR,  0x00003},
    {"ADD",      INST_ADD,    FMT_RR,  0x02000},
    {"ADDC",     INST_ADDC,   FMT_RR,  0x02001},
    {"SUB",      INST_SUB,    FMT_RR,  0x02002},
    {"SUBC",     INST_SUBC,   FMT_RR,  0x02003},
    {"CMP",      INST_CMP,    FMT_RR,  0x04000},
    {"MOV",      INST_MOV,    FMT_RR,  0x04001},
    {"LD",       INST_LD,     FMT_RR,  0x04002},
    {"ST",       INST_ST,     FMT_RR,  0x04003},

    {"AND",      INST_AND,    FMT_RI,  0x20000},
    {"OR",       INST_OR,     FMT_RI,  0x22000},
    {"EXOR",     INST_EXOR,   FMT_RI,  0x24000},
    {"TEST",     INST_TEST,   FMT_RI,  0x26000},
    {"ADD",      INST_ADD,    FMT_RI,  0x28000},
    {"ADDC",     INST_ADDC,   FMT_RI,  0x2A000},
    {"SUB",      INST_SUB,    FMT_RI,  0x2C000},
    {"SUBC",     INST_SUBC,   FMT_RI,  0x2E000},
    {"CMP",      INST_CMP,    FMT_RI,  0x30000},
    {"IN",       INST_IN,     FMT_RI,  0x32000},
    {"OUT",      INST_OUT,    FMT_RI,  0x34000},
    {"MOV",      INST_MOV,    FMT_RI,  0x36000},
    {"LD",       INST_LD,     FMT_RI,  0x38000},
    {"ST",       INST_ST,     FMT_RI,  0x3A000},

    {"BRN",      INST_BRN,    FMT_IM,  0x08000},
    {"CALL",     INST_CALL,   FMT_IM,  0x08001},
    {"BREQ",     INST_BREQ,   FMT_IM,  0x08002},
    {"BRNE",     INST_BRNE,   FMT_IM,  0x08003},
    {"BRCS",     INST_BRCS,   FMT_IM,  0x0A000},
    {"BRCC",     INST_BRCC,   FMT_IM,  0x0A001},

    {"LSL",      INST_LSL,    FMT_R1,  0x10000},
    {"LSR",      INST_LSR,    FMT_R1,  0x10001},
    {"ROL",      INST_ROL,    FMT_R1,  0x10002},
    {"ROR",      INST_ROR,    FMT_R1,  0x10003},
    {"ASR",      INST_ASR,    FMT_R1,  0x12000},
    {"PUSH",     INST_PUSH,   FMT_R1,  0x12001},
    {"POP",      INST_POP,    FMT_R1,  0x12002},
    {"WSP",      INST_WSP,    FMT_R1,  0x14000},
    {"RSP",      INST_RSP,    FMT_R1,  0x14001},

    {"CLC",      INST_CLC,    FMT_NA,  0x18000},
    {"SEC",      INST_SEC,    FMT_NA,  0x18001},
    {"RET",      INST_RET,    FMT_NA,  0x18002},
    {"NOP",      INST_NOP,    FMT_NA,  0x18003},
    {"SEI",      INST_SEI,    FMT_NA,  0x1A000},
    {"CLI",      INST_CLI,    FMT_NA,  0x1A001},
    {"RETID",    INST_RETID,  FMT_NA,  0x1A002},
    {"RETIE",    INST_RETIE,  FMT_NA,  0x1A003},
};
// clang-format on

static_assert(std::size(kOpcodes) == 49, "37 mnemonics, 12 of them in two formats");
static_assert(
    [] {
        for (const Opcode& row : kOpcodes) {
            if ((row.constant & ~(kMajorBits | kMinorBits)) != 0) return false;
        }
        return true;
    }(),
    "constants hold only major and minor opcode bits");
static_assert(
    [] {
        for (size_t i = 0; i < std::size(kOpcodes); i++) {
            for (size_t j = i + 1; j < std::size(kOpcodes); j++) {
                if (kOpcodes[i].constant == kOpcodes[j].constant) return false;
                if (kOpcodes[i].inst_type == kOpcodes[j].inst_type &&
                    kOpcodes[i].format == kOpcodes[j].format) {
                    return false;
                }
            }
        }
        return true;
    }(),
    "one word per row, one row per code and format");

/// Returns the table row for inst_type in format, or null when there is none.
const Opcode* Find_opcode(int inst_type, InstFormat format);

/// Returns the mnemonic of inst_type (any format), or null for a code that names none.
const char* Mnemonic_of(int inst_type);

/// Encoders: fields are shifted and ORed, never masked, so an out-of-range field spills
/// into its neighbours.
unsigned int RR_inst_bit_define(int reg1, int reg2, unsigned int instr);
unsigned int RI_inst_bit_define(int reg, int immed, unsigned int instr);
unsigned int R1_inst_bit_define(int reg, unsigned int instr);
unsigned int IM_inst_bit_define(int mem_val, unsigned int instr);
unsigned int NA_inst_bit_define(unsigned int instr);

#endif  // TEVLIN_ISA_OPCODES_H_
