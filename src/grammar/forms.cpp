// The operand forms of every instruction family and directive as one table, the prefix
// matcher that walks it, and the second-pass actions of the instruction forms.
#include <string>
#include <vector>

#include "diag/diag.h"
#include "driver/base/state.h"
#include "grammar/actions.h"
#include "isa/handlers.h"
#include "symbols/symbols.h"

namespace {

// What a completed form does: call the handler of a format, report a wrong form, or run a
// directive.
enum class Call { kRR, kRI, kR1, kIM, kNA, kWrong, kDirective };

// Which message a correct form gives when one of its names is not defined.
enum class Undefined {
    kLastWins,   // not-defined message for the last undefined name
    kFirstWins,  // not-defined message for the first undefined name
    kMustBeDef,  // "must be .DEF type" for the undefined name
    kBothNames,  // one message naming both register names
};

using DirectiveAction = void (*)(int code, const Operands& operands);

struct FormAction {
    Call call;
    Undefined undefined;
    const char* message;  // reason handed to Bad_instruction_handler by a wrong form
    DirectiveAction directive;
    bool list;  // the first operand may repeat, separated by commas
};

constexpr FormAction handler(Call call, Undefined undefined = Undefined::kLastWins) {
    return {call, undefined, nullptr, nullptr, false};
}
constexpr FormAction wrong(const char* message) {
    return {Call::kWrong, Undefined::kLastWins, message, nullptr, false};
}
constexpr FormAction directive(DirectiveAction action) {
    return {Call::kDirective, Undefined::kLastWins, nullptr, action, false};
}
constexpr FormAction value_list(DirectiveAction action) {
    return {Call::kDirective, Undefined::kLastWins, nullptr, action, true};
}

}  // namespace

struct FormRow {
    Family family;
    std::array<int, kMaxFormTokens> tokens;  // the tokens after the keyword, EOL last
    FormAction action;
};

