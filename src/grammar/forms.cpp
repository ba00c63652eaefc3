// The operand forms of every instruction family and directive as one table, the prefix
// matcher that walks it, and the actions of the completed forms.
#include <algorithm>
#include <string>
#include <vector>

#include "grammar/statements.h"

namespace {

// What a completed form does: encode an instruction, report a wrong form, or run a directive.
enum class Call { kEncode, kWrong, kDirective };

// Which message a correct form gives when one of its names is not defined.
enum class Undefined {
    kLastWins,   // not-defined message for the last undefined name
    kFirstWins,  // not-defined message for the first undefined name
    kMustBeDef,  // "must be .DEF type" for the undefined name
    kBothNames,  // one message naming both register names
};

using S = Statements;
using DirectiveAction = ItemFields (Statements::*)(DirectiveCode code, const Operands& operands);

struct FormAction {
    Call call;
    InstFormat format;  // the format an instruction is encoded in
    Undefined undefined;
    const char* message;  // the reason a wrong form gives
    DirectiveAction directive;
    bool list;      // the first operand may repeat, separated by commas
    bool accepted;  // a form that the language has, not one that is reported as wrong
};

constexpr FormAction handler(InstFormat format, Undefined undefined = Undefined::kLastWins) {
    return {Call::kEncode, format, undefined, nullptr, nullptr, false, true};
}
constexpr FormAction wrong(const char* message) {
    return {Call::kWrong, FMT_NA, Undefined::kLastWins, message, nullptr, false, false};
}
constexpr FormAction directive(DirectiveAction action) {
    return {Call::kDirective, FMT_NA, Undefined::kLastWins, nullptr, action, false, true};
}
constexpr FormAction wrong_directive(DirectiveAction action) {
    return {Call::kDirective, FMT_NA, Undefined::kLastWins, nullptr, action, false, false};
}
constexpr FormAction value_list(DirectiveAction action) {
    return {Call::kDirective, FMT_NA, Undefined::kLastWins, nullptr, action, true, true};
}

}  // namespace

struct FormRow {
    Family family;
    std::array<int, kMaxFormTokens> tokens;  // the tokens after the keyword, EOL last
    FormAction action;
};

