// Source line reader: cuts one physical line at a time from the source read in blocks, keeps
// it as read, splits off its comment and prepares the rest for the scanner.
#include "scan/reader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kLineRead = kLineMax;  // bytes one line read takes at most
constexpr size_t kReadAhead = 64 * 1024;

// Copies n bytes from in to out, the letters a to z upper-cased.
void copy_upper_case(char* out, const char* in, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const char c = in[i];
        out[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
}

}  // namespace

SourceReader::SourceReader(std::FILE* source) : source_(source), input_(new char[kReadAhead + 1]) {}

// Moves the bytes not yet taken to the front of the input and reads more behind them. At the
// end of the file, or after a read error, nothing more arrives.
void SourceReader::refill() {
    const size_t kept = input_end_ - input_pos_;
    std::memmove(input_.get(), input_.get() + input_pos_, kept);
    input_pos_ = 0;
    input_end_ = kept + std::fread(input_.get() + kept, 1, kReadAhead - kept, source_);
}

// Writes the code part of line (up to its first ';', newline or NUL) into prepared_: tabs
// expanded, letters outside double quotes upper-cased, then a newline. Returns the length of
// the code part. The caller puts a NUL where the line must end at the latest.
size_t SourceReader::prepare_code(const char* line) {
    char* out = prepared_;
    bool inquote = false;
    const char* p = line;
    for (;;) {
        const size_t run = std::strcspn(p, "\t\";\n");
        if (inquote) {
            std::memcpy(out, p, run);
        } else {
            copy_upper_case(out, p, run);
        }
        out += run;
        p += run;
        if (*p == '\t') {
            const size_t spaces = kTabWidth - static_cast<size_t>(out - prepared_) % kTabWidth;
            std::memset(out, ' ', spaces);
            out += spaces;
        } else if (*p == '"') {
            inquote = !inquote;
            *out++ = '"';
        } else {
            break;
        }
        ++p;
    }
    *out++ = '\n';
    *out = '\0';
    return static_cast<size_t>(p - line);
}

bool SourceReader::next_line() {
    if (input_end_ - input_pos_ < kLineRead) refill();
    char* const line = input_.get() + input_pos_;
    const size_t limit = std::min(input_end_ - input_pos_, kLineRead);
    if (limit == 0) return false;

    // Like fgets: the line runs to its first newline or to limit bytes, and its text ends at
    // the first NUL byte. A NUL put behind the limit for a moment bounds the preparation.
    const char behind_limit = line[limit];
    line[limit] = '\0';
    const size_t code_end = prepare_code(line);
    line[limit] = behind_limit;
    size_t length = code_end;
    size_t text_length = code_end;
    if (code_end < limit && line[code_end] == '\n') {
        length = code_end + 1;
    } else if (code_end < limit) {
        const void* newline = std::memchr(line + code_end, '\n', limit - code_end);
        length = newline != nullptr
                     ? static_cast<size_t>(static_cast<const char*>(newline) - line) + 1
                     : limit;
        const void* nul = std::memchr(line + code_end, '\0', length - code_end);
        text_length =
            nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - line) : length;
        if (text_length > 0 && line[text_length - 1] == '\n') text_length--;
    }
    input_pos_ += length;
    text_.assign(line, text_length);
    return true;
}

void SourceReader::rewind() {
    std::rewind(source_);
    input_pos_ = input_end_ = 0;  // what was read ahead is read again from the start
}
