// Directive actions: segments, origins, named constants and registers, and the reservation
// of data memory, in each pass.
#include <cstdint>

#include "grammar/statements.h"

namespace {

// The item of a directive line, which carries no mnemonic and no instruction word.
ItemFields directive_item(LineType kind, int address, unsigned int size = 0) {
    ItemFields fields;
    fields.kind = kind;
    fields.address = address;
    fields.word = size;
    return fields;
}

}  // namespace

// Summed in 64 bits, so that no count can wrap.
bool Statements::block_fits(int count) const {
    return static_cast<int64_t>(position_.data_address) + count <= kDataBytes;
}

void Statements::advance_data_address(int count) {
    position_.data_address = static_cast<int>(static_cast<int64_t>(position_.data_address) + count);
}

void Statements::add_db_value(int value) {
    if (db_count_ < kDataBytes) {
        db_values_[db_count_] = static_cast<uint8_t>(static_cast<unsigned int>(value));
    }
    db_count_++;
}

ItemFields Statements::segment(DirectiveCode code, const Operands& /*operands*/) {
    position_.segment = code == DIR_CSEG ? SEG_CODE : SEG_DATA;
    return directive_item(LINE_SEGMENT, -1);
}

ItemFields Statements::segment_with_argument(DirectiveCode /*code*/, const Operands& /*operands*/) {
    if (position_.second_pass) {
        error(MessageKind::kSegmentArgument, "CSEG directive must not have arguments!",
              keyword_start_);
    }
    return directive_item(LINE_ERROR, -1);
}

ItemFields Statements::org(DirectiveCode /*code*/, const Operands& operands) {
    const int address = operands[0].number;
    if (position_.segment == SEG_DATA) {
        if (address < 0 || address > kMaxDataAddr) {
            error(MessageKind::kDataRange,
                  Format_message("Data segment range: [0,%d]", kMaxDataAddr), operands[0].start);
            position_.data_address = 0;
        } else {
            position_.data_address = address;
        }
    } else {
        if (address < 0 || address > kMaxCodeAddr) {
            error(MessageKind::kCodeRange,
                  Format_message("Code segment range: [0,%d]", kMaxCodeAddr), operands[0].start);
            position_.code_address = 0;
        } else {
            position_.code_address = address;
        }
    }
    return directive_item(LINE_ORG, address);
}

ItemFields Statements::equ(DirectiveCode /*code*/, const Operands& operands) {
    const int value = operands[1].number;
    if (!position_.second_pass) {
        define(operands[0].text, SYM_EQU, value, operands[0].start);
    } else if (value < 0 || value > kEquMax) {
        error(MessageKind::kEquRange,
              Format_message(".EQU value must be in range: [0,%d]", kEquMax), operands[1].start);
    }
    return directive_item(LINE_EQU, value);
}

ItemFields Statements::def(DirectiveCode /*code*/, const Operands& operands) {
    const int reg = operands[1].number;
    if (!position_.second_pass) {
        define(operands[0].text, SYM_DEF, reg, operands[0].start);
    } else if (reg < 0 || reg > kRegMax) {
        error(MessageKind::kRegisterRange,
              Format_message("Register must be in range [%d,%d]", 0, kRegMax), operands[1].start);
    }
    return directive_item(LINE_DEF, reg);
}

ItemFields Statements::byte(DirectiveCode /*code*/, const Operands& operands) {
    const int count = operands[0].number;
    if (!position_.second_pass) {
        if (block_fits(count)) {
            advance_data_address(count);
        } else {
            error(MessageKind::kDataFull,
                  Format_message(".BYTE directive attempt to exceed data segment size of: %d",
                                 kDataBytes),
                  keyword_start_);
        }
        return {};
    }
    if (position_.segment != SEG_DATA) {
        error(MessageKind::kWrongSegment, ".BYTE directive only valid in data segment",
              keyword_start_);
    }
    if (count == 0) {
        error(MessageKind::kEmptyBlock, ".BYTE directive must specify non-zero value)",
              keyword_start_);
    }
    const ItemFields fields =
        directive_item(LINE_BYTE, position_.data_address, static_cast<unsigned int>(count));
    if (block_fits(count)) {
        program_.data.reserve(position_.data_address, count);
        advance_data_address(count);
    }
    return fields;
}

ItemFields Statements::db(DirectiveCode /*code*/, const Operands& /*operands*/) {
    const int count = static_cast<int>(db_count_);
    if (!position_.second_pass) {
        if (block_fits(count)) advance_data_address(count);
        return {};
    }
    if (position_.segment != SEG_DATA) {
        error(MessageKind::kWrongSegment, ".DB directive only valid in data segment",
              keyword_start_);
    } else if (!block_fits(count)) {
        error(
            MessageKind::kDataFull,
            Format_message(".DB directive attempt to exceed data segment size of: %d", kDataBytes),
            keyword_start_);
    }
    const ItemFields fields = directive_item(LINE_DB, position_.data_address, db_count_);
    if (block_fits(count)) {
        program_.data.initialise(position_.data_address, db_values_.data(), db_count_);
        advance_data_address(count);
    }
    return fields;
}
