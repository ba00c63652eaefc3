// The diagnostics of a document: one for each message of the run, in the run's order, pointing
// at the token of the message and carrying its notes; then a warning for each .DB value that
// only its low byte is stored of, and a hint for each name that nothing uses.
#include <fmt/format.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "lsp/features.h"

namespace {

constexpr int kError = 1;
constexpr int kWarning = 2;
constexpr int kHint = 4;

// The code of the line numbered line, from its first token to its last: where a message that
// belongs to no line but concerns this one is shown.
Span code_of(const Analysis& analysis, int line) {
    Span span;
    bool first = true;
    for (const SourceToken& token : analysis.tokens_of(line)) {
        if (token.code == EOL) continue;
        if (first) span.column = token.span.column;
        first = false;
        span.length = token.span.column + token.span.length - span.column;
    }
    return span;
}

// Writes the diagnostics notification of a document. Every keystroke publishes the diagnostics
// of a whole document, so they are written straight into the text to send rather than built as
// JSON values first.
class DiagnosticWriter {
  public:
    explicit DiagnosticWriter(const Document& document)
        : document_(document), uri_(Serialize(Json(document.uri()))) {
        // Room for what most diagnostics take, so that the text is seldom copied as it grows.
        out_.reserve(
            256 * (document.analysis().messages().size() + document.analysis().symbols().size()));
        append(
            "{\"jsonrpc\":\"2.0\",\"method\":\"textDocument/"
            "publishDiagnostics\",\"params\":{\"uri\":");
        append(uri_);
        append(",\"version\":");
        number(document.version());
        append(",\"diagnostics\":[");
    }

    void add(int line, Span span, int severity, const char* code, const std::string& text,
             const std::vector<Note>& notes = {}, bool unnecessary = false) {
        append(added_++ > 0 ? ",{\"range\":" : "{\"range\":");
        range(line, span);
        append(",\"severity\":");
        number(severity);
        append(",\"source\":\"tevlin\",\"code\":\"");
        append(code);
        append("\",\"message\":");
        string(text);
        if (!notes.empty()) {
            append(",\"relatedInformation\":[");
            for (const Note& note : notes) {
                append(&note == &notes.front() ? "{\"location\":{\"uri\":"
                                               : ",{\"location\":{\"uri\":");
                append(uri_);
                append(",\"range\":");
                range(note.line, note.span);
                append("},\"message\":");
                string(note.text);
                append("}");
            }
            append("]");
        }
        if (unnecessary) append(",\"tags\":[1]");
        append("}");
    }

    /// The notification with the diagnostics written.
    std::string notification() {
        append("]}}");
        return std::move(out_);
    }

  private:
    void append(std::string_view text) { out_.append(text); }
    void number(int value) { append(fmt::format_int(value).c_str()); }

    // A JSON string: most messages need no escaping and are written as they are.
    void string(const std::string& text) {
        const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
            return c >= ' ' && c <= '~' && c != '"' && c != '\\';
        });
        if (!plain) {
            append(Serialize(Json(text)));
            return;
        }
        out_ += '"';
        append(text);
        out_ += '"';
    }

    void range(int line, Span span) {
        const ClientPosition start = document_.position(line, span.column);
        const ClientPosition end = document_.position(line, span.column + span.length);
        append("{\"start\":{\"line\":");
        number(start.line);
        append(",\"character\":");
        number(start.character);
        append("},\"end\":{\"line\":");
        number(end.line);
        append(",\"character\":");
        number(end.character);
        append("}}");
    }

    const Document& document_;
    const std::string uri_;
    std::string out_;
    int added_ = 0;
};

}  // namespace

std::string Diagnostics_of(const Document& document) {
    const Analysis& analysis = document.analysis();
    DiagnosticWriter diagnostics(document);
    for (const Message& message : analysis.messages()) {
        const int line = message.line > 0 ? message.line : std::max(message.concerns_line, 1);
        const Span span = message.line > 0 ? message.span : code_of(analysis, line);
        diagnostics.add(line, span, kError, Message_code(message.kind), message.text,
                        message.notes);
    }
    int db_line = 0;
    for (const SourceToken& token : analysis.tokens()) {
        const Item* item = analysis.item(token.line);
        if (token.code == Directive_token_of(DIR_DB)) db_line = token.line;
        if (token.code != NUM || token.line != db_line || item == nullptr ||
            item->kind != LINE_DB || token.number <= kByteMax) {
            continue;
        }
        diagnostics.add(token.line, token.span, kWarning, "db-value-truncated",
                        Format_message("%d does not fit in a byte: .DB stores its low byte, 0x%02X",
                                       token.number, token.number & kByteMax));
    }
    analysis.symbols().for_each([&](const Symbol& symbol, uint32_t number) {
        if (analysis.is_referred_to(number)) return;
        diagnostics.add(symbol.line, Definition_span(symbol), kHint, "unused-name",
                        symbol.name + " is never used", {}, true);
    });
    return diagnostics.notification();
}
