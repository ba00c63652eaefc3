// Properties that every assembly run has, whatever its source: the outputs agree with each
// other, have their fixed shapes, and the listing always ends with the symbol report.
#include "fuzz/invariants.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kErrorNotice =
    "\nErrors in source code: no debug or VHDL file generated\n\n";
constexpr std::string_view kRomBanner =
    "----------------------------------------------------------------------\n"
    "-- END OF FILE prog_rom.vhd\n"
    "----------------------------------------------------------------------\n";
constexpr std::string_view kListingStart = "\n\nList FileKey \n";
constexpr std::string_view kDbTitle = "-- Directives: .DB";
constexpr std::string_view kSectionDashes =
    "------------------------------------------------------------ ";
constexpr std::string_view kNoDbLine = "--> No \".DB\" directives used";
constexpr std::string_view kArrayStart = "   CONSTANT my_memory: vector_array := (\n";

constexpr int kImageWords = 1024;
constexpr int kBlockRomLines = 288;
constexpr int kGenericRomLines = 171;
constexpr int kWordsPerArrayLine = 8;
constexpr int kNameColumn = 14;
constexpr int kReferencesPerLine = 10;
constexpr size_t kMaxHexDigits = 16;
constexpr size_t kMaxDecimalDigits = 18;

// Walks a text piece by piece; a step that does not match fails without moving.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool literal(std::string_view expected) {
        if (text_.substr(0, expected.size()) != expected) return false;
        text_.remove_prefix(expected.size());
        return true;
    }

    // Upper-case hexadecimal digits, at least min_digits of them.
    bool hex(size_t min_digits, uint64_t& value) {
        size_t count = 0;
        uint64_t result = 0;
        while (count < text_.size() && count <= kMaxHexDigits) {
            const char c = text_[count];
            if (c >= '0' && c <= '9') {
                result = result * 16 + static_cast<uint64_t>(c - '0');
            } else if (c >= 'A' && c <= 'F') {
                result = result * 16 + static_cast<uint64_t>(c - 'A' + 10);
            } else {
                break;
            }
            count++;
        }
        if (count < min_digits || count > kMaxHexDigits) return false;
        text_.remove_prefix(count);
        value = result;
        return true;
    }

    // Decimal digits, at least min_digits of them.
    bool decimal(size_t min_digits, uint64_t& value) {
        size_t count = 0;
        uint64_t result = 0;
        while (count < text_.size() && count <= kMaxDecimalDigits && text_[count] >= '0' &&
               text_[count] <= '9') {
            result = result * 10 + static_cast<uint64_t>(text_[count] - '0');
            count++;
        }
        if (count < min_digits || count > kMaxDecimalDigits) return false;
        text_.remove_prefix(count);
        value = result;
        return true;
    }

    // A number right-aligned in a field of the given width (a wider one fills it alone).
    bool right_aligned_decimal(size_t width, uint64_t& value) {
        const size_t blanks = count_blanks();
        Cursor digits(text_.substr(blanks));
        if (!digits.decimal(1, value) || !fills_field(blanks, digits, width)) return false;
        text_ = digits.text_;
        return true;
    }

    // A mnemonic right-aligned in a field of the given width.
    bool right_aligned_word(size_t width) {
        const size_t blanks = count_blanks();
        Cursor letters(text_.substr(blanks));
        if (!letters.upper_case_word() || !fills_field(blanks, letters, width)) return false;
        text_ = letters.text_;
        return true;
    }

    // A name of the symbol table: a letter, then letters, digits and underscores.
    bool name(size_t& length) {
        size_t count = 0;
        while (count < text_.size()) {
            const char c = text_[count];
            const bool letter = c >= 'A' && c <= 'Z';
            const bool other = (c >= '0' && c <= '9') || c == '_';
            if (!letter && !(other && count > 0)) break;
            count++;
        }
        if (count == 0) return false;
        text_.remove_prefix(count);
        length = count;
        return true;
    }

    bool at_end() const { return text_.empty(); }

  private:
    bool upper_case_word() {
        size_t count = 0;
        while (count < text_.size() && text_[count] >= 'A' && text_[count] <= 'Z') count++;
        text_.remove_prefix(count);
        return count > 0;
    }

    // Whether blanks followed by what rest has consumed fill a right-aligned field.
    bool fills_field(size_t blanks, const Cursor& rest, size_t width) const {
        const size_t length = text_.size() - rest.text_.size();
        return blanks == 0 ? length >= width : length == width;
    }

    size_t count_blanks() const {
        size_t blanks = 0;
        while (blanks < text_.size() && text_[blanks] == ' ') blanks++;
        return blanks;
    }

    std::string_view text_;
};

