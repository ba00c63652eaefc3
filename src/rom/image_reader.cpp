// The image reader: finds which image a text is, takes the words out of the lines that carry
// them, and then has the image's own writer say what every line must read.
#include "rom/image_reader.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "base/global.h"
#include "diag/diagnostics.h"
#include "isa/opcodes.h"
#include "rom/rom.h"

namespace {

using Lines = std::vector<std::string_view>;
using Layout = std::vector<std::string>;  // the lines of the empty program's image

constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr size_t kHexFileDigits = 5;
constexpr std::string_view kZeroElement = R"("00" & X"0000")";
constexpr std::string_view kElementPattern = R"("bb" & X"hhhh")";  // b, h: a binary, hex digit

struct SplitText {
    Lines lines;
    bool ended;  // whether the last line has its line end
};

// The lines of text without their line ends and without the blanks and carriage returns that
// end them, which carry nothing.
SplitText split_lines(std::string_view text) {
    SplitText split{{}, text.empty() || text.back() == '\n'};
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        split.lines.push_back(line.substr(0, line.find_last_not_of(" \t\r") + 1));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return split;
}

bool is_hex(std::string_view digits, size_t count) {
    return digits.size() == count && digits.find_first_not_of(kHexDigits) == std::string_view::npos;
}

unsigned int hex_value(std::string_view digits) {
    unsigned int value = 0;
    for (const char digit : digits) {
        value = 16 * value + static_cast<unsigned int>(kHexDigits.find(digit));
    }
    return value;
}

std::string read_hex_lines(const Lines& lines, const Layout& /*empty*/, unsigned int* image) {
    for (size_t i = 0; i < lines.size(); i++) {
        if (!is_hex(lines[i], kHexFileDigits)) {
            return Format_message("line %zu: not five hexadecimal digits", i + 1);
        }
        image[i] = hex_value(lines[i]);
        if (image[i] > kWordBits) {
            return Format_message("line %zu: %05X is wider than 18 bits", i + 1, image[i]);
        }
    }
    return "";
}

// The strings stand where the empty program's text holds 64 zeros: the 64 INIT and 8 INITP
// strings as attributes, then the same 72 strings in the generic map.
std::string read_init_strings(const Lines& lines, const Layout& empty, unsigned int* image) {
    constexpr size_t kStringsPerCopy = kInitStrings + kInitpStrings;
    const std::string zeros(kRomStringChars, '0');
    std::vector<std::string_view> strings;
    std::vector<size_t> line_of;
    for (size_t i = 0; i < empty.size(); i++) {
        const size_t column = empty[i].find(zeros);
        if (column == std::string::npos) continue;
        const size_t n = strings.size() % kStringsPerCopy;
        const std::string name = n < kInitStrings ? Format_message("INIT_%02zX", n)
                                                  : Format_message("INITP_%02zX", n - kInitStrings);
        const std::string_view digits =
            lines[i].substr(std::min(column, lines[i].size())).substr(0, kRomStringChars);
        if (!is_hex(digits, kRomStringChars)) {
            return Format_message("line %zu: %s is not 64 hexadecimal digits", i + 1, name.c_str());
        }
        if (strings.size() >= kStringsPerCopy && digits != strings[n]) {
            return Format_message("line %zu: %s differs from its copy on line %zu", i + 1,
                                  name.c_str(), line_of[n] + 1);
        }
        strings.push_back(digits);
        line_of.push_back(i);
    }
    // INIT string j: bits 15..0 of words 16j + 15 down to 16j. INITP string j: one digit per
    // word pair, pairs 64j + 63 down to 64j, the even word in the low two bits.
    for (size_t j = 0; j < kInitStrings; j++) {
        for (size_t k = 0; k < kWordsPerInit; k++) {
            image[kWordsPerInit * j + k] =
                hex_value(strings[j].substr(4 * (kWordsPerInit - 1 - k), 4));
        }
    }
    for (size_t j = 0; j < kInitpStrings; j++) {
        for (size_t k = 0; k < kRomStringChars; k++) {
            const unsigned int digit =
                hex_value(strings[kInitStrings + j].substr(kRomStringChars - 1 - k, 1));
            const size_t pair = kRomStringChars * j + k;
            image[2 * pair] |= (digit & 0x3) << kParityShift;
            image[2 * pair + 1] |= (digit >> 2) << kParityShift;
        }
    }
    return "";
}

// An array element holds bits 17..16 in binary and bits 15..0 in hexadecimal: "01" & X"ABCD".
bool read_element(std::string_view text, unsigned int* word) {
    if (text.size() < kElementPattern.size()) return false;
    unsigned int value = 0;
    for (size_t i = 0; i < kElementPattern.size(); i++) {
        const char want = kElementPattern[i];
        if (want == 'b' || want == 'h') {
            const size_t base = want == 'b' ? 2 : 16;
            const size_t digit = kHexDigits.find(text[i]);
            if (digit >= base) return false;
            value = static_cast<unsigned int>(base * value + digit);
        } else if (text[i] != want) {
            return false;
        }
    }
    *word = value;
    return true;
}

// The array lines stand where the empty program's text holds its elements, eight words each.
std::string read_array_lines(const Lines& lines, const Layout& empty, unsigned int* image) {
    int addr = 0;
    for (size_t i = 0; i < empty.size(); i++) {
        const size_t column = empty[i].find(kZeroElement);
        if (column == std::string::npos) continue;
        std::string_view rest = lines[i].substr(std::min(column, lines[i].size()));
        int count = 0;
        for (; rest.substr(0, 1) == "\""; count++) {
            if (count == kWordsPerArrayLine) {
                return Format_message("line %zu: more than %d words", i + 1, kWordsPerArrayLine);
            }
            if (!read_element(rest, &image[addr + count])) {
                return Format_message("line %zu: the word at 0x%03X is not written as %.*s", i + 1,
                                      addr + count, static_cast<int>(kElementPattern.size()),
                                      kElementPattern.data());
            }
            rest.remove_prefix(kZeroElement.size());
            if (rest.substr(0, 2) == ", ") rest.remove_prefix(2);
        }
        if (count != kWordsPerArrayLine) {
            return Format_message("line %zu: %d words, not %d", i + 1, count, kWordsPerArrayLine);
        }
        addr += kWordsPerArrayLine;
    }
    return "";
}

struct ImageFormat {
    ImageKind kind;
    const char* name;
    void (*write)(const unsigned int* image, TextOutput& out);
    // Fills image from the lines that carry words; returns the first fault found, or "".
    std::string (*read_words)(const Lines& lines, const Layout& empty, unsigned int* image);
};

constexpr ImageFormat kFormats[] = {
    {ImageKind::kHexFile, "NAME.mem", Write_raw_hex_file, read_hex_lines},
    {ImageKind::kBlockRamVhdl, "prog_rom.vhd", Write_vhdl_prog_rom, read_init_strings},
    {ImageKind::kGenericVhdl, "xprog_rom.vhd", Write_vhdl_prog_rom_generic, read_array_lines},
};

const ImageFormat* format_of(ImageKind kind) {
    for (const ImageFormat& format : kFormats) {
        if (format.kind == kind) return &format;
    }
    return nullptr;
}

// The lines of each format's text for a program memory of zeros, in the order of kFormats.
std::vector<Layout> empty_layouts() {
    const std::vector<unsigned int> zeros(kProgWords);
    std::vector<Layout> layouts;
    for (const ImageFormat& format : kFormats) {
        const std::string text = Rom_image_text(format.kind, zeros.data());
        const Lines lines = split_lines(text).lines;
        layouts.emplace_back(lines.begin(), lines.end());
    }
    return layouts;
}

// A hex file starts with a word; a VHDL image with its banner, whose second line tells the
// two VHDL images apart. Returns the index in kFormats, or std::size(kFormats) for none.
size_t recognised_format(const Lines& lines, const std::vector<Layout>& layouts) {
    if (!lines.empty() && is_hex(lines[0], kHexFileDigits)) {
        return static_cast<size_t>(format_of(ImageKind::kHexFile) - kFormats);
    }
    for (size_t i = 0; i < layouts.size(); i++) {
        const Layout& empty = layouts[i];
        if (lines.size() >= 2 && lines[0] == empty[0] && lines[1] == empty[1]) return i;
    }
    return std::size(kFormats);
}

std::string shape_fault(const SplitText& text, size_t line_count) {
    if (text.lines.size() != line_count) {
        return Format_message("has %zu lines, not %zu", text.lines.size(), line_count);
    }
    return text.ended ? "" : Format_message("line %zu has no line end", line_count);
}

std::string first_difference(const Lines& lines, const std::string& expected_text) {
    const Lines expected = split_lines(expected_text).lines;
    for (size_t i = 0; i < lines.size(); i++) {
        if (lines[i] != expected[i]) {
            return Format_message("line %zu differs from what tevlin writes: \"%.*s\"", i + 1,
                                  static_cast<int>(expected[i].size()), expected[i].data());
        }
    }
    return "";
}

}  // namespace