namespace {

using F = Family;
constexpr Call RR = Call::kRR;
constexpr Call RI = Call::kRI;
constexpr Call R1 = Call::kR1;
constexpr Call IM = Call::kIM;
constexpr Call NA = Call::kNA;

// clang-format off
constexpr FormRow kForms[] = {
    // family     tokens after the keyword                action or message
    {F::kIo,     {REG, ',', NUM, EOL},                  handler(RI)},
    {F::kIo,     {REG, ',', SYMBOL, EOL},               handler(RI)},
    {F::kIo,     {REGNAME, ',', SYMBOL, EOL},           handler(RI, Undefined::kFirstWins)},
    {F::kIo,     {REGNAME, ',', NUM, EOL},              handler(RI, Undefined::kMustBeDef)},
    {F::kIo,     {EOL},                                 wrong("instruction requires two operands!")},
    {F::kIo,     {INDREG, EOL},                         wrong("instruction can't use indirect addressing!")},
    {F::kIo,     {REG, EOL},                            wrong("instruction requires second operand!")},
    {F::kIo,     {NUM, EOL},                            wrong("instruction also requires register operand!")},
    {F::kIo,     {SYMBOL, EOL},                         wrong("instruction also requires register operand!")},
    {F::kIo,     {REG, ',', REG, EOL},                  wrong("instruction requires immediate value as second operand!")},
    {F::kIo,     {NUM, ',', REG, EOL},                  wrong("instruction may have operands swapped?")},
    {F::kIo,     {SYMBOL, ',', REG, EOL},               wrong("instruction may have operands swapped?")},
    {F::kIo,     {REG, NUM, EOL},                       wrong("instruction may have missing comma?")},
    {F::kIo,     {REG, SYMBOL, EOL},                    wrong("instruction may have missing comma?")},

    {F::kAlu,    {REG, ',', NUM, EOL},                  handler(RI)},
    {F::kAlu,    {REG, ',', SYMBOL, EOL},               handler(RI)},
    {F::kAlu,    {REGNAME, ',', SYMBOL, EOL},           handler(RI)},
    {F::kAlu,    {REGNAME, ',', NUM, EOL},              handler(RI)},
    {F::kAlu,    {REG, ',', REG, EOL},                  handler(RR)},
    {F::kAlu,    {REG, ',', REGNAME, EOL},              handler(RR)},
    {F::kAlu,    {REGNAME, ',', REG, EOL},              handler(RR)},
    {F::kAlu,    {REGNAME, ',', REGNAME, EOL},          handler(RR, Undefined::kBothNames)},
    {F::kAlu,    {REG, ',', INDREG, EOL},               wrong("instruction can't use indirect addressing!")},
    {F::kAlu,    {INDREG, ',', INDREG, EOL},            wrong("instruction can't use indirect addressing!")},
    {F::kAlu,    {INDREG, ',', REG, EOL},               wrong("instruction can't use indirect addressing!")},
    {F::kAlu,    {INDREG, EOL},                         wrong("instruction requires two register-type operands!")},
    {F::kAlu,    {REG, EOL},                            wrong("instruction requires two register-type operands!")},
    {F::kAlu,    {REG, SYMBOL, EOL},                    wrong("instruction requires comma between operands!")},
    {F::kAlu,    {SYMBOL, REG, EOL},                    wrong("instruction requires comma between operands!")},
    {F::kAlu,    {REG, NUM, EOL},                       wrong("instruction requires comma between operands!")},
    {F::kAlu,    {NUM, REG, EOL},                       wrong("instruction requires comma between operands!")},
    {F::kAlu,    {REG, REG, EOL},                       wrong("instruction requires comma between operands!")},
    {F::kAlu,    {NUM, ',', REG, EOL},                  wrong("instruction requires registers for both operands!")},
    {F::kAlu,    {SYMBOL, EOL},                         wrong("instruction requires two operands!")},

    {F::kMem,    {REG, ',', NUM, EOL},                  handler(RI)},
    {F::kMem,    {REG, ',', SYMBOL, EOL},               handler(RI)},
    {F::kMem,    {REGNAME, ',', NUM, EOL},              handler(RI)},
    {F::kMem,    {REGNAME, ',', SYMBOL, EOL},           handler(RI)},
    {F::kMem,    {REG, ',', INDREGNAME, EOL},           handler(RR)},
    {F::kMem,    {REG, ',', INDREG, EOL},               handler(RR)},
    {F::kMem,    {REGNAME, ',', INDREG, EOL},           handler(RR)},
    {F::kMem,    {REGNAME, ',', INDREGNAME, EOL},       handler(RR)},
    {F::kMem,    {REG, INDREG, EOL},                    wrong("instruction is missing comma!")},
    {F::kMem,    {REG, ',', REG, EOL},                  wrong("instruction requires indirect addressess operand!")},
    {F::kMem,    {REG, REG, EOL},                       wrong("second operand is missing parenthesis!")},
    {F::kMem,    {INDREG, EOL},                         wrong("instruction requires two operands!")},
    {F::kMem,    {SYMBOL, INDREG, EOL},                 wrong("instruction is missing comma!")},
    {F::kMem,    {INDREG, ',', REG, EOL},               wrong("instruction format is rx,(ry)!")},
    {F::kMem,    {REG, EOL},                            wrong("instruction requires two operands!")},

    {F::kR1,     {REG, EOL},                            handler(R1)},
    {F::kR1,     {REGNAME, EOL},                        handler(R1)},
    {F::kR1,     {INDREG, EOL},                         wrong("instruction can't use indirect addressing!")},
    {F::kR1,     {REG, ',', SYMBOL, EOL},               wrong("instruction uses only one register!")},
    {F::kR1,     {REG, ',', REG, EOL},                  wrong("instruction uses only one register!")},
    {F::kR1,     {NUM, EOL},                            wrong("instructions use register operand (not values)!")},
    {F::kR1,     {EOL},                                 wrong("instruction requires one register operand!")},

    {F::kBranch, {SYMBOL, EOL},                         handler(IM)},
    {F::kBranch, {NUM, EOL},                            handler(IM)},
    {F::kBranch, {INDREG, EOL},                         wrong("tInstruction can't use indirect addressing!")},
    {F::kBranch, {EOL},                                 wrong("Instruction requires one label-type operand!")},
    {F::kBranch, {REG, EOL},                            wrong("Instruction requires one label-type operand!")},
    {F::kBranch, {REG, ',', REG, EOL},                  wrong("Instruction requires one label-type operand!")},

    {F::kNa,     {EOL},                                 handler(NA)},
    {F::kNa,     {NUM, EOL},                            wrong("instruction has no operands!")},
    {F::kNa,     {SYMBOL, EOL},                         wrong("instruction has no operands!")},
    {F::kNa,     {REG, EOL},                            wrong("instruction has no operands!")},
    {F::kNa,     {INDREG, EOL},                         wrong("instruction has no operands!")},

    {F::kSeg,    {EOL},                                 directive(Segment_directive)},
    {F::kSeg,    {NUM, EOL},                            directive(Segment_argument_directive)},
    {F::kOrg,    {NUM, EOL},                            directive(Org_directive)},
    {F::kByte,   {NUM, EOL},                            directive(Byte_directive)},
    {F::kDb,     {NUM, EOL},                            value_list(Db_directive)},
    {F::kEqu,    {SYMBOL, '=', NUM, EOL},               directive(Equ_directive)},
    {F::kDef,    {REGNAME, '=', REG, EOL},              directive(Def_directive)},
};
// clang-format on

constexpr size_t kFormCount = sizeof kForms / sizeof kForms[0];
constexpr size_t kFamilyCount = static_cast<size_t>(Family::kDb) + 1;

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
    constexpr int count = sizeof kForms / sizeof kForms[0];
    for (int a = 0; a < count; a++) {
        for (int b = a + 1; b < count; b++) {
            if (kForms[a].family != kForms[b].family) continue;
            bool same = true;
            for (int i = 0; i < kMaxFormTokens; i++) {
                if (kForms[a].tokens[i] != kForms[b].tokens[i]) same = false;
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
    bool is_name = false;
    bool defined = true;
};

// The value of an operand: a register or number as written, a name through the table.
Resolved resolve(const Operand& operand) {
    Resolved resolved;
    switch (operand.token) {
        case SYMBOL:
            resolved.is_name = true;
            resolved.defined =
                Is_symbol_valid_nonreg_type(Symbol_Table, operand.str, &resolved.value) != 0;
            break;
        case REGNAME:
        case INDREGNAME:
            resolved.is_name = true;
            resolved.defined =
                Is_symbol_valid_regdef(Symbol_Table, operand.str, &resolved.value) != 0;
            break;
        default:
            resolved.value = operand.val;
            break;
    }
    return resolved;
}

std::string undefined_message(Undefined undefined, const Operands& operands,
                              const std::vector<Resolved>& resolved) {
    if (undefined == Undefined::kBothNames) {
        return Format_message("problems with label \"%s\" and \"%s\" !", operands[0].str.c_str(),
                              operands[1].str.c_str());
    }
    size_t named = 0;
    for (size_t i = 0; i < resolved.size(); i++) {
        if (resolved[i].defined) continue;
        named = i;
        if (undefined == Undefined::kFirstWins) break;
    }
    const char* name = operands[named].str.c_str();
    if (undefined == Undefined::kMustBeDef) {
        return Format_message("label \"%s\" must be .DEF type!", name);
    }
    return Format_message("label \"%s\" has not been defined!", name);
}

// A correct form: resolve the names, record a reference for each, then call the handler.
void run_correct_form(const FormAction& action, int code, const Operands& operands) {
    std::vector<Resolved> resolved;
    bool all_defined = true;
    for (const Operand& operand : operands) {
        resolved.push_back(resolve(operand));
        all_defined = all_defined && resolved.back().defined;
    }
    if (!all_defined) {
        Bad_instruction_handler(undefined_message(action.undefined, operands, resolved).c_str(),
                                code);
        return;
    }
    for (size_t i = 0; i < operands.size(); i++) {
        if (resolved[i].is_name) Add_xref_to_symTab(Symbol_Table, operands[i].str, srcLineNum);
    }
    switch (action.call) {
        case Call::kRR:
            RR_type_valid_instruction_handler(code, resolved[0].value, resolved[1].value);
            break;
        case Call::kRI:
            RI_type_instruction_handler(code, resolved[0].value, resolved[1].value);
            break;
        case Call::kR1:
            R1_type_valid_instruction_handler(code, resolved[0].value);
            break;
        case Call::kIM:
            if (operands[0].token == NUM && resolved[0].value > kBranchNumberMax) {
                Bad_instruction_handler(
                    Format_message("value %d is out of range!", resolved[0].value).c_str(), code);
            } else {
                IM_type_valid_instruction_handler(code, resolved[0].value);
            }
            break;
        case Call::kNA:
            NA_type_valid_instruction_handler(code);
            break;
        case Call::kWrong:
        case Call::kDirective:
            break;
    }
}

}  // namespace

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

FormMatcher::Result FormMatcher::shift(int token, const YYSTYPE& value) {
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
        operands_.push_back(token, value);
    }
    return Result::kShifted;
}

void Run_form(const FormRow& row, int code, const Operands& operands) {
    const FormAction& action = row.action;
    if (action.call == Call::kDirective) {
        action.directive(code, operands);
        return;
    }
    if (P2 == 0) return;
    if (action.call == Call::kWrong) {
        Bad_instruction_handler(action.message, code);
        return;
    }
    run_correct_form(action, code, operands);
}