// An instruction word as one output shows it: the source line (0 on start-up code), the
// program address and the word.
struct ShownWord {
    uint64_t line = 0;
    uint64_t address = 0;
    uint64_t word = 0;

    bool operator==(const ShownWord& other) const {
        return line == other.line && address == other.address && word == other.word;
    }
};

struct Words {
    std::vector<ShownWord> start_up;
    std::vector<ShownWord> program;
    std::vector<ShownWord> in_order;  // both kinds, as listed
};

class Report {
  public:
    void add(const std::string& text) { text_ += text + "\n"; }
    void check(bool holds, const std::string& text) {
        if (!holds) add(text);
    }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

bool ends_with(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool starts_with(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

// The lines of a text without their line ends; a final line without one is kept as well.
std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

size_t count_lines(std::string_view text) {
    size_t count = 0;
    for (const char c : text) count += c == '\n' ? 1 : 0;
    return count;
}

std::string quoted(std::string_view line) { return "\"" + std::string(line) + "\""; }

// The start-up and instruction entries of the listing, in listing order.
Words listed_words(std::string_view listing, Report& report) {
    Words words;
    for (const std::string_view line : split_lines(listing)) {
        Cursor cursor(line);
        ShownWord shown;
        uint64_t data = 0;
        if (cursor.literal("-STUP-")) {
            const bool well_formed = cursor.literal("  CS-0x") && cursor.hex(3, shown.address) &&
                                     cursor.literal("  0x") && cursor.hex(5, shown.word) &&
                                     cursor.literal("  0x") && cursor.hex(3, data) &&
                                     cursor.literal("  || ");
            report.check(well_formed, "listing: malformed start-up entry " + quoted(line));
            words.start_up.push_back(shown);
            words.in_order.push_back(shown);
            continue;
        }
        if (!(cursor.literal("(") && cursor.decimal(4, shown.line) && cursor.literal(")") &&
              cursor.literal("  CS-0x"))) {
            continue;
        }
        const bool well_formed =
            cursor.hex(3, shown.address) && cursor.literal("  0x") && cursor.hex(5, shown.word) &&
            (cursor.literal("         || ") || (cursor.literal("  0x") && cursor.hex(3, data) &&
                                                data == shown.address && cursor.literal("  || ")));
        report.check(well_formed, "listing: malformed instruction entry " + quoted(line));
        words.program.push_back(shown);
        words.in_order.push_back(shown);
    }
    return words;
}

// The two parts of the debug file: start-up words, an empty line, the program's words.
Words debug_words(std::string_view debug, Report& report) {
    Words words;
    report.check(ends_with(debug, "\n"), "debug file: does not end with a line end");
    const std::vector<std::string_view> lines = split_lines(debug);
    size_t index = 0;
    for (; index < lines.size() && !lines[index].empty(); index++) {
        Cursor cursor(lines[index]);
        ShownWord shown;
        const bool well_formed = cursor.right_aligned_word(6) && cursor.literal("  0x") &&
                                 cursor.hex(3, shown.address) && cursor.literal("  0x") &&
                                 cursor.hex(5, shown.word) && cursor.at_end();
        report.check(well_formed, "debug file: malformed start-up line " + quoted(lines[index]));
        words.start_up.push_back(shown);
    }
    report.check(index < lines.size(), "debug file: no empty line after the start-up code");
    for (index++; index < lines.size(); index++) {
        Cursor cursor(lines[index]);
        ShownWord shown;
        const bool well_formed = cursor.right_aligned_word(6) && cursor.literal("  ") &&
                                 cursor.right_aligned_decimal(4, shown.line) &&
                                 cursor.literal("  0x") && cursor.hex(3, shown.address) &&
                                 cursor.literal("  0x") && cursor.hex(5, shown.word) &&
                                 cursor.at_end();
        report.check(well_formed, "debug file: malformed instruction line " + quoted(lines[index]));
        words.program.push_back(shown);
    }
    return words;
}

void compare_words(const std::vector<ShownWord>& listed, const std::vector<ShownWord>& debug,
                   const std::string& what, Report& report) {
    if (listed.size() != debug.size()) {
        report.add("debug file: " + std::to_string(debug.size()) + " " + what +
                   " lines, listing: " + std::to_string(listed.size()));
        return;
    }
    for (size_t i = 0; i < listed.size(); i++) {
        if (listed[i] == debug[i]) continue;
        report.add("debug file: " + what + " line " + std::to_string(i + 1) +
                   " differs from its listing entry");
        return;
    }
}

// The program image that the listed words give: later words overwrite earlier ones and words
// outside program memory are left out.
std::vector<uint64_t> image_of(const std::vector<ShownWord>& words) {
    std::vector<uint64_t> image(kImageWords, 0);
    for (const ShownWord& shown : words) {
        if (shown.address < kImageWords) image[shown.address] = shown.word;
    }
    return image;
}

void check_hex_file(std::string_view mem, const std::vector<uint64_t>& image, Report& report) {
    const std::vector<std::string_view> lines = split_lines(mem);
    if (lines.size() != kImageWords || !ends_with(mem, "\n")) {
        report.add("hex file: " + std::to_string(lines.size()) + " lines instead of 1024");
        return;
    }
    for (size_t address = 0; address < lines.size(); address++) {
        Cursor cursor(lines[address]);
        uint64_t word = 0;
        if (!(cursor.hex(5, word) && cursor.at_end() && lines[address].size() == 5)) {
            report.add("hex file: line " + std::to_string(address + 1) + " is " +
                       quoted(lines[address]));
            return;
        }
        if (word != image[address]) {
            report.add("hex file: word " + std::to_string(address) + " differs from the listing");
            return;
        }
    }
}

void check_vhdl_ending(std::string_view vhdl, size_t expected_lines, const std::string& name,
                       Report& report) {
    report.check(ends_with(vhdl, kRomBanner), name + ": does not end with its closing banner");
    report.check(count_lines(vhdl) == expected_lines,
                 name + ": " + std::to_string(count_lines(vhdl)) + " lines instead of " +
                     std::to_string(expected_lines));
}

// The constant array of the generic ROM holds the same words as the program image.
void check_generic_rom_array(std::string_view vhdl, const std::vector<uint64_t>& image,
                             Report& report) {
    const size_t start = vhdl.find(kArrayStart);
    if (start == std::string_view::npos) {
        report.add("xprog_rom.vhd: no constant array");
        return;
    }
    Cursor cursor(vhdl.substr(start + kArrayStart.size()));
    for (int address = 0; address < kImageWords; address++) {
        const uint64_t word = image[static_cast<size_t>(address)];
        const char high_bits[] = {(word & 0x20000) != 0 ? '1' : '0',
                                  (word & 0x10000) != 0 ? '1' : '0', '\0'};
        uint64_t low_bits = 0;
        const bool last = address == kImageWords - 1;
        const bool line_start = address % kWordsPerArrayLine == 0;
        const bool line_end = address % kWordsPerArrayLine == kWordsPerArrayLine - 1;
        uint64_t first = 0;
        uint64_t final_address = 0;
        const bool matches =
            (!line_start || cursor.literal("      ")) && cursor.literal("\"") &&
            cursor.literal(high_bits) && cursor.literal("\" & X\"") && cursor.hex(4, low_bits) &&
            low_bits == (word & 0xFFFF) && cursor.literal(last ? "\");" : "\", ") &&
            (!line_end ||
             (cursor.literal(" -->> (") && cursor.right_aligned_decimal(4, first) &&
              cursor.literal(" - ") && cursor.right_aligned_decimal(4, final_address) &&
              first == static_cast<uint64_t>(address - kWordsPerArrayLine + 1) &&
              final_address == static_cast<uint64_t>(address) &&
              cursor.literal(last ? ") \n\n" : ") \n")));
        if (!matches) {
            report.add("xprog_rom.vhd: element " + std::to_string(address) +
                       " differs from the hex file");
            return;
        }
    }
}

// One line of the .DB section: a name, its value, its line and up to ten references.
bool is_db_entry(std::string_view line, size_t& references) {
    Cursor cursor(line);
    size_t length = 0;
    uint64_t value = 0;
    if (!cursor.name(length)) return false;
    if (length < kNameColumn && !cursor.literal(std::string(kNameColumn - length, ' '))) {
        return false;
    }
    if (!(cursor.literal(" 0x") && cursor.hex(3, value) && cursor.literal("   (") &&
          cursor.decimal(4, value) && cursor.literal(")  ||  "))) {
        return false;
    }
    for (references = 0; cursor.decimal(4, value); references++) {
        if (!cursor.literal(" ")) return false;
    }
    return cursor.at_end() && references <= kReferencesPerLine;
}

bool is_reference_continuation(std::string_view line, size_t& references) {
    Cursor cursor(line);
    uint64_t value = 0;
    if (!cursor.literal(std::string(31, ' ') + "||  ")) return false;
    for (references = 0; cursor.decimal(4, value); references++) {
        if (!cursor.literal(" ")) return false;
    }
    return cursor.at_end() && references > 0 && references <= kReferencesPerLine;
}

// The listing opens with its key and closes with the .DB section of the symbol report.
void check_listing_frame(std::string_view listing, Report& report) {
    report.check(starts_with(listing, kListingStart), "listing: does not open with its key");
    report.check(ends_with(listing, "\n"), "listing: does not end with a line end");
    const std::vector<std::string_view> lines = split_lines(listing);
    size_t title = lines.size();
    while (title > 0 && lines[title - 1] != kDbTitle) title--;
    if (title < 3 || !lines[title - 2].empty() || !lines[title - 3].empty() ||
        title >= lines.size() || lines[title] != kSectionDashes) {
        report.add("listing: no .DB section of the symbol report at its end");
        return;
    }
    const size_t first = title + 1;
    if (first + 1 == lines.size() && lines[first] == kNoDbLine) return;
    size_t previous_references = 0;
    for (size_t index = first; index < lines.size(); index++) {
        size_t references = 0;
        const bool entry = is_db_entry(lines[index], references);
        const bool continuation = index > first && previous_references == kReferencesPerLine &&
                                  is_reference_continuation(lines[index], references);
        if (!entry && !continuation) {
            report.add("listing: unexpected line in the .DB section " + quoted(lines[index]));
            return;
        }
        previous_references = references;
    }
    report.check(first < lines.size(), "listing: empty .DB section");
}

void check_error_free_outputs(const AssemblyOutput& run, Report& report) {
    const Words listed = listed_words(run.asl, report);
    const Words debug = debug_words(run.dbg, report);
    compare_words(listed.start_up, debug.start_up, "start-up", report);
    compare_words(listed.program, debug.program, "instruction", report);
    const std::vector<uint64_t> image = image_of(listed.in_order);
    check_hex_file(run.mem, image, report);
    check_vhdl_ending(run.prog_rom, kBlockRomLines, "prog_rom.vhd", report);
    check_vhdl_ending(run.xprog_rom, kGenericRomLines, "xprog_rom.vhd", report);
    check_generic_rom_array(run.xprog_rom, image, report);
}

void check_outputs_with_errors(const AssemblyOutput& run, Report& report) {
    report.check(run.dbg == kErrorNotice, "debug file: not the notice of a run with errors");
    report.check(run.mem.empty(), "hex file: not empty after errors");
    report.check(run.prog_rom.empty(), "prog_rom.vhd: not empty after errors");
    report.check(run.xprog_rom.empty(), "xprog_rom.vhd: not empty after errors");
}

}  // namespace

std::string Describe_invariant_violations(const AssemblyOutput& run) {
    Report report;
    report.check(run.exit_code == 0, "exit code " + std::to_string(run.exit_code));
    const bool counted = run.error_count != 0;
    report.check(counted == !run.err.empty(), "error file: empty exactly when no error counted");
    report.check(counted == !run.console.empty(), "console: empty exactly when no error counted");
    if (run.error_count == 0 && run.syntax_error_count == 0) {
        check_error_free_outputs(run, report);
    } else {
        check_outputs_with_errors(run, report);
    }
    check_listing_frame(run.asl, report);
    return report.text();
}

std::string Describe_run_differences(const AssemblyOutput& first, const AssemblyOutput& second) {
    Report report;
    report.check(first.exit_code == second.exit_code, "exit code differs between runs");
    report.check(first.error_count == second.error_count, "error count differs between runs");
    report.check(first.syntax_error_count == second.syntax_error_count,
                 "syntax error count differs between runs");
    const std::pair<const char*, std::string AssemblyOutput::*> texts[] = {
        {"console", &AssemblyOutput::console},
        {"error file", &AssemblyOutput::err},
        {"listing", &AssemblyOutput::asl},
        {"debug file", &AssemblyOutput::dbg},
        {"hex file", &AssemblyOutput::mem},
        {"prog_rom.vhd", &AssemblyOutput::prog_rom},
        {"xprog_rom.vhd", &AssemblyOutput::xprog_rom},
    };
    for (const auto& [name, text] : texts) {
        report.check(first.*text == second.*text, std::string(name) + " differs between runs");
    }
    return report.text();
}