RomImage Read_rom_image(std::string_view text) {
    const SplitText split = split_lines(text);
    const std::vector<Layout> layouts = empty_layouts();
    const size_t found = recognised_format(split.lines, layouts);
    RomImage rom;
    if (found == std::size(kFormats)) {
        rom.fault = "not a NAME.mem, prog_rom.vhd or xprog_rom.vhd as tevlin writes them";
        return rom;
    }
    const ImageFormat* format = &kFormats[found];
    rom.kind = format->kind;
    const Layout& empty = layouts[found];
    std::vector<unsigned int> words(kProgWords);
    rom.fault = shape_fault(split, empty.size());
    if (rom.fault.empty()) rom.fault = format->read_words(split.lines, empty, words.data());
    if (rom.fault.empty()) {
        rom.fault = first_difference(split.lines, Rom_image_text(format->kind, words.data()));
    }
    if (rom.fault.empty()) rom.words = std::move(words);
    return rom;
}

std::string Rom_image_text(ImageKind kind, const unsigned int* image) {
    const ImageFormat* format = format_of(kind);
    if (format == nullptr) return "";
    std::string text;
    {
        TextOutput out(&text);
        format->write(image, out);
    }
    return text;
}

const char* Rom_image_name(ImageKind kind) {
    const ImageFormat* format = format_of(kind);
    return format == nullptr ? "unrecognised" : format->name;
}
