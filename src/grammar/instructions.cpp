// The second-pass checks of an instruction: its segment, its address and its operands. The
// word is encoded whatever the checks found; a failed check makes the line an error line.
#include "grammar/statements.h"

namespace {

bool in_program_memory(int addr) { return addr >= 0 && addr <= kMaxCodeAddr; }

bool is_register(int reg) { return reg >= 0 && reg <= kRegMax; }

// The kind of an instruction's line, by InstFormat.
constexpr LineType kInstructionLine[] = {LINE_INSTR_RR, LINE_INSTR_RI, LINE_INSTR_R1, LINE_INSTR_IM,
                                         LINE_INSTR_NA};
static_assert(std::size(kInstructionLine) == kFormatCount, "a kind of line per format");

}  // namespace

// The checks that every format shares: segment, then the code address the line stands at.
// Returns true when one of them failed.
bool Statements::check_placement() {
    bool failed = false;
    const int address = position_.code_address;
    if (position_.segment != SEG_CODE) {
        error("Instructions must be specified in code segment");
        failed = true;
    }
    if (address > kMaxCodeAddr) {
        error(Format_message("Code segment range: [0,%d]", kMaxCodeAddr));
        failed = true;
    }
    if (in_program_memory(address) && program_.taken_addresses[address]) {
        error(Format_message("Overlapping code at address 0x%03X", address));
        failed = true;
    }
    return failed;
}

// first and second are the operands in the order the format takes them: registers, then a
// value or an address.
ItemFields Statements::encode(const Mnemonic& mnemonic, InstFormat format, int first, int second) {
    bool failed = check_placement();
    const unsigned int constant = mnemonic.constants[format];
    unsigned int word = 0;
    switch (format) {
        case FMT_RR:
            if (!is_register(first)) {
                error(Format_message("First register must be in range [%d,%d]", 0, kRegMax));
                failed = true;
            }
            if (!is_register(second)) {
                error(Format_message("Second register must be in range [%d,%d]", 0, kRegMax));
                failed = true;
            }
            word = RR_inst_bit_define(first, second, constant);
            break;
        case FMT_RI:
            if (!is_register(first)) {
                error(Format_message("Register must be in range [%d,%d]", 0, kRegMax));
                failed = true;
            }
            if (second > kByteMax) {
                second &= kByteMax;
                error(
                    Format_message("Register value greate than %d (truncation occurs)", kByteMax));
                failed = true;
            }
            word = RI_inst_bit_define(first, second, constant);
            break;
        case FMT_R1:
            if (!is_register(first)) {
                error(Format_message("Register must be in range [%d,%d]", 0, kRegMax));
                failed = true;
            }
            word = R1_inst_bit_define(first, constant);
            break;
        case FMT_IM:
            if (!in_program_memory(first)) {
                error(Format_message("Code segment range: [0,%d]", kMaxCodeAddr));
                failed = true;
            }
            word = IM_inst_bit_define(first, constant);
            break;
        case FMT_NA:
            word = NA_inst_bit_define(constant);
            break;
    }
    ItemFields fields;
    fields.kind = failed ? LINE_ERROR : kInstructionLine[format];
    fields.address = position_.code_address;
    fields.mnemonic = mnemonic.text;
    fields.word = word;
    return fields;
}

ItemFields Statements::wrong_form(const Mnemonic& mnemonic, const std::string& reason) {
    error(std::string(mnemonic.text) + " " + reason);
    ItemFields fields;
    fields.kind = LINE_ERROR;
    return fields;
}
