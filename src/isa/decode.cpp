// Decoding walks the opcode table: each format's layout says which bits are operands, which
// tell its rows apart and which must be 0, so a new row is decoded without new code here.
#include "isa/decode.h"

#include <cstddef>
#include <iterator>

namespace {

struct Layout {
    bool reg_x;
    bool reg_y;
    bool value;
    bool address;
};

// The operand fields of each format, indexed by InstFormat, as drawn in isa/opcodes.h.
// clang-format off
constexpr Layout kLayouts[] = {
    // rX     rY     value  address
    {true,  true,  false, false},  // FMT_RR
    {true,  false, true,  false},  // FMT_RI
    {true,  false, false, false},  // FMT_R1
    {false, false, false, true},   // FMT_IM
    {false, false, false, false},  // FMT_NA
};
// clang-format on
static_assert(std::size(kLayouts) == kFormatCount, "one layout per format");

constexpr unsigned int operand_bits(InstFormat format) {
    const Layout& layout = kLayouts[format];
    return (layout.reg_x ? kRegXBits : 0) | (layout.reg_y ? kRegYBits : 0) |
           (layout.value ? kValueBits : 0) | (layout.address ? kAddrBits : 0);
}

// The major opcode, and the minor opcode unless an operand takes its bits.
constexpr unsigned int opcode_bits(InstFormat format) {
    return kMajorBits | (kMinorBits & ~operand_bits(format));
}

// The bits a word of format keeps 0, those above bit 17 among them.
constexpr unsigned int zero_bits(InstFormat format) {
    return ~(opcode_bits(format) | operand_bits(format));
}

constexpr bool matches(const Opcode& row, unsigned int word) {
    return (word & opcode_bits(row.format)) == row.constant && (word & zero_bits(row.format)) == 0;
}

static_assert(
    [] {
        for (const Opcode& row : kOpcodes) {
            if ((row.constant & operand_bits(row.format)) != 0) return false;
        }
        return true;
    }(),
    "constants leave the operand fields of their format clear");
// Two rows that both accept some word would make the decoding depend on the row order.
static_assert(
    [] {
        for (size_t i = 0; i < std::size(kOpcodes); i++) {
            for (size_t j = i + 1; j < std::size(kOpcodes); j++) {
                const Opcode& a = kOpcodes[i];
                const Opcode& b = kOpcodes[j];
                const unsigned int both = opcode_bits(a.format) & opcode_bits(b.format);
                if (((a.constant ^ b.constant) & both) == 0 &&
                    (a.constant & zero_bits(b.format)) == 0 &&
                    (b.constant & zero_bits(a.format)) == 0) {
                    return false;
                }
            }
        }
        return true;
    }(),
    "no word matches two rows");

int field(unsigned int word, bool present, unsigned int bits, int shift) {
    return present ? static_cast<int>((word & bits) >> shift) : 0;
}

}  // namespace

DecodedWord Decode_word(unsigned int word) {
    for (const Opcode& row : kOpcodes) {
        if (!matches(row, word)) continue;
        const Layout& layout = kLayouts[row.format];
        return {&row, field(word, layout.reg_x, kRegXBits, kRegShift),
                field(word, layout.reg_y, kRegYBits, kReg2Shift),
                field(word, layout.value, kValueBits, 0),
                field(word, layout.address, kAddrBits, kAddrShift)};
    }
    return {};
}
