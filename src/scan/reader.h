// Source line reader: hands the scanner one physical line at a time, as read and prepared.
#ifndef TEVLIN_SCAN_READER_H_
#define TEVLIN_SCAN_READER_H_

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "base/global.h"

constexpr int kTabWidth = 8;  // tabs stop at every multiple of this column
// Room for a line of tabs only, each expanded to kTabWidth spaces, its newline and the NUL.
constexpr int kPreparedSize = kLineMax * kTabWidth + 2;

// Cuts lines from the source exactly as fgets with room for kLineMax characters would, reading
// the source in large blocks.
class SourceReader {
  public:
    explicit SourceReader(std::FILE* source);
    SourceReader(const SourceReader&) = delete;
    SourceReader& operator=(const SourceReader&) = delete;

    /// Reads and prepares the next line; false at the end of the source (or at a read error,
    /// which counts as the end), when the last line stays.
    bool next_line();
    /// Starts again from the first line.
    void rewind();

    /// The line as read, without its line end; a NUL byte ends it early.
    std::string_view text() const { return text_; }
    /// The line's code for the scanner: comment cut, tabs expanded, letters outside double
    /// quotes upper-cased, then a newline and a NUL. Empty before the first line.
    const char* prepared() const { return prepared_; }

  private:
    void refill();
    size_t prepare_code(const char* line);

    std::FILE* source_;
    std::unique_ptr<char[]> input_;  // bytes read ahead, and room for a NUL behind the last
    size_t input_pos_ = 0;           // the first byte not yet taken
    size_t input_end_ = 0;           // past the last byte read
    std::string text_;
    char prepared_[kPreparedSize] = {};
};

#endif  // TEVLIN_SCAN_READER_H_