namespace {

using F = Family;

// clang-format off
constexpr FormRow kForms[] = {
    // family         tokens after the keyword          action or message
    {F::kInOut,       {REG, ',', NUM, EOL},             handler(FMT_RI)},
    {F::kInOut,       {REG, ',', SYMBOL, EOL},          handler(FMT_RI)},
    {F::kInOut,       {REGNAME, ',', SYMBOL, EOL},      handler(FMT_RI, Undefined::kFirstWins)},
    {F::kInOut,       {REGNAME, ',', NUM, EOL},         handler(FMT_RI, Undefined::kMustBeDef)},
    {F::kInOut,       {EOL},                            wrong("instruction requires two operands!")},
    {F::kInOut,       {INDREG, EOL},                    wrong("instruction can't use indirect addressing!")},
    {F::kInOut,       {REG, EOL},                       wrong("instruction requires second operand!")},
    {F::kInOut,       {NUM, EOL},                       wrong("instruction also requires register operand!")},
    {F::kInOut,       {SYMBOL, EOL},                    wrong("instruction also requires register operand!")},
    {F::kInOut,       {REG, ',', REG, EOL},             wrong("instruction requires immediate value as second operand!")},
    {F::kInOut,       {NUM, ',', REG, EOL},             wrong("instruction may have operands swapped?")},
    {F::kInOut,       {SYMBOL, ',', REG, EOL},          wrong("instruction may have operands swapped?")},
    {F::kInOut,       {REG, NUM, EOL},                  wrong("instruction may have missing comma?")},
    {F::kInOut,       {REG, SYMBOL, EOL},               wrong("instruction may have missing comma?")},

    {F::kAlu,         {REG, ',', NUM, EOL},             handler(FMT_RI)},
    {F::kAlu,         {REG, ',', SYMBOL, EOL},          handler(FMT_RI)},
    {F::kAlu,         {REGNAME, ',', SYMBOL, EOL},      handler(FMT_RI)},
    {F::kAlu,         {REGNAME, ',', NUM, EOL},         handler(FMT_RI)},
    {F::kAlu,         {REG, ',', REG, EOL},             handler(FMT_RR)},
    {F::kAlu,         {REG, ',', REGNAME, EOL},         handler(FMT_RR)},
    {F::kAlu,         {REGNAME, ',', REG, EOL},         handler(FMT_RR)},
    {F::kAlu,         {REGNAME, ',', REGNAME, EOL},     handler(FMT_RR, Undefined::kBothNames)},
    {F::kAlu,         {REG, ',', INDREG, EOL},          wrong("instruction can't use indirect addressing!")},
    {F::kAlu,         {INDREG, ',', INDREG, EOL},       wrong("instruction can't use indirect addressing!")},
    {F::kAlu,         {INDREG, ',', REG, EOL},          wrong("instruction can't use indirect addressing!")},
    {F::kAlu,         {INDREG, EOL},                    wrong("instruction requires two register-type operands!")},
    {F::kAlu,         {REG, EOL},                       wrong("instruction requires two register-type operands!")},
    {F::kAlu,         {REG, SYMBOL, EOL},               wrong("instruction requires comma between operands!")},
    {F::kAlu,         {SYMBOL, REG, EOL},               wrong("instruction requires comma between operands!")},
    {F::kAlu,         {REG, NUM, EOL},                  wrong("instruction requires comma between operands!")},
    {F::kAlu,         {NUM, REG, EOL},                  wrong("instruction requires comma between operands!")},
    {F::kAlu,         {REG, REG, EOL},                  wrong("instruction requires comma between operands!")},
    {F::kAlu,         {NUM, ',', REG, EOL},             wrong("instruction requires registers for both operands!")},
    {F::kAlu,         {SYMBOL, EOL},                    wrong("instruction requires two operands!")},

    {F::kMemory,      {REG, ',', NUM, EOL},             handler(FMT_RI)},
    {F::kMemory,      {REG, ',', SYMBOL, EOL},          handler(FMT_RI)},
    {F::kMemory,      {REGNAME, ',', NUM, EOL},         handler(FMT_RI)},
    {F::kMemory,      {REGNAME, ',', SYMBOL, EOL},      handler(FMT_RI)},
    {F::kMemory,      {REG, ',', INDREGNAME, EOL},      handler(FMT_RR)},
    {F::kMemory,      {REG, ',', INDREG, EOL},          handler(FMT_RR)},
    {F::kMemory,      {REGNAME, ',', INDREG, EOL},      handler(FMT_RR)},
    {F::kMemory,      {REGNAME, ',', INDREGNAME, EOL},  handler(FMT_RR)},
    {F::kMemory,      {REG, INDREG, EOL},               wrong("instruction is missing comma!")},
    {F::kMemory,      {REG, ',', REG, EOL},             wrong("instruction requires indirect addressess operand!")},
    {F::kMemory,      {REG, REG, EOL},                  wrong("second operand is missing parenthesis!")},
    {F::kMemory,      {INDREG, EOL},                    wrong("instruction requires two operands!")},
    {F::kMemory,      {SYMBOL, INDREG, EOL},            wrong("instruction is missing comma!")},
    {F::kMemory,      {INDREG, ',', REG, EOL},          wrong("instruction format is rx,(ry)!")},
    {F::kMemory,      {REG, EOL},                       wrong("instruction requires two operands!")},

    {F::kOneRegister, {REG, EOL},                       handler(FMT_R1)},
    {F::kOneRegister, {REGNAME, EOL},                   handler(FMT_R1)},
    {F::kOneRegister, {INDREG, EOL},                    wrong("instruction can't use indirect addressing!")},
    {F::kOneRegister, {REG, ',', SYMBOL, EOL},          wrong("instruction uses only one register!")},
    {F::kOneRegister, {REG, ',', REG, EOL},             wrong("instruction uses only one register!")},
    {F::kOneRegister, {NUM, EOL},                       wrong("instructions use register operand (not values)!")},
    {F::kOneRegister, {EOL},                            wrong("instruction requires one register operand!")},

    {F::kBranch,      {SYMBOL, EOL},                    handler(FMT_IM)},
    {F::kBranch,      {NUM, EOL},                       handler(FMT_IM)},
    {F::kBranch,      {INDREG, EOL},                    wrong("tInstruction can't use indirect addressing!")},
    {F::kBranch,      {EOL},                            wrong("Instruction requires one label-type operand!")},
    {F::kBranch,      {REG, EOL},                       wrong("Instruction requires one label-type operand!")},
    {F::kBranch,      {REG, ',', REG, EOL},             wrong("Instruction requires one label-type operand!")},

    {F::kNoOperand,   {EOL},                            handler(FMT_NA)},
    {F::kNoOperand,   {NUM, EOL},                       wrong("instruction has no operands!")},
    {F::kNoOperand,   {SYMBOL, EOL},                    wrong("instruction has no operands!")},
    {F::kNoOperand,   {REG, EOL},                       wrong("instruction has no operands!")},
    {F::kNoOperand,   {INDREG, EOL},                    wrong("instruction has no operands!")},

    {F::kSegment,     {EOL},                            directive(&S::segment)},
    {F::kSegment,     {NUM, EOL},                       wrong_directive(&S::segment_with_argument)},
    {F::kOrg,         {NUM, EOL},                       directive(&S::org)},
    {F::kByte,        {NUM, EOL},                       directive(&S::byte)},
    {F::kDb,          {NUM, EOL},                       value_list(&S::db)},
    {F::kEqu,         {SYMBOL, '=', NUM, EOL},          directive(&S::equ)},
    {F::kDef,         {REGNAME, '=', REG, EOL},         directive(&S::def)},
};
// clang-format on

constexpr size_t kFormCount = std::size(kForms);

// One more than the highest family that a keyword begins or a form names.
constexpr size_t kFamilyCount = [] {
    size_t count = 0;
    const auto count_in = [&count](Family family) {
        count = std::max(count, static_cast<size_t>(family) + 1);
    };
    for (const Mnemonic& mnemonic : kMnemonics) count_in(mnemonic.family);
    for (const Directive& directive : kDirectives) count_in(directive.family);
    for (const FormRow& row : kForms) count_in(row.family);
    return count;
}();

// The rows of one family: kForms[first] up to, not including, kForms[last].
struct FamilyRows {
    size_t first = 0;
    size_t last = 0;
};

constexpr std::array<FamilyRows, kFamilyCount> rows_by_family() {
    std::array<FamilyRows, kFamilyCount> rows{};
    for (size_t i = kFormCount; i-- > 0;) {
        FamilyRows& family = rows[static_cast<size_t>(kForms[i].family)];
        if (family.last == 0) family.last = i + 1;
        family.first = i;
    }
    return rows;
}
// The matcher walks only the rows of the line's family, not the whole table, per token.
constexpr std::array<FamilyRows, kFamilyCount> kFamilyRows = rows_by_family();

constexpr bool has_forms(Family family) {
    const FamilyRows& rows = kFamilyRows[static_cast<size_t>(family)];
    return rows.last > rows.first;
}

constexpr bool is_begun_by_a_keyword(Family family) {
    for (const Mnemonic& mnemonic : kMnemonics) {
        if (mnemonic.family == family) return true;
    }
    for (const Directive& directive : kDirectives) {
        if (directive.family == family) return true;
    }
    return false;
}

static_assert(
    [] {
        for (const Mnemonic& mnemonic : kMnemonics) {
            if (!has_forms(mnemonic.family)) return false;
        }
        for (const Directive& directive : kDirectives) {
            if (!has_forms(directive.family)) return false;
        }
        return true;
    }(),
    "every family of a mnemonic or directive has its operand forms in kForms");

// An instruction form encodes in a format of its family; a directive form runs a directive.
static_assert(
    [] {
        for (const FormRow& row : kForms) {
            if (!is_begun_by_a_keyword(row.family)) return false;
            const bool instruction = Is_instruction_family(row.family);
            switch (row.action.call) {
                case Call::kEncode:
                    if (!Family_has_format(row.family, row.action.format)) return false;
                    break;
                case Call::kWrong:
                    if (!instruction) return false;
                    break;
                case Call::kDirective:
                    if (instruction) return false;
                    break;
            }
        }
        return true;
    }(),
    "every form belongs to a family that a keyword begins, and its action fits the family");

// The rows of each family stand together, so the ranges cover every row exactly once.
constexpr bool families_are_grouped() {
    size_t covered = 0;
    for (const FamilyRows& family : kFamilyRows) {
        for (size_t i = family.first; i < family.last; i++) {
            if (kForms[i].family != kForms[family.first].family) return false;
        }
        covered += family.last - family.first;
    }
    return covered == kFormCount;
}
static_assert(families_are_grouped(), "the forms of one family must stand together");

// Every form ends in EOL, and EOL ends it: a form is complete exactly when EOL is shifted.
constexpr bool forms_end_in_eol() {
    for (const FormRow& row : kForms) {
        int eol = 0;
        while (eol < kMaxFormTokens && row.tokens[eol] != EOL) eol++;
        if (eol == kMaxFormTokens) return false;
        for (int i = eol + 1; i < kMaxFormTokens; i++) {
            if (row.tokens[i] != 0) return false;
        }
    }
    return true;
}
static_assert(forms_end_in_eol(), "every form must end with EOL");

// No token sequence completes two forms of one family.
constexpr bool forms_are_distinct() {
    for (size_t a = 0; a < kFormCount; a++) {
        for (size_t b = a + 1; b < kFormCount; b++) {
            if (kForms[a].family != kForms[b].family) continue;
            bool same = true;
            for (size_t i = 0; i < kMaxFormTokens; i++) {
                same = same && kForms[a].tokens[i] == kForms[b].tokens[i];
            }
            if (same) return false;
        }
    }
    return true;
}
static_assert(forms_are_distinct(), "two forms of one family must differ");

// A number written as a branch target is accepted up to this value.
constexpr int kBranchNumberMax = 1024;

struct Resolved {
    int value = 0;
    const Symbol* symbol = nullptr;  // the defined name written, whose reference is recorded
    bool defined = true;
};

// The value of an operand: a register or number as written, a name through the table, where
// a register name must be a .DEF name and any other name must not.
Resolved resolve(const Operand& operand, const SymbolTable& symbols) {
    Resolved resolved;
    if (operand.token != SYMBOL && operand.token != REGNAME && operand.token != INDREGNAME) {
        resolved.value = operand.number;
        return resolved;
    }
    const Symbol* symbol = symbols.find(operand.text);
    resolved.defined = symbol != nullptr && (symbol->kind == SYM_DEF) == (operand.token != SYMBOL);
    if (resolved.defined) {
        resolved.value = symbol->value;
        resolved.symbol = symbol;
    }
    return resolved;
}

// The message of a correct form that names an undefined name, and the operand it points at.
struct Undefined_name {
    std::string message;
    size_t operand = 0;
};

Undefined_name undefined_message(Undefined undefined, const Operands& operands,
                                 const std::vector<Resolved>& resolved) {
    size_t named = 0;
    for (size_t i = 0; i < resolved.size(); i++) {
        if (resolved[i].defined) continue;
        named = i;
        if (undefined == Undefined::kFirstWins || undefined == Undefined::kBothNames) break;
    }
    if (undefined == Undefined::kBothNames) {
        const std::string first(operands[0].text);
        const std::string second(operands[1].text);
        return {Format_message("problems with label \"%s\" and \"%s\" !", first.c_str(),
                               second.c_str()),
                named};
    }
    const std::string name(operands[named].text);
    if (undefined == Undefined::kMustBeDef) {
        return {Format_message("label \"%s\" must be .DEF type!", name.c_str()), named};
    }
    return {Format_message("label \"%s\" has not been defined!", name.c_str()), named};
}

// What a number operand stands for in an instruction of family.
const char* value_word(Family family) {
    switch (family) {
        case Family::kMemory:
            return "address";
        case Family::kBranch:
            return "label";
        case Family::kInOut:
            return "port";
        default:
            return "value";
    }
}

// How a form writes the operand token: the names the README's tables use.
std::string operand_word(int token, Family family, int registers_before) {
    const bool instruction = Is_instruction_family(family);
    switch (token) {
        case ',':
            return ",";
        case '=':
            return " =";
        case REG:
        case REGNAME:
            if (!instruction) return token == REG ? " rN" : " R_name";
            return registers_before == 0 ? " rX" : " rY";
        case INDREG:
        case INDREGNAME:
            return " (rY)";
        case SYMBOL:
            return instruction ? std::string(" ") + value_word(family) : " name";
        default:
            return instruction ? std::string(" ") + value_word(family) : " n";
    }
}

}  // namespace

