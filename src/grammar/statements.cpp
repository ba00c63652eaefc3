// Line-level actions: labels, empty lines, and the completion of instruction and directive
// lines (definitions and addresses in the first pass, the line's item in the second).
#include "grammar/statements.h"

#include <utility>

void Statements::start_second_pass() { position_ = Position{true}; }

void Statements::error(MessageKind kind, const std::string& message, size_t focus) {
    Detail detail;
    if (messages_.wants_details()) {
        Trouble trouble;
        trouble.kind = kind;
        trouble.focus = focus;
        detail = explainer_.explain(trouble, position_.line);
    }
    messages_.error(kind, position_.line, scanner_.line(), message, std::move(detail));
}

// A name's column is kept for the editors, which point at its definition.
void Statements::define(std::string_view name, SymbolKind kind, int value, size_t focus) {
    const int column = messages_.wants_details() ? scanner_.span_of(focus, focus).column : 0;
    if (!program_.symbols.define(name, kind, value, position_.line, column)) {
        error(MessageKind::kDuplicateName, "Multiple definitions for label: " + std::string(name),
              focus);
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

void Statements::label_read(std::string_view label, size_t label_start) {
    if (!position_.second_pass && label.size() > static_cast<size_t>(kLabelMax)) {
        error(MessageKind::kLongLabel, Format_message("Labels must be %d char or less", kLabelMax),
              label_start);
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

void Statements::label_line_done(std::string_view label, size_t label_start) {
    if (!position_.second_pass) {
        define(label, SYM_LABEL,
               position_.segment == SEG_DATA ? position_.data_address : position_.code_address,
               label_start);
        position_.line++;
        return;
    }
    ItemFields fields;
    fields.kind = LINE_LABEL;
    fields.address = position_.code_address;
    complete_line(fields, true, false);
}

void Statements::statement_done(const Keyword& keyword, size_t keyword_start, const FormRow& form,
                                const Operands& operands, const std::string_view* label,
                                size_t label_start) {
    keyword_start_ = keyword_start;
    if (keyword.mnemonic != nullptr) {
        if (!position_.second_pass) {
            if (label != nullptr) define(*label, SYM_LABEL, position_.code_address, label_start);
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
            define(*label, keyword.family == Family::kDb ? SYM_DB : SYM_BYTE, block_start,
                   label_start);
        }
        position_.line++;
        return;
    }
    complete_line(fields, label != nullptr, false);
}
