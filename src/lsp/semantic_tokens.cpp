// Semantic tokens: each token of the document by what the assembler takes it for, so that
// clients that colour by meaning agree with the assembler.
#include "grammar/statements.h"
#include "lsp/features.h"

namespace {

// The token types, by their numbers in the legend.
enum TokenType { kMnemonic, kDirective, kLabel, kConstant, kData, kRegister, kNumber };
constexpr const char* kTokenTypes[] = {"keyword",  "macro",     "label", "enumMember",
                                       "variable", "parameter", "number"};
constexpr int kDeclaration = 1;  // the one modifier: where a name is defined

// The type of token, or -1 for a token that names nothing known.
int type_of(const Analysis& analysis, const SourceToken& token, const Symbol** symbol) {
    const Keyword* keyword = Find_keyword(token.code);
    if (keyword != nullptr) return keyword->mnemonic != nullptr ? kMnemonic : kDirective;
    switch (token.code) {
        case REG:
        case INDREG:
        case REGNAME:
        case INDREGNAME:
            return kRegister;
        case NUM:
            return kNumber;
        case SYMBOL:
            *symbol = analysis.symbols().find(analysis.name_of(token));
            if (*symbol == nullptr) return -1;
            switch ((*symbol)->kind) {
                case SYM_LABEL:
                    return kLabel;
                case SYM_EQU:
                    return kConstant;
                default:
                    return kData;
            }
        default:
            return -1;
    }
}

}  // namespace

Json Semantic_token_legend() {
    return {{"tokenTypes", kTokenTypes}, {"tokenModifiers", {"declaration"}}};
}

Json Semantic_tokens(const Document& document) {
    const Analysis& analysis = document.analysis();
    std::vector<int> data;
    ClientPosition previous;
    for (const SourceToken& token : analysis.tokens()) {
        const Symbol* symbol = nullptr;
        const int type = type_of(analysis, token, &symbol);
        if (type < 0) continue;
        const Span span = Analysis::name_span(token);
        const ClientPosition start = document.position(token.line, span.column);
        const ClientPosition end = document.position(token.line, span.column + span.length);
        if (token.code == REGNAME || token.code == INDREGNAME) {
            symbol = analysis.symbols().find(analysis.name_of(token));
        }
        const bool declaration = Is_definition(symbol, token.line, span);
        data.insert(
            data.end(),
            {start.line - previous.line,
             start.line == previous.line ? start.character - previous.character : start.character,
             end.character - start.character, type, declaration ? kDeclaration : 0});
        previous = start;
    }
    return {{"data", data}};
}
