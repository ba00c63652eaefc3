// Output text with printf's fixed-width fields, written to its stream in large pieces.
#include "listing/text_buffer.h"

namespace {

constexpr size_t kFlushSize = size_t{1} << 16;

// Writes the digits of value in base, most significant first, ending at end; returns the
// first digit.
char* digits(uint64_t value, unsigned base, char* end) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    do {
        *--end = kDigits[value % base];
        value /= base;
    } while (value != 0);
    return end;
}

}  // namespace

TextBuffer::TextBuffer(std::FILE* file) : file_(file) { pending_.reserve(kFlushSize + 4096); }

TextBuffer::~TextBuffer() { flush(); }

void TextBuffer::text(std::string_view text) {
    pending_.append(text);
    if (pending_.size() >= kFlushSize) flush();
}

void TextBuffer::padded(std::string_view text, int width, bool left_aligned) {
    if (!left_aligned) pad(' ', text.size(), width);
    pending_.append(text);
    if (left_aligned) pad(' ', text.size(), width);
}

void TextBuffer::decimal(int64_t value, int width, bool zero_padded) {
    char buffer[24];
    char* const end = buffer + sizeof buffer;
    const uint64_t magnitude =
        value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char* const first = digits(magnitude, 10, end);
    const size_t used = static_cast<size_t>(end - first) + (value < 0 ? 1 : 0);
    if (!zero_padded) pad(' ', used, width);
    if (value < 0) pending_.push_back('-');
    if (zero_padded) pad('0', used, width);
    pending_.append(first, end);
}

void TextBuffer::hex(uint32_t value, int width) {
    char buffer[16];
    char* const end = buffer + sizeof buffer;
    char* const first = digits(value, 16, end);
    pad('0', static_cast<size_t>(end - first), width);
    pending_.append(first, end);
}

void TextBuffer::flush() {
    if (pending_.empty()) return;
    std::fwrite(pending_.data(), 1, pending_.size(), file_);
    pending_.clear();
}

void TextBuffer::pad(char fill, size_t used, int width) {
    if (width > 0 && used < static_cast<size_t>(width)) {
        pending_.append(static_cast<size_t>(width) - used, fill);
    }
}
