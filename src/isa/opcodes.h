// The mnemonic table, the one place that names every instruction, and the encoders of the
// five instruction formats.
//
//   bit   17      13 12       8 7        3 2    0
//   RR   | major    | rX       | rY       | minor |
//   RI   | major    | rX       | value (7..0)     |
//   R1   | major    | rX       | 0        | minor |
//   IM   | major    | address (12..3)     | minor |
//   NA   | major    | 0        | 0        | minor |
#ifndef TEVLIN_ISA_OPCODES_H_
#define TEVLIN_ISA_OPCODES_H_

#include <array>
#include <cstddef>
#include <string_view>

#include "base/global.h"

enum InstFormat : int { FMT_RR, FMT_RI, FMT_R1, FMT_IM, FMT_NA };
constexpr int kFormatCount = FMT_NA + 1;

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

constexpr unsigned int kNoForm = ~0u;  // in a format column: the mnemonic has no such form

struct Mnemonic {
    const char* text;
    Family family;
    unsigned int constants[kFormatCount];  // opcode constant by InstFormat, or kNoForm
};

// Every mnemonic: the scanner reads its spelling from here, the grammar its family,
// the encoders and the decoder its constants. A mnemonic is added with one row.
// clang-format off
inline constexpr Mnemonic kMnemonics[] = {
    // text   family                RR        RI        R1        IM        NA
    {"AND",   Family::kAlu,         {0x00000, 0x20000, kNoForm,  kNoForm,  kNoForm}},
    {"OR",    Family::kAlu,         {0x00001, 0x22000, kNoForm,  kNoForm,  kNoForm}},
    {"EXOR",  Family::kAlu,         {0x00002, 0x24000, kNoForm,  kNoForm,  kNoForm}},
    {"TEST",  Family::kAlu,         {0x00003, 0x26000, kNoForm,  kNoForm,  kNoForm}},
    {"ADD",   Family::kAlu,         {0x02000, 0x28000, kNoForm,  kNoForm,  kNoForm}},
    {"ADDC",  Family::kAlu,         {0x02001, 0x2A000, kNoForm,  kNoForm,  kNoForm}},
    {"SUB",   Family::kAlu,         {0x02002, 0x2C000, kNoForm,  kNoForm,  kNoForm}},
    {"SUBC",  Family::kAlu,         {0x02003, 0x2E000, kNoForm,  kNoForm,  kNoForm}},
    {"CMP",   Family::kAlu,         {0x04000, 0x30000, kNoForm,  kNoForm,  kNoForm}},
    {"MOV",   Family::kAlu,         {0x04001, 0x36000, kNoForm,  kNoForm,  kNoForm}},
    {"LD",    Family::kMemory,      {0x04002, 0x38000, kNoForm,  kNoForm,  kNoForm}},
    {"ST",    Family::kMemory,      {0x04003, 0x3A000, kNoForm,  kNoForm,  kNoForm}},
    {"IN",    Family::kInOut,       {kNoForm, 0x32000, kNoForm,  kNoForm,  kNoForm}},
    {"OUT",   Family::kInOut,       {kNoForm, 0x34000, kNoForm,  kNoForm,  kNoForm}},
    {"BRN",   Family::kBranch,      {kNoForm, kNoForm, kNoForm,  0x08000,  kNoForm}},
    {"CALL",  Family::kBranch,      {kNoForm, kNoForm, kNoForm,  0x08001,  kNoForm}},
    {"BREQ",  Family::kBranch,      {kNoForm, kNoForm, kNoForm,  0x08002,  kNoForm}},
    {"BRNE",  Family::kBranch,      {kNoForm, kNoForm, kNoForm,  0x08003,  kNoForm}},
    {"BRCS",  Family::kBranch,      {kNoForm, kNoForm, kNoForm,  0x0A000,  kNoForm}},
    {"BRCC",  Family::kBranch,      {kNoForm, kNoForm, kNoForm,  0x0A001,  kNoForm}},
    {"LSL",   Family::kOneRegister, {kNoForm, kNoForm, 0x10000,  kNoForm,  kNoForm}},
    {"LSR",   Family::kOneRegister, {kNoForm, kNoForm, 0x10001,  kNoForm,  kNoForm}},
    {"ROL",   Family::kOneRegister, {kNoForm, kNoForm, 0x10002,  kNoForm,  kNoForm}},
    {"ROR",   Family::kOneRegister, {kNoForm, kNoForm, 0x10003,  kNoForm,  kNoForm}},
    {"ASR",   Family::kOneRegister, {kNoForm, kNoForm, 0x12000,  kNoForm,  kNoForm}},
    {"PUSH",  Family::kOneRegister, {kNoForm, kNoForm, 0x12001,  kNoForm,  kNoForm}},
    {"POP",   Family::kOneRegister, {kNoForm, kNoForm, 0x12002,  kNoForm,  kNoForm}},
    {"WSP",   Family::kOneRegister, {kNoForm, kNoForm, 0x14000,  kNoForm,  kNoForm}},
    {"RSP",   Family::kOneRegister, {kNoForm, kNoForm, 0x14001,  kNoForm,  kNoForm}},
    {"CLC",   Family::kNoOperand,   {kNoForm, kNoForm, kNoForm,  kNoForm,  0x18000}},
    {"SEC",   Family::kNoOperand,   {kNoForm, kNoForm, kNoForm,  kNoForm,  0x18001}},
    {"RET",   Family::kNoOperand,   {kNoForm, kNoForm, kNoForm,  kNoForm,  0x18002}},
    {"RETID", Family::kNoOperand,   {kNoForm, kNoForm, kNoForm,  kNoForm,  0x1A002}},
    {"RETIE", Family::kNoOperand,   {kNoForm, kNoForm, kNoForm,  kNoForm,  0x1A003}},
    {"SEI",   Family::kNoOperand,   {kNoForm, kNoForm, kNoForm,  kNoForm,  0x1A000}},
    {"CLI",   Family::kNoOperand,   {kNoForm, kNoForm, kNoForm,  kNoForm,  0x1A001}},
    {"NOP",   Family::kNoOperand,   {kNoForm, kNoForm, kNoForm,  kNoForm,  0x18003}},
};
// clang-format on
constexpr size_t kMnemonicCount = std::size(kMnemonics);

