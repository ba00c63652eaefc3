// The second-pass checks of an instruction: its segment, its address and its operands. The
// word is encoded whatever the checks found; a failed check makes the line an error line.
#include "grammar/statements.h"

namespace {

bool in_program_memory(int addr) { return addr >= 0 && addr <= kMaxCodeAddr; }

bool is_register(int reg) { return reg >= 0 && reg <= kRegMax; }

}  // namespace

// The checks that every format shares: segment, then the code address the line stands at.
// Returns true when one of them failed.
bool Statements::check_placement() {
    bool failed = false;
    const int address = position_.code_address;
    if (position_.segment != SEG_CODE) {
        error(MessageKind::kWrongSegment, "Instructions must be specified in code segment",
              keyword_start_);
        failed = true;
    }
    if (address > kMaxCodeAddr) {
        error(MessageKind::kCodeRange, Format_message("Code segment range: [0,%d]", kMaxCodeAddr),
              keyword_start_);
        failed = true;
    }
    if (in_program_memory(address) && program_.taken_addresses[address]) {
        error(MessageKind::kOverlappingCode,
              Format_message("Overlapping code at address 0x%03X", address), keyword_start_);
        failed = true;
    }
    return failed;
}

// first and second are the values of operands in the order the format takes them: registers,
// then a value or an address.
ItemFields Statements::encode(const Mnemonic& mnemonic, InstFormat format, const Operands& operands,
                              int first, int second) {
    bool failed = check_placement();
    const auto out_of_range = [&](MessageKind kind, const std::string& message, size_t operand) {
        error(kind, message, operands[operand].start);
        failed = true;
    };
    const auto register_range = [] {
        return Format_message("Register must be in range [%d,%d]", 0, kRegMax);
    };
    const unsigned int constant = mnemonic.constants[format];
    unsigned int word = 0;
    switch (format) {
        case FMT_RR:
            if (!is_register(first)) {
                out_of_range(MessageKind::kRegisterRange,
                             Format_message("First register must be in range [%d,%d]", 0, kRegMax),
                             0);
            }
            if (!is_register(second)) {
                out_of_range(MessageKind::kRegisterRange,
                             Format_message("Second register must be in range [%d,%d]", 0, kRegMax),
                             1);
            }
            word = RR_inst_bit_define(first, second, constant);
            break;
        case FMT_RI:
            if (!is_register(first)) out_of_range(MessageKind::kRegisterRange, register_range(), 0);
            if (second > kByteMax) {
                second &= kByteMax;
                out_of_range(
                    MessageKind::kValueTruncated,
                    Format_message("Register value greate than %d (truncation occurs)", kByteMax),
                    1);
            }
            word = RI_inst_bit_define(first, second, constant);
            break;
        case FMT_R1:
            if (!is_register(first)) out_of_range(MessageKind::kRegisterRange, register_range(), 0);
            word = R1_inst_bit_define(first, constant);
            break;
        case FMT_IM:
            if (!in_program_memory(first)) {
                out_of_range(MessageKind::kCodeRange,
                             Format_message("Code segment range: [0,%d]", kMaxCodeAddr), 0);
            }
            word = IM_inst_bit_define(first, constant);
            break;
        case FMT_NA:
            word = NA_inst_bit_define(constant);
            break;
    }
    ItemFields fields;
    fields.kind = failed ? LINE_ERROR : LINE_INSTRUCTION;
    fields.address = position_.code_address;
    fields.mnemonic = mnemonic.text;
    fields.word = word;
    return fields;
}

ItemFields Statements::wrong_form(MessageKind kind, const Mnemonic& mnemonic,
                                  const std::string& reason, size_t focus) {
    error(kind, std::string(mnemonic.text) + " " + reason, focus);
    ItemFields fields;
    fields.kind = LINE_ERROR;
    return fields;
}
