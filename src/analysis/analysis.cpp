// A source held in memory, assembled as the command assembles a file, and indexed for editors.
#include "analysis/analysis.h"

#include <algorithm>
#include <utility>

#include "listing/startup.h"
#include "scan/scanner.h"

Analysis::Analysis(std::string text) : text_(std::move(text)) {
    {
        Scanner scanner(text_);
        scanner.keep_tokens_of_next_pass(&tokens_);
        Diagnostics messages(nullptr, nullptr, &messages_);
        Assemble(scanner, messages, program_);
        Place_start_up_code(program_, messages);
    }
    for (size_t start = 0; start < text_.size();) {
        line_starts_.push_back(start);
        const size_t end = text_.find('\n', start);
        start = end == std::string::npos ? text_.size() : end + 1;
    }
    items_.assign(line_starts_.size() + 1, nullptr);
    for (const Item* item = program_.items.head(); item != nullptr; item = item->next) {
        if (item->line > 0 && static_cast<size_t>(item->line) < items_.size()) {
            items_[static_cast<size_t>(item->line)] = item;
        }
    }
    const References references = program_.symbols.references();
    referred_.resize(references.first.size() - 1);
    for (size_t i = 0; i + 1 < references.first.size(); i++) {
        referred_[i] = references.first[i + 1] > references.first[i];
    }
    index_lines();
}

// Where the tokens of each line begin, among those the second pass read.
void Analysis::index_lines() {
    first_token_.assign(line_starts_.size() + 2, tokens_.size());
    for (size_t i = tokens_.size(); i-- > 0;) {
        const size_t line = static_cast<size_t>(tokens_[i].line);
        if (line < first_token_.size()) first_token_[line] = i;
    }
    for (size_t line = first_token_.size() - 1; line-- > 1;) {
        first_token_[line] = std::min(first_token_[line], first_token_[line + 1]);
    }
}

std::string_view Analysis::line(int line) const {
    const size_t start = line_start(line);
    const size_t next = static_cast<size_t>(line) < line_starts_.size()
                            ? line_starts_[static_cast<size_t>(line)] - 1
                            : text_.size();
    return std::string_view(text_).substr(start, next - start);
}

const Item* Analysis::item(int line) const {
    return line >= 1 && static_cast<size_t>(line) < items_.size()
               ? items_[static_cast<size_t>(line)]
               : nullptr;
}

TokenRange Analysis::tokens_of(int line) const {
    if (line < 1 || line > line_count()) return {};
    const size_t at = static_cast<size_t>(line);
    return {tokens_.data() + first_token_[at], tokens_.data() + first_token_[at + 1]};
}

const SourceToken* Analysis::token_at(int line, int column) const {
    const SourceToken* found = nullptr;
    for (const SourceToken& token : tokens_of(line)) {
        if (token.code == EOL || token.span.column > column) break;
        found = &token;
    }
    return found != nullptr && column <= found->span.column + found->span.length ? found : nullptr;
}

std::vector<int> Analysis::codes_before(int line, int column) const {
    std::vector<int> codes;
    for (const SourceToken& token : tokens_of(line)) {
        if (token.code == EOL || token.span.column + token.span.length > column) break;
        codes.push_back(token.code);
    }
    return codes;
}

std::string Analysis::name_of(const SourceToken& token) const {
    if (token.code != SYMBOL && token.code != REGNAME && token.code != INDREGNAME) return {};
    const Span span = name_span(token);
    std::string name = text_.substr(line_start(token.line) + static_cast<size_t>(span.column),
                                    static_cast<size_t>(span.length));
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return name;
}

Span Analysis::name_span(const SourceToken& token) {
    if (token.code != INDREGNAME) return token.span;
    return {token.span.column + 1, token.span.length - 2};
}

std::vector<NamePlace> Analysis::places_of(const std::string& name) const {
    std::vector<NamePlace> places;
    const Symbol* symbol = program_.symbols.find(name);
    for (const SourceToken& token : tokens_) {
        if (name_of(token) != name) continue;
        const NamePlace place{token.line, name_span(token)};
        const bool definition = Is_definition(symbol, place.line, place.span);
        places.insert(definition ? places.begin() : places.end(), place);
    }
    return places;
}