std::string Written_forms(const Keyword& keyword) {
    const std::string spelling =
        keyword.mnemonic != nullptr ? keyword.mnemonic->text : Directive_of(keyword.directive).text;
    // An instruction's forms come one a format, in the formats' order, each as its first row.
    std::vector<const FormRow*> shown;
    const FamilyRows& rows = kFamilyRows[static_cast<size_t>(keyword.family)];
    for (int format = 0; format < kFormatCount; format++) {
        for (size_t i = rows.first; i < rows.last; i++) {
            const FormAction& action = kForms[i].action;
            if (action.call == Call::kEncode && action.format == format) {
                shown.push_back(&kForms[i]);
                break;
            }
        }
    }
    for (size_t i = rows.first; i < rows.last; i++) {
        if (kForms[i].action.call == Call::kDirective && kForms[i].action.accepted) {
            shown.push_back(&kForms[i]);
        }
    }
    std::string forms;
    for (const FormRow* row : shown) {
        std::string form = spelling;
        int registers = 0;
        for (const int token : row->tokens) {
            if (token == EOL) break;
            form += operand_word(token, keyword.family, registers);
            registers += token == REG || token == REGNAME ? 1 : 0;
        }
        if (row->action.list)
            form += "," + operand_word(row->tokens[0], keyword.family, 0) + ", ...";
        forms += (forms.empty() ? "`" : " or `") + form + "`";
    }
    return forms;
}

