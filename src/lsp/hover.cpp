// What hovering over a token shows: for a name its kind, value and defining line; for a mnemonic
// the forms it takes and the line's address and word as the listing shows them; for a register,
// directive or number what it is.
#include "grammar/statements.h"
#include "lsp/features.h"

namespace {

std::string code_block(std::string_view text) {
    return "\n```tevlin\n" + std::string(text) + "\n```";
}

std::string name_hover(const Analysis& analysis, const std::string& name, const Symbol* symbol) {
    if (symbol == nullptr) return "**" + name + "**: defined nowhere";
    std::string text = "**" + symbol->name + "**: " + Kind_word(symbol->kind) + ", " +
                       Value_words(analysis, *symbol) + "\n\ndefined on line " +
                       std::to_string(symbol->line) + ":";
    if (symbol->line <= analysis.line_count()) text += code_block(analysis.line(symbol->line));
    return text;
}

std::string mnemonic_hover(const Analysis& analysis, const SourceToken& token) {
    const Keyword& keyword = *Find_keyword(token.code);
    std::string text =
        "**" + std::string(keyword.mnemonic->text) + "** takes " + Written_forms(keyword) + "\n\n";
    const Item* item = analysis.item(token.line);
    if (item != nullptr && item->kind == LINE_INSTRUCTION) {
        text += "this line: " +
                Format_message("`CS-0x%03X  0x%05X`", static_cast<unsigned>(item->address),
                               item->word) +
                " (address and word, as the listing shows them)";
    } else {
        text += "this line has an error: it is not encoded";
    }
    return text;
}

std::string register_hover(const SourceToken& token) {
    const std::string indirect =
        token.code == INDREG ? " in parentheses: the data address it holds" : "";
    if (token.number <= kRegMax)
        return "register **r" + std::to_string(token.number) + "**" + indirect;
    return "register " + std::to_string(token.number) + indirect +
           ", which does not exist: the registers are r0 to r31";
}

}  // namespace

Json Hover_at(const Document& document, const Json& params) {
    const Analysis& analysis = document.analysis();
    std::string name;
    const SourceToken* token = nullptr;
    const Symbol* symbol = Symbol_at(document, params, name, &token);
    if (token == nullptr) return nullptr;
    std::string text;
    const Keyword* keyword = Find_keyword(token->code);
    if (!name.empty()) {
        text = name_hover(analysis, name, symbol);
    } else if (keyword != nullptr && keyword->mnemonic != nullptr) {
        text = mnemonic_hover(analysis, *token);
    } else if (keyword != nullptr) {
        const Directive& directive = Directive_of(keyword->directive);
        text = "**" + std::string(directive.text) + "** " + directive.purpose + "; it takes " +
               Written_forms(*keyword);
    } else if (token->code == REG || token->code == INDREG) {
        text = register_hover(*token);
    } else if (token->code == NUM) {
        text = Format_message("%d, 0x%X", token->number, static_cast<unsigned>(token->number));
    } else {
        return nullptr;
    }
    return {{"contents", {{"kind", "markdown"}, {"value", text}}},
            {"range", document.range(token->line, token->span)}};
}

std::string Value_words(const Analysis& analysis, const Symbol& symbol) {
    const unsigned value = static_cast<unsigned>(symbol.value);
    switch (symbol.kind) {
        case SYM_LABEL:
            return Format_message("program address 0x%03X (%d)", value, symbol.value);
        case SYM_EQU:
            return Format_message("0x%X (%d)", value, symbol.value);
        case SYM_DEF:
            return "r" + std::to_string(symbol.value);
        default:
            break;
    }
    const Item* item = analysis.item(symbol.line);
    const unsigned size = item != nullptr ? item->word : 0;
    std::string words = Format_message("%u byte%s of data memory at 0x%02X (%d)", size,
                                       size == 1 ? "" : "s", value, symbol.value);
    if (symbol.kind == SYM_DB) {
        words += ", first values";
        for (unsigned i = 0; i < size && value + i < static_cast<unsigned>(kDataBytes); i++) {
            words += Format_message(" 0x%02X", analysis.data().value(static_cast<int>(value + i)));
        }
    }
    return words;
}
