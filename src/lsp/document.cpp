// An open document and the conversions between the assembler's places and the protocol's.
#include "lsp/document.h"

#include <algorithm>
#include <utility>

Document::Document(std::string uri, int version, std::string text, Encoding encoding)
    : uri_(std::move(uri)),
      version_(version),
      encoding_(encoding),
      analysis_(std::make_unique<Analysis>(std::move(text))),
      lines_(std::make_unique<LineMap>(analysis_->text())) {}

void Document::change(int version, const Json& changes) {
    std::string text = analysis_->text();
    for (const Json& change : changes.is_array() ? changes : Json::array()) {
        const Json* replacement = Member(&change, "text");
        const Json* range = Member(&change, "range");
        if (replacement == nullptr || !replacement->is_string()) continue;
        if (range == nullptr) {
            text = replacement->get<std::string>();
        } else {
            const LineMap lines(text);
            const auto offset = [&](const char* end) {
                const Json* position = Member(range, end);
                return lines.offset({Number_of(Member(position, "line"), 0),
                                     Number_of(Member(position, "character"), 0)},
                                    encoding_);
            };
            const size_t start = offset("start");
            const size_t stop = std::max(start, offset("end"));
            text.replace(start, stop - start, replacement->get<std::string>());
        }
    }
    version_ = version;
    lines_.reset();
    analysis_ = std::make_unique<Analysis>(std::move(text));
    lines_ = std::make_unique<LineMap>(analysis_->text());
}

ClientPosition Document::position(int line, int column) const {
    const Analysis& analysis = *analysis_;
    if (line < 1 || line > analysis.line_count()) {
        return lines_->position(analysis.text().size(), encoding_);
    }
    const size_t length = analysis.line(line).size();
    const size_t within = std::min(static_cast<size_t>(std::max(column, 0)), length);
    return lines_->position(analysis.line_start(line) + within, encoding_);
}

Json Document::range(int line, Span span) const {
    const ClientPosition start = position(line, span.column);
    const ClientPosition end = position(line, span.column + span.length);
    return {{"start", {{"line", start.line}, {"character", start.character}}},
            {"end", {{"line", end.line}, {"character", end.character}}}};
}

Json Document::location(int line, Span span) const {
    return {{"uri", uri_}, {"range", range(line, span)}};
}

Place Document::place(const Json* position) const {
    const size_t offset = lines_->offset(
        {Number_of(Member(position, "line"), 0), Number_of(Member(position, "character"), 0)},
        encoding_);
    const Analysis& analysis = *analysis_;
    int line = 1;
    for (int low = 1, high = analysis.line_count(); low <= high;) {
        const int middle = low + (high - low) / 2;
        if (analysis.line_start(middle) <= offset) {
            line = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    const size_t start = analysis.line_count() == 0 ? 0 : analysis.line_start(line);
    return {line, static_cast<int>(offset - start)};
}
