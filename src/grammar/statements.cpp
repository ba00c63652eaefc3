// Line-level actions: labels, empty lines, and the completion of instruction and directive
// lines (definitions and addresses in the first pass, the line's item in the second).
#include "grammar/statements.h"

void Statements::start_second_pass() { position_ = Position{true}; }

void Statements::error(const std::string& message) {
    messages_.error(position_.line, scanner_.line(), message);
}

void Statements::define(const std::string& name, SymbolKind kind, int value) {
    if (!program_.symbols.define(name, kind, value, position_.line)) {
        error(Format_message("Multiple definitions for label: %s", name.c_str()));
    }
}

// Hands the line's item, with the line's messages, to the list, and closes the line. An
// instruction line takes its code address whatever its faults.
void Statements::complete_line(const ItemFields& fields, bool labelled, bool instruction) {
    ItemList& items = program_.items;
    items.append(
        items.make(scanner_.line(), position_.line, fields, messages_.line_messages(), labelled));
    if (instruction) {
        const int address = position_.code_address;
        if (address >= 0 && address <= kMaxCodeAddr) program_.taken_addresses[address] = true;
        position_.code_address++;
    }
    position_.line++;
    messages_.clear_line_messages();
}

void Statements::label_read(const std::string& label) {
    if (!position_.second_pass && label.size() > static_cast<size_t>(kLabelMax)) {
        error(Format_message("Labels must be %d char or less", kLabelMax));
    }
}

void Statements::empty_line_done() {
    if (!position_.second_pass) {
        position_.line++;
        return;
    }
    ItemFields fields;
    fields.address = -1;
    complete_line(fields, false, false);
}

void Statements::label_line_done(const std::string& label) {
    if (!position_.second_pass) {
        define(label, SYM_LABEL,
               position_.segment == SEG_DATA ? position_.data_address : position_.code_address);
        position_.line++;
        return;
    }
    ItemFields fields;
    fields.kind = LINE_LABEL;
    fields.address = position_.code_address;
    complete_line(fields, true, false);
}

void Statements::statement_done(const Keyword& keyword, const FormRow& form,
                                const Operands& operands, const std::string* label) {
    if (keyword.mnemonic != nullptr) {
        if (!position_.second_pass) {
            if (label != nullptr) define(*label, SYM_LABEL, position_.code_address);
            position_.code_address++;
            position_.line++;
            return;
        }
        complete_line(instruction(form, *keyword.mnemonic, operands), label != nullptr, true);
        return;
    }
    const int block_start = position_.data_address;
    const ItemFields fields = directive(form, keyword.directive, operands);
    if (!position_.second_pass) {
        if (label != nullptr) {
            define(*label, keyword.family == Family::kDb ? SYM_DB : SYM_BYTE, block_start);
        }
        position_.line++;
        return;
    }
    complete_line(fields, label != nullptr, false);
}