void FormMatcher::start(Family family) {
    family_ = family;
    count_ = 0;
    after_list_comma_ = false;
    complete_ = nullptr;
    operands_.clear();
}

bool FormMatcher::extends(const FormRow& row, int token) const {
    if (row.family != family_ || count_ >= kMaxFormTokens) return false;
    for (int i = 0; i < count_; i++) {
        if (row.tokens[i] != shifted_[i]) return false;
    }
    return row.tokens[count_] == token;
}

bool FormMatcher::continues_list(const FormRow& row, int token) const {
    return row.family == family_ && row.action.list && count_ == 1 &&
           row.tokens[0] == shifted_[0] && token == ',';
}

void FormMatcher::add_expected(TokenSet& expected, bool accepted_only) const {
    if (after_list_comma_) {
        expected.set(static_cast<size_t>(shifted_[0]));
        return;
    }
    const FamilyRows& rows = kFamilyRows[static_cast<size_t>(family_)];
    for (size_t i = rows.first; i < rows.last; i++) {
        const FormRow& row = kForms[i];
        if (accepted_only && !row.action.accepted) continue;
        if (count_ < kMaxFormTokens) {
            const int next = row.tokens[static_cast<size_t>(count_)];
            if (extends(row, next)) expected.set(static_cast<size_t>(next));
        }
        if (continues_list(row, ',')) expected.set(',');
    }
}

