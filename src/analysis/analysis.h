// What the assembler knows of a source held in memory, for editors: the run's messages with
// their places and notes, every token with where it stands, every name with the places it is
// written, and each line's item. The source is assembled as the command assembles a file, but no
// file is read or written.
#ifndef TEVLIN_ANALYSIS_ANALYSIS_H_
#define TEVLIN_ANALYSIS_ANALYSIS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "diag/diagnostics.h"
#include "grammar/program.h"
#include "items/items.h"
#include "scan/tokens.h"

// Where a name is written: its line and span (the name alone, without parentheses around it).
struct NamePlace {
    int32_t line = 0;
    Span span;
};

// The tokens of one line, in order.
struct TokenRange {
    const SourceToken* first = nullptr;
    const SourceToken* last = nullptr;
    const SourceToken* begin() const { return first; }
    const SourceToken* end() const { return last; }
};

class Analysis {
  public:
    /// Assembles text, any bytes.
    explicit Analysis(std::string text);
    Analysis(const Analysis&) = delete;
    Analysis& operator=(const Analysis&) = delete;

    const std::string& text() const { return text_; }
    /// The run's messages in the order the command prints them.
    const std::vector<Message>& messages() const { return messages_; }
    const SymbolTable& symbols() const { return program_.symbols; }
    const DataMemory& data() const { return program_.data; }

    /// The number of lines, as the assembler counts them.
    int line_count() const { return static_cast<int>(line_starts_.size()); }
    /// The line numbered line (from 1), as read.
    std::string_view line(int line) const;
    /// Where the line numbered line starts in text().
    size_t line_start(int line) const { return line_starts_[static_cast<size_t>(line - 1)]; }
    /// The item of the line numbered line, or null for a line that made none.
    const Item* item(int line) const;

    /// Every token of the source, in order.
    const std::vector<SourceToken>& tokens() const { return tokens_; }
    /// The tokens of the line numbered line, its line end last; none when there is no such line.
    TokenRange tokens_of(int line) const;
    /// The token at or just before column of line, or null when there is none on the line.
    const SourceToken* token_at(int line, int column) const;
    /// The codes of the tokens of the line numbered line that end at column or before it.
    std::vector<int> codes_before(int line, int column) const;
    /// The name that token writes (upper case), or empty when it is no name.
    std::string name_of(const SourceToken& token) const;
    /// The span of the name alone that token writes.
    static Span name_span(const SourceToken& token);
    /// Every place where the symbol called name is written, its definition first when it is
    /// among them.
    std::vector<NamePlace> places_of(const std::string& name) const;
    /// Whether a name of the source refers to the symbol numbered number.
    bool is_referred_to(uint32_t number) const { return referred_[number]; }

  private:
    void index_lines();

    std::string text_;
    Program program_;
    std::vector<Message> messages_;
    std::vector<size_t> line_starts_;
    std::vector<const Item*> items_;  // by line, from 1
    std::vector<SourceToken> tokens_;
    std::vector<size_t> first_token_;  // by line, from 1: the index of its first token
    std::vector<bool> referred_;       // by symbol number
};

#endif  // TEVLIN_ANALYSIS_ANALYSIS_H_
