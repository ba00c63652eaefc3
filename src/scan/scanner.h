// Scanner: turns the prepared lines of one pass over the source into tokens.
#ifndef TEVLIN_SCAN_SCANNER_H_
#define TEVLIN_SCAN_SCANNER_H_

#include <cstdio>
#include <string_view>

#include "scan/reader.h"
#include "scan/tokens.h"

class Scanner {
  public:
    explicit Scanner(std::FILE* source) : reader_(source) {}

    /// The code of the next token, with its value in value; TOK_END at the end of the source,
    /// and from then on until restart.
    int next(TokenValue& value);
    /// Starts a new pass over the source from its first line.
    void restart();
    /// The line that the last token came from, as read, without its line end.
    std::string_view line() const { return reader_.text(); }

  private:
    SourceReader reader_;
    size_t position_ = 0;        // of the next character in the prepared line
    bool at_line_start_ = true;  // where .ORG, .CSEG, .DSEG, .EQU and .DEF count
    bool ended_ = false;
};

#endif  // TEVLIN_SCAN_SCANNER_H_
