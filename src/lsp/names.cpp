// Requests about the names of a document: where a name is defined and used, the outline of
// every name, and renaming a name everywhere it is written.
#include <cctype>

#include "grammar/statements.h"
#include "lsp/features.h"
#include "scan/scanner.h"

namespace {

// The protocol's kinds of symbol for an outline.
constexpr int kFunction = 12;
constexpr int kVariable = 13;
constexpr int kConstant = 14;
constexpr int kArray = 18;
// The kinds of highlight.
constexpr int kRead = 2;
constexpr int kWrite = 3;

int outline_kind(int kind) {
    switch (kind) {
        case SYM_LABEL:
            return kFunction;
        case SYM_EQU:
            return kConstant;
        case SYM_DEF:
            return kVariable;
        default:
            return kArray;
    }
}

// Why new_name cannot replace the name of symbol, or empty when it can: it must read back as
// a name of the same kind, and be no other name of the source.
std::string refusal_of(const std::string& new_name, const Symbol& symbol,
                       const SymbolTable& symbols) {
    const std::string line = new_name + "\n";
    Scanner scanner(line);
    TokenValue value;
    const int code = scanner.next(value);
    const std::string scanned(value.text);
    const bool whole = scanner.next(value) == EOL;
    const bool register_name = symbol.kind == SYM_DEF;
    const std::string quoted = "`" + new_name + "`";
    if (!whole || (code != SYMBOL && code != REGNAME)) {
        if (code == REG && whole) {
            return quoted +
                   " reads as a register: R followed by digits, or by nothing but the "
                   "letters A to F, names one";
        }
        if (Find_keyword(code) != nullptr && whole) return quoted + " is a mnemonic or directive";
        return quoted +
               " is no name: a name begins with a letter and holds letters, digits and "
               "underscores";
    }
    if (register_name && code != REGNAME) {
        return "a register name begins with R_ and a letter, then letters and digits: " + quoted +
               " does not";
    }
    if (!register_name && code == REGNAME) {
        return quoted + " reads as a register name, which only .DEF defines";
    }
    if (symbol.kind != SYM_EQU && symbol.kind != SYM_DEF && new_name.size() > kLabelMax) {
        return "a label holds at most " + std::to_string(kLabelMax) + " characters";
    }
    const Symbol* other = symbols.find(scanned);
    if (other != nullptr && other != &symbol) {
        return quoted + " is already defined on line " + std::to_string(other->line);
    }
    return {};
}

}  // namespace

const Symbol* Symbol_at(const Document& document, const Json& params, std::string& name,
                        const SourceToken** token_out) {
    const Place place = document.place(Member(&params, "position"));
    const Analysis& analysis = document.analysis();
    const SourceToken* token = analysis.token_at(place.line, place.column);
    if (token_out != nullptr) *token_out = token;
    if (token == nullptr) return nullptr;
    name = analysis.name_of(*token);
    return name.empty() ? nullptr : analysis.symbols().find(name);
}

Json Definition_of(const Document& document, const Json& params) {
    std::string name;
    const Symbol* symbol = Symbol_at(document, params, name);
    if (symbol == nullptr) return nullptr;
    return document.location(symbol->line, Definition_span(*symbol));
}

Json References_to(const Document& document, const Json& params) {
    std::string name;
    const Symbol* symbol = Symbol_at(document, params, name);
    if (name.empty()) return nullptr;
    const Json* context = Member(&params, "context");
    const Json* declaration = Member(context, "includeDeclaration");
    const bool with_declaration =
        declaration == nullptr || !declaration->is_boolean() || declaration->get<bool>();
    Json locations = Json::array();
    for (const NamePlace& place : document.analysis().places_of(name)) {
        if (!with_declaration && Is_definition(symbol, place.line, place.span)) continue;
        locations.push_back(document.location(place.line, place.span));
    }
    return locations;
}

Json Highlights_of(const Document& document, const Json& params) {
    std::string name;
    const Symbol* symbol = Symbol_at(document, params, name);
    if (name.empty()) return nullptr;
    Json highlights = Json::array();
    for (const NamePlace& place : document.analysis().places_of(name)) {
        highlights.push_back(
            {{"range", document.range(place.line, place.span)},
             {"kind", Is_definition(symbol, place.line, place.span) ? kWrite : kRead}});
    }
    return highlights;
}

Json Document_symbols(const Document& document) {
    const Analysis& analysis = document.analysis();
    Json symbols = Json::array();
    analysis.symbols().for_each([&](const Symbol& symbol, uint32_t) {
        const int32_t line_length = symbol.line <= analysis.line_count()
                                        ? static_cast<int32_t>(analysis.line(symbol.line).size())
                                        : 0;
        symbols.push_back(
            {{"name", symbol.name},
             {"detail", Value_words(analysis, symbol)},
             {"kind", outline_kind(symbol.kind)},
             {"range", document.range(symbol.line, {0, line_length})},
             {"selectionRange", document.range(symbol.line, Definition_span(symbol))}});
    });
    return symbols;
}

Json Prepare_rename(const Document& document, const Json& params) {
    std::string name;
    const SourceToken* token = nullptr;
    const Symbol* symbol = Symbol_at(document, params, name, &token);
    if (symbol == nullptr) return nullptr;
    const Span span = Analysis::name_span(*token);
    const std::string_view line = document.analysis().line(token->line);
    return {{"range", document.range(token->line, span)},
            {"placeholder",
             line.substr(static_cast<size_t>(span.column), static_cast<size_t>(span.length))}};
}

Json Rename(const Document& document, const Json& params, std::string& refusal) {
    std::string name;
    const Symbol* symbol = Symbol_at(document, params, name);
    if (symbol == nullptr) {
        refusal = name.empty() ? "there is no name here to rename"
                               : "`" + name + "` is defined nowhere, so there is nothing to rename";
        return nullptr;
    }
    const std::string new_name = Text_of(Member(&params, "newName"));
    refusal = refusal_of(new_name, *symbol, document.analysis().symbols());
    if (!refusal.empty()) return nullptr;
    Json edits = Json::array();
    for (const NamePlace& place : document.analysis().places_of(name)) {
        edits.push_back({{"range", document.range(place.line, place.span)}, {"newText", new_name}});
    }
    return {{"changes", {{document.uri(), edits}}}};
}
