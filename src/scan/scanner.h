// Scanner: turns the prepared lines of one pass over the source into tokens.
#ifndef TEVLIN_SCAN_SCANNER_H_
#define TEVLIN_SCAN_SCANNER_H_

#include <cstdio>
#include <string_view>
#include <vector>

#include "scan/reader.h"
#include "scan/tokens.h"

// A token of a line and where it stands in the prepared line: [start, end).
struct LineToken {
    int code = 0;
    TokenValue value;
    size_t start = 0;
    size_t end = 0;
};

class Scanner {
  public:
    /// Scans the open file source.
    explicit Scanner(std::FILE* source) : reader_(source) {}
    /// Scans text, which must outlive the scanner.
    explicit Scanner(std::string_view text) : reader_(text) {}

    /// The code of the next token, with its value in value; TOK_END at the end of the source,
    /// and from then on until restart.
    int next(TokenValue& value);
    /// Starts a new pass over the source from its first line.
    void restart();
    /// Appends every token of the next pass to tokens, with its line and span.
    void keep_tokens_of_next_pass(std::vector<SourceToken>* tokens) { next_pass_tokens_ = tokens; }
    /// The line that the last token came from, as read, without its line end.
    std::string_view line() const { return reader_.text(); }

    /// Where the last token starts in the prepared line.
    size_t token_start() const { return token_start_; }
    /// The columns in line() of the prepared text [start, end); a line end stands one past the
    /// last byte of code that is not blank, and is empty.
    Span span_of(size_t start, size_t end) const;
    /// Every token of the line the last token came from, its line end last, as the passes read
    /// them.
    std::vector<LineToken> line_tokens() const;

  private:
    SourceReader reader_;
    size_t position_ = 0;  // of the next character in the prepared line
    size_t token_start_ = 0;
    std::vector<SourceToken>* kept_tokens_ = nullptr;  // of this pass, or null
    std::vector<SourceToken>* next_pass_tokens_ = nullptr;
    int32_t line_ = 1;           // the line of the next token kept
    bool at_line_start_ = true;  // where .ORG, .CSEG, .DSEG, .EQU and .DEF count
    bool ended_ = false;
};

#endif  // TEVLIN_SCAN_SCANNER_H_
