// The diagnostics of a document: one for each message of the run, in the run's order, pointing
// at the token of the message and carrying its notes; then a warning for each .DB value that
// only its low byte is stored of, and a hint for each name that nothing uses.
#include <algorithm>

#include "lsp/features.h"

namespace {

constexpr int kError = 1;
constexpr int kWarning = 2;
constexpr int kHint = 4;
constexpr int kUnnecessary = 1;

// The code of the line numbered line, from its first token to its last: where a message that
// belongs to no line but concerns this one is shown.
Span code_of(const Analysis& analysis, int line) {
    Span span;
    bool first = true;
    for (const SourceToken& token : analysis.tokens()) {
        if (token.line != line || token.code == EOL) continue;
        if (first) span.column = token.span.column;
        first = false;
        span.length = token.span.column + token.span.length - span.column;
    }
    return span;
}

Json diagnostic(const Document& document, int line, Span span, int severity, const char* code,
                const std::string& text) {
    return {{"range", document.range(line, span)},
            {"severity", severity},
            {"source", "tevlin"},
            {"code", code},
            {"message", text}};
}

}  // namespace

Json Diagnostics_of(const Document& document) {
    const Analysis& analysis = document.analysis();
    Json diagnostics = Json::array();
    for (const Message& message : analysis.messages()) {
        const int line = message.line > 0 ? message.line : std::max(message.concerns_line, 1);
        const Span span = message.line > 0 ? message.span : code_of(analysis, line);
        Json made =
            diagnostic(document, line, span, kError, Message_code(message.kind), message.text);
        if (!message.notes.empty()) {
            Json related = Json::array();
            for (const Note& note : message.notes) {
                related.push_back({{"location", document.location(note.line, note.span)},
                                   {"message", note.text}});
            }
            made["relatedInformation"] = std::move(related);
        }
        diagnostics.push_back(std::move(made));
    }
    int db_line = 0;
    for (const SourceToken& token : analysis.tokens()) {
        const Item* item = analysis.item(token.line);
        if (token.code == Directive_token_of(DIR_DB)) db_line = token.line;
        if (token.code != NUM || token.line != db_line || item == nullptr ||
            item->kind != LINE_DB || token.number <= kByteMax) {
            continue;
        }
        diagnostics.push_back(
            diagnostic(document, token.line, token.span, kWarning, "db-value-truncated",
                       Format_message("%d does not fit in a byte: .DB stores its low byte, 0x%02X",
                                      token.number, token.number & kByteMax)));
    }
    analysis.symbols().for_each([&](const Symbol& symbol, uint32_t number) {
        if (analysis.is_referred_to(number)) return;
        Json made = diagnostic(document, symbol.line,
                               {symbol.column, static_cast<int32_t>(symbol.name.size())}, kHint,
                               "unused-name",
                               symbol.name + " is never used: no instruction refers to this " +
                                   Kind_word(symbol.kind));
        made["tags"] = Json::array({kUnnecessary});
        diagnostics.push_back(std::move(made));
    });
    return {
        {"jsonrpc", "2.0"},
        {"method", "textDocument/publishDiagnostics"},
        {"params",
         {{"uri", document.uri()}, {"version", document.version()}, {"diagnostics", diagnostics}}}};
}
