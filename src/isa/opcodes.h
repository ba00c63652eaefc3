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
