// The opcode table of every mnemonic in every format, and the five encoders.
#include "isa/opcodes.h"

#include <iterator>

namespace {

constexpr int kRegShift = 8;   // rX in bits 12..8
constexpr int kReg2Shift = 3;  // rY in bits 7..3
constexpr int kAddrShift = 3;  // address in bits 12..3

// clang-format off
constexpr Opcode kOpcodes[] = {
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

constexpr unsigned int kWordMask = 0x3FFFF;
constexpr unsigned int kMajorMask = 0x3E000;
constexpr unsigned int kOpcodeBits = kMajorMask | 0x3;  // major and minor opcode

constexpr bool constants_fit_opcode_bits() {
    for (const Opcode& row : kOpcodes) {
        if ((row.constant & ~kOpcodeBits) != 0 || (row.constant & ~kWordMask) != 0) return false;
    }
    return true;
}

constexpr bool rows_are_unique() {
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
}

static_assert(std::size(kOpcodes) == 49, "37 mnemonics, 12 of them in two formats");
static_assert(constants_fit_opcode_bits(), "constants hold only major and minor opcode bits");
static_assert(rows_are_unique(), "one word per row, one row per code and format");

}  // namespace

const Opcode* Find_opcode(int inst_type, InstFormat format) {
    for (const Opcode& row : kOpcodes) {
        if (row.inst_type == inst_type && row.format == format) return &row;
    }
    return nullptr;
}

const char* Mnemonic_of(int inst_type) {
    for (const Opcode& row : kOpcodes) {
        if (row.inst_type == inst_type) return row.mnemonic;
    }
    return nullptr;
}

unsigned int RR_inst_bit_define(int reg1, int reg2, unsigned int instr) {
    return (static_cast<unsigned int>(reg1) << kRegShift) |
           (static_cast<unsigned int>(reg2) << kReg2Shift) | instr;
}

unsigned int RI_inst_bit_define(int reg, int immed, unsigned int instr) {
    return (static_cast<unsigned int>(reg) << kRegShift) | static_cast<unsigned int>(immed) | instr;
}

unsigned int R1_inst_bit_define(int reg, unsigned int instr) {
    return (static_cast<unsigned int>(reg) << kRegShift) | instr;
}

unsigned int IM_inst_bit_define(int mem_val, unsigned int instr) {
    return (static_cast<unsigned int>(mem_val) << kAddrShift) | instr;
}

unsigned int NA_inst_bit_define(unsigned int instr) { return instr; }
