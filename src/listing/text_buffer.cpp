// Output text with printf's fixed-width fields, written to its stream in large pieces.
#include "listing/text_buffer.h"

#include <algorithm>

namespace {

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

void TextBuffer::padded(std::string_view text, int width, bool left_aligned) {
    if (!left_aligned) pad(' ', text.size(), width);
    this->text(text);
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
    if (value < 0) text("-");
    if (zero_padded) pad('0', used, width);
    text(std::string_view(first, static_cast<size_t>(end - first)));
}

void TextBuffer::hex(uint32_t value, int width) {
    char buffer[16];
    char* const end = buffer + sizeof buffer;
    char* const first = digits(value, 16, end);
    pad('0', static_cast<size_t>(end - first), width);
    text(std::string_view(first, static_cast<size_t>(end - first)));
}

void TextBuffer::flush() {
    if (used_ == 0) return;
    std::fwrite(bytes_, 1, used_, file_);
    used_ = 0;
}

void TextBuffer::write_through(std::string_view text) {
    flush();
    if (text.size() >= kSize) {
        std::fwrite(text.data(), 1, text.size(), file_);
        return;
    }
    std::memcpy(bytes_, text.data(), text.size());
    used_ = text.size();
}

void TextBuffer::pad(char fill, size_t used, int width) {
    constexpr std::string_view kBlanks = "                ";
    constexpr std::string_view kZeros = "0000000000000000";
    const std::string_view run = fill == '0' ? kZeros : kBlanks;
    size_t missing = width > 0 && used < static_cast<size_t>(width) ? static_cast<size_t>(width) - used : 0;
    while (missing > 0) {
        const size_t count = std::min(missing, run.size());
        text(run.substr(0, count));
        missing -= count;
    }
}