FormMatcher::Result FormMatcher::shift(int token, const TokenValue& value, size_t start) {
    if (after_list_comma_) {
        // Only another value of the list may follow its comma.
        after_list_comma_ = false;
        return token == shifted_[0] ? Result::kShifted : Result::kRejected;
    }
    const FormRow* extended = nullptr;
    bool list_comma = false;
    const FamilyRows& rows = kFamilyRows[static_cast<size_t>(family_)];
    for (size_t i = rows.first; i < rows.last; i++) {
        const FormRow& row = kForms[i];
        if (extends(row, token)) {
            extended = &row;
            break;
        }
        list_comma = list_comma || continues_list(row, token);
    }
    if (extended == nullptr) {
        after_list_comma_ = list_comma;
        return list_comma ? Result::kShifted : Result::kRejected;
    }
    shifted_[static_cast<size_t>(count_)] = token;
    count_++;
    if (token == EOL) {
        complete_ = extended;
        return Result::kComplete;
    }
    if (token != ',' && token != '=') {
        operands_.push_back(token, value, start);
    }
    return Result::kShifted;
}

ItemFields Statements::directive(const FormRow& form, DirectiveCode code,
                                 const Operands& operands) {
    return (this->*form.action.directive)(code, operands);
}

// A correct form resolves its names, records a reference for each, and is encoded; a wrong
// form, or one with an undefined name, gives its message.
ItemFields Statements::instruction(const FormRow& form, const Mnemonic& mnemonic,
                                   const Operands& operands) {
    const FormAction& action = form.action;
    if (action.call == Call::kWrong) {
        return wrong_form(MessageKind::kWrongOperands, mnemonic, action.message, keyword_start_);
    }
    std::vector<Resolved> resolved;
    bool all_defined = true;
    for (const Operand& operand : operands) {
        resolved.push_back(resolve(operand, program_.symbols));
        all_defined = all_defined && resolved.back().defined;
    }
    if (!all_defined) {
        const Undefined_name undefined = undefined_message(action.undefined, operands, resolved);
        return wrong_form(MessageKind::kUndefinedName, mnemonic, undefined.message,
                          operands[undefined.operand].start);
    }
    for (const Resolved& operand : resolved) {
        if (operand.symbol != nullptr) {
            program_.symbols.add_reference(*operand.symbol, position_.line);
        }
    }
    if (action.format == FMT_IM && operands[0].token == NUM &&
        resolved[0].value > kBranchNumberMax) {
        return wrong_form(MessageKind::kBranchTargetRange, mnemonic,
                          Format_message("value %d is out of range!", resolved[0].value),
                          operands[0].start);
    }
    const int first = resolved.empty() ? 0 : resolved[0].value;
    const int second = resolved.size() < 2 ? 0 : resolved[1].value;
    return encode(mnemonic, action.format, operands, first, second);
}
