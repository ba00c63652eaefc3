// Source line reader: hands the scanner one physical line at a time, as read and prepared.
#ifndef TEVLIN_SCAN_READER_H_
#define TEVLIN_SCAN_READER_H_

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "base/global.h"

constexpr int kTabWidth = 8;  // tabs stop at every multiple of this column

// Cuts the source into lines, each whole up to its newline whatever its length, reading a file
// in large blocks or a text held in memory.
class SourceReader {
  public:
    /// Reads the open file source.
    explicit SourceReader(std::FILE* source);
    /// Reads text, which must outlive the reader.
    explicit SourceReader(std::string_view text);
    SourceReader(const SourceReader&) = delete;
    SourceReader& operator=(const SourceReader&) = delete;

    /// Reads and prepares the next line; false at the end of the source (or at a read error,
    /// which counts as the end), when the last line stays as read and nothing is prepared.
    bool next_line();
    /// Starts again from the first line.
    void rewind();

    /// The line as read, without its line end; a NUL byte ends it early.
    std::string_view text() const { return text_; }
    /// The line's code for the scanner: comment cut, tabs expanded, letters outside double
    /// quotes upper-cased, then a newline and a NUL. Empty before the first line.
    const char* prepared() const { return prepared_.data(); }

    /// The column in text() of the character at offset of prepared(); the newline there stands
    /// where the code ends.
    int column_of(size_t offset) const;
    /// One past the last byte before the comment that is not a blank, a tab or a carriage return.
    int code_end_column() const;

  private:
    void refill();
    void keep_text();
    size_t prepare_code(const char* line);

    std::FILE* file_ = nullptr;  // null when the source is held in memory
    std::string_view memory_;
    size_t memory_pos_ = 0;
    std::vector<char> input_;  // bytes read ahead, and a NUL behind the last
    size_t input_pos_ = 0;     // the first byte not yet taken
    size_t input_end_ = 0;     // past the last byte read
    bool input_ended_ = false;
    // The line as read, where it stands in the input, or in kept_text_ once the input is about
    // to be read over.
    std::string_view text_;
    std::string kept_text_;
    std::vector<char> prepared_;
    size_t code_length_ = 0;  // bytes of text() before the comment
    bool code_has_tabs_ = false;
};

#endif  // TEVLIN_SCAN_READER_H_
