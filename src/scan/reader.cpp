// Source line reader: cuts one physical line at a time from the source read in blocks, keeps
// it as read, splits off its comment and prepares the rest for the scanner.
#include "scan/reader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kReadAhead = 64 * 1024;

// Copies n bytes from in to out, the letters a to z upper-cased.
void copy_upper_case(char* out, const char* in, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const char c = in[i];
        out[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
}

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

SourceReader::SourceReader(std::FILE* source)
    : file_(source), input_(kReadAhead + 1), prepared_(1) {}

SourceReader::SourceReader(std::string_view text)
    : memory_(text), input_(kReadAhead + 1), prepared_(1) {}

// Keeps a copy of the line as read, before the input it stands in is read over.
void SourceReader::keep_text() {
    kept_text_.assign(text_);
    text_ = kept_text_;
}

// Moves the bytes not yet taken to the front of the input, making it twice as large when they
// fill it, and reads more behind them. At the end of the source, or after a read error, nothing
// more arrives. A NUL always follows the last byte read.
void SourceReader::refill() {
    keep_text();
    const size_t kept = input_end_ - input_pos_;
    std::memmove(input_.data(), input_.data() + input_pos_, kept);
    input_pos_ = 0;
    if (kept + 1 == input_.size()) input_.resize(2 * input_.size() - 1);
    const size_t room = input_.size() - 1 - kept;
    size_t read = 0;
    if (file_ != nullptr) {
        read = std::fread(input_.data() + kept, 1, room, file_);
    } else {
        read = std::min(room, memory_.size() - memory_pos_);
        std::memcpy(input_.data() + kept, memory_.data() + memory_pos_, read);
        memory_pos_ += read;
    }
    input_ended_ = read == 0;
    input_end_ = kept + read;
    input_[input_end_] = '\0';
}

// Writes the code part of line (up to its first ';', newline or NUL) into prepared_, which has
// room for it: tabs expanded, letters outside double quotes upper-cased, then a newline and a
// NUL. Returns the length of the code part.
size_t SourceReader::prepare_code(const char* line) {
    size_t out = 0;
    bool inquote = false;
    const char* p = line;
    code_has_tabs_ = false;
    for (;;) {
        const size_t run = std::strcspn(p, "\t\";\n");
        char* const at = prepared_.data() + out;
        if (inquote) {
            std::memcpy(at, p, run);
        } else {
            copy_upper_case(at, p, run);
        }
        out += run;
        p += run;
        if (*p == '\t') {
            const size_t spaces = kTabWidth - out % kTabWidth;
            std::memset(prepared_.data() + out, ' ', spaces);
            out += spaces;
            code_has_tabs_ = true;
        } else if (*p == '"') {
            inquote = !inquote;
            prepared_[out++] = '"';
        } else {
            break;
        }
        ++p;
    }
    prepared_[out++] = '\n';
    prepared_[out] = '\0';
    return static_cast<size_t>(p - line);
}

bool SourceReader::next_line() {
    // The line is prepared where it stands; a line that runs past the bytes read so far (to
    // the NUL behind them) is prepared again once more have been read.
    const char* line = nullptr;
    size_t length = 0;
    size_t code_end = 0;
    for (;;) {
        const size_t available = input_end_ - input_pos_;
        if (available == 0 && input_ended_) {
            prepared_[0] = '\0';
            return false;
        }
        line = input_.data() + input_pos_;
        // The code of a line of the bytes available takes at most a tab's spaces for each byte.
        const size_t room = available * kTabWidth + 2;
        if (room > prepared_.size()) prepared_.resize(std::max(room, 2 * prepared_.size()));
        code_end = prepare_code(line);
        if (code_end < available && line[code_end] == '\n') {
            length = code_end + 1;
            break;
        }
        const void* newline = std::memchr(line + code_end, '\n', available - code_end);
        if (newline != nullptr || (input_ended_ && available > 0)) {
            length = newline != nullptr
                         ? static_cast<size_t>(static_cast<const char*>(newline) - line) + 1
                         : available;
            break;
        }
        refill();
    }

    // The code ends at its first ';', newline or NUL; after a ';' the text runs on to the first
    // NUL or the newline, whichever comes first.
    size_t text_length = code_end;
    if (code_end < length && line[code_end] == ';') {
        const void* nul = std::memchr(line + code_end, '\0', length - code_end);
        text_length =
            nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - line) : length;
        if (text_length > 0 && line[text_length - 1] == '\n') text_length--;
    }
    input_pos_ += length;
    text_ = std::string_view(line, text_length);
    code_length_ = code_end;
    return true;
}

void SourceReader::rewind() {
    keep_text();
    if (file_ != nullptr) std::rewind(file_);
    memory_pos_ = 0;
    input_pos_ = input_end_ = 0;  // what was read ahead is read again from the start
    input_[0] = '\0';
    input_ended_ = false;
}

int SourceReader::column_of(size_t offset) const {
    if (!code_has_tabs_) return static_cast<int>(std::min(offset, code_length_));
    size_t out = 0;
    for (size_t i = 0; i < code_length_; i++) {
        out += text_[i] == '\t' ? kTabWidth - out % kTabWidth : 1;
        if (offset < out) return static_cast<int>(i);
    }
    return static_cast<int>(code_length_);
}

int SourceReader::code_end_column() const {
    size_t end = code_length_;
    while (end > 0 && is_blank(text_[end - 1])) end--;
    return static_cast<int>(end);
}
