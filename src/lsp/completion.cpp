// Completion that knows the place, from the grammar's own expectations: at the start of a
// statement the mnemonics and the directives that count there; then, operand by operand, what
// fits: registers and register names, names of constants, labels or data, each with its value.
#include <cctype>

#include "grammar/statements.h"
#include "lsp/features.h"

namespace {

// The protocol's kinds of completion item.
constexpr int kFunction = 3;
constexpr int kVariable = 6;
constexpr int kKeyword = 14;
constexpr int kConstant = 21;

bool is_word_character(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.';
}

// Whether a name of kind may stand where a statement of family takes a name as its value.
bool fits(Family family, int kind) {
    switch (family) {
        case Family::kBranch:
            return kind == SYM_LABEL;
        case Family::kMemory:
            return kind == SYM_BYTE || kind == SYM_DB || kind == SYM_EQU;
        case Family::kAlu:
        case Family::kInOut:
            return kind == SYM_EQU;
        default:
            return false;
    }
}

int item_kind(int kind) {
    switch (kind) {
        case SYM_LABEL:
            return kFunction;
        case SYM_EQU:
            return kConstant;
        default:
            return kVariable;
    }
}

}  // namespace

Json Completion_at(const Document& document, const Json& params) {
    const Analysis& analysis = document.analysis();
    const Place place = document.place(Member(&params, "position"));
    Json items = Json::array();
    if (place.line > analysis.line_count()) return items;
    const std::string_view line = analysis.line(place.line);
    const size_t cursor = std::min(static_cast<size_t>(place.column), line.size());
    if (line.substr(0, cursor).find(';') != std::string_view::npos) return items;
    size_t word = cursor;
    while (word > 0 && is_word_character(line[word - 1])) word--;
    if (word > 0 && line[word - 1] == '(') word--;
    const std::vector<int> codes = analysis.codes_before(place.line, static_cast<int>(word));
    const TokenSet expected = Expected_after(codes);
    const Json range = document.range(
        place.line, {static_cast<int32_t>(word), static_cast<int32_t>(cursor - word)});
    const auto add = [&](const std::string& label, int kind, const std::string& detail) {
        items.push_back({{"label", label},
                         {"kind", kind},
                         {"detail", detail},
                         {"textEdit", {{"range", range}, {"newText", label}}}});
    };

    for (size_t row = 0; row < kMnemonicCount; row++) {
        const int token = Mnemonic_token(row);
        if (expected.test(static_cast<size_t>(token))) {
            add(kMnemonics[row].text, kKeyword, Written_forms(*Find_keyword(token)));
        }
    }
    for (size_t row = 0; row < std::size(kDirectives); row++) {
        const Directive& directive = kDirectives[row];
        // The scanner takes these directives only in the first column.
        if (!expected.test(static_cast<size_t>(Directive_token(row))) ||
            (directive.at_line_start_only && word != 0)) {
            continue;
        }
        add(directive.text, kKeyword, directive.purpose);
    }
    const bool registers = expected.test(REG) || expected.test(REGNAME);
    const bool indirect = expected.test(INDREG) || expected.test(INDREGNAME);
    for (int reg = 0; reg <= kRegMax && (registers || indirect); reg++) {
        const std::string text = "r" + std::to_string(reg);
        if (registers) add(text, kVariable, "register");
        if (indirect) add("(" + text + ")", kVariable, "the data address in register " + text);
    }
    const Keyword* statement = nullptr;
    for (const int code : codes) {
        if (statement == nullptr) statement = Find_keyword(code);
    }
    analysis.symbols().for_each([&](const Symbol& symbol, uint32_t) {
        const std::string value = Value_words(analysis, symbol);
        if (symbol.kind == SYM_DEF) {
            if (registers) add(symbol.name, kVariable, "register name for " + value);
            if (indirect) add("(" + symbol.name + ")", kVariable, "the data address in " + value);
        } else if (expected.test(SYMBOL) && statement != nullptr &&
                   fits(statement->family, symbol.kind)) {
            add(symbol.name, item_kind(symbol.kind),
                std::string(Kind_word(symbol.kind)) + ", " + value);
        }
    });
    return items;
}