// The formats that the operand forms of each family reach; a directive has none.
constexpr bool Family_has_format(Family family, InstFormat format) {
    switch (family) {
        case Family::kAlu:
        case Family::kMemory:
            return format == FMT_RR || format == FMT_RI;
        case Family::kInOut:
            return format == FMT_RI;
        case Family::kBranch:
            return format == FMT_IM;
        case Family::kOneRegister:
            return format == FMT_R1;
        case Family::kNoOperand:
            return format == FMT_NA;
        case Family::kSegment:
        case Family::kOrg:
        case Family::kEqu:
        case Family::kDef:
        case Family::kByte:
        case Family::kDb:
            break;
    }
    return false;
}

/// True for the families of the mnemonics, false for the directives.
constexpr bool Is_instruction_family(Family family) {
    for (int format = 0; format < kFormatCount; format++) {
        if (Family_has_format(family, static_cast<InstFormat>(format))) return true;
    }
    return false;
}

namespace opcodes_detail {

constexpr bool same_text(const char* a, const char* b) {
    return std::string_view(a) == std::string_view(b);
}

constexpr bool well_formed() {
    for (const Mnemonic& row : kMnemonics) {
        for (int format = 0; format < kFormatCount; format++) {
            const unsigned int constant = row.constants[format];
            const bool has = constant != kNoForm;
            if (has != Family_has_format(row.family, static_cast<InstFormat>(format))) return false;
            if (has && (constant & ~(kMajorBits | kMinorBits)) != 0) return false;
        }
    }
    return true;
}

constexpr bool distinct() {
    for (size_t i = 0; i < kMnemonicCount; i++) {
        for (size_t j = i + 1; j < kMnemonicCount; j++) {
            const Mnemonic& a = kMnemonics[i];
            const Mnemonic& b = kMnemonics[j];
            if (same_text(a.text, b.text)) return false;
            for (int format = 0; format < kFormatCount; format++) {
                if (a.constants[format] != kNoForm && a.constants[format] == b.constants[format]) {
                    return false;
                }
            }
        }
    }
    return true;
}

}  // namespace opcodes_detail

static_assert(opcodes_detail::well_formed(),
              "each mnemonic has a constant exactly for the formats of its family, and the "
              "constants hold only opcode bits");
static_assert(opcodes_detail::distinct(), "spellings and constants differ from row to row");

// One mnemonic in one of its formats.
struct Opcode {
    const char* mnemonic;
    Family family;
    InstFormat format;
    unsigned int constant;
};

namespace opcodes_detail {

constexpr size_t opcode_count() {
    size_t count = 0;
    for (const Mnemonic& row : kMnemonics) {
        for (const unsigned int constant : row.constants) count += constant != kNoForm ? 1 : 0;
    }
    return count;
}

constexpr std::array<Opcode, opcode_count()> opcodes() {
    std::array<Opcode, opcode_count()> rows{};
    size_t next = 0;
    for (int format = 0; format < kFormatCount; format++) {
        for (const Mnemonic& row : kMnemonics) {
            if (row.constants[format] == kNoForm) continue;
            rows[next++] = {row.text, row.family, static_cast<InstFormat>(format),
                            row.constants[format]};
        }
    }
    return rows;
}

}  // namespace opcodes_detail

// Every mnemonic in every format it has, format by format: what the encoders and the decoder
// walk.
inline constexpr std::array<Opcode, opcodes_detail::opcode_count()> kOpcodes =
    opcodes_detail::opcodes();

/// The row of the mnemonic spelt text in format; a row that is not there does not compile where
/// a constant is needed.
constexpr const Opcode& Opcode_of(std::string_view text, InstFormat format) {
    for (const Opcode& row : kOpcodes) {
        if (row.mnemonic == text && row.format == format) return row;
    }
    throw "no such mnemonic in that format";
}

/// Encoders: fields are shifted and ORed, never masked, so an out-of-range field spills
/// into its neighbours.
unsigned int RR_inst_bit_define(int reg1, int reg2, unsigned int instr);
unsigned int RI_inst_bit_define(int reg, int immed, unsigned int instr);
unsigned int R1_inst_bit_define(int reg, unsigned int instr);
unsigned int IM_inst_bit_define(int mem_val, unsigned int instr);
unsigned int NA_inst_bit_define(unsigned int instr);

#endif  // TEVLIN_ISA_OPCODES_H_
