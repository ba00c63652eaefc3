// Output text with printf's fixed-width fields, written to its stream in large pieces.
#include "driver/base/text_buffer.h"

#include <algorithm>
#include <array>

namespace {

// Writes the hexadecimal digits of value, most significant first, ending at end; returns the
// first digit.
char* hex_digits(uint32_t value, char* end) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    do {
        *--end = kDigits[value % 16];
        value /= 16;
    } while (value != 0);
    return end;
}

// "00" to "99": decimal digits go two at a time, halving the divisions of a number.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (size_t i = 0; i < 100; i++) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// As hex_digits, in decimal.
char* decimal_digits(uint64_t value, char* end) {
    while (value >= 100) {
        const size_t pair = 2 * static_cast<size_t>(value % 100);
        value /= 100;
        end -= 2;
        end[0] = kDigitPairs[pair];
        end[1] = kDigitPairs[pair + 1];
    }
    if (value >= 10) {
        end -= 2;
        end[0] = kDigitPairs[2 * value];
        end[1] = kDigitPairs[2 * value + 1];
        return end;
    }
    *--end = static_cast<char>('0' + value);
    return end;
}

// Puts fill in front of the text from first to end until it is width long (at most the room).
char* fill_to(char* first, char* end, int width, char fill) {
    const int limit = std::min(width, static_cast<int>(TextBuffer::kFieldRoom) - 1);
    while (end - first < limit) *--first = fill;
    return first;
}

}  // namespace

void TextBuffer::padded(std::string_view text, int width, bool left_aligned) {
    if (!left_aligned) pad(text.size(), width);
    this->text(text);
    if (left_aligned) pad(text.size(), width);
}

void TextBuffer::decimal(int64_t value, int width, Fill fill) {
    const uint64_t magnitude =
        value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char buffer[2 * kFieldRoom] = {};
    char* const end = buffer + kFieldRoom;
    char* first = decimal_digits(magnitude, end);
    if (fill == Fill::kZeros) first = fill_to(first, end, value < 0 ? width - 1 : width, '0');
    if (value < 0) *--first = '-';
    if (fill == Fill::kBlanksBefore) first = fill_to(first, end, width, ' ');
    const size_t length = static_cast<size_t>(end - first);
    put_field(first, length);
    if (fill == Fill::kBlanksAfter) pad(length, width);
}

void TextBuffer::hex(uint32_t value, int width) {
    char buffer[2 * kFieldRoom] = {};
    char* const end = buffer + kFieldRoom;
    char* const first = fill_to(hex_digits(value, end), end, width, '0');
    put_field(first, static_cast<size_t>(end - first));
}

// A field is copied as a whole block of kFieldRoom bytes, which compiles to a few moves
// where a copy of its exact length would call the library; only its length counts.
void TextBuffer::put_field(const char* first, size_t length) {
    if (kSize - used_ < kFieldRoom) flush();
    std::memcpy(bytes_ + used_, first, kFieldRoom);
    used_ += length;
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

// Blanks that make a text of used characters width long.
void TextBuffer::pad(size_t used, int width) {
    constexpr std::string_view kBlanks = "                ";
    size_t missing =
        width > 0 && used < static_cast<size_t>(width) ? static_cast<size_t>(width) - used : 0;
    while (missing > 0) {
        const size_t count = std::min(missing, kBlanks.size());
        text(kBlanks.substr(0, count));
        missing -= count;
    }
}
