// Properties that every assembly run has, whatever its source: the ROM files are whole after a
// clean run and empty otherwise, the debug file lists the listed instructions, and the listing
// closes with the symbol report.
#include "support/invariants.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kVhdlEnd =
    "----------------------------------------------------------------------\n"
    "-- END OF FILE prog_rom.vhd\n"
    "----------------------------------------------------------------------\n";
constexpr std::string_view kDbSection =
    "\n\n\n-- Directives: .DB\n------------------------------------------------------------ \n";
constexpr std::string_view kNoDbEntries = "--> No \".DB\" directives used\n";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr size_t kImageWords = 1024;
constexpr size_t kBarColumn = 31;  // where the symbol report puts its double bar, at the least

bool ends_with(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The lines of a text without their line ends; a final line without one is kept as well.
std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        lines.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

bool is_hex_file(std::string_view mem) {
    if (mem.size() != kImageWords * 6) return false;
    for (size_t i = 0; i < mem.size(); i++) {
        if (i % 6 == 5 ? mem[i] != '\n' : kHexDigits.find(mem[i]) == kHexDigits.npos) return false;
    }
    return true;
}

bool is_complete_vhdl(std::string_view vhdl, long lines) {
    return ends_with(vhdl, kVhdlEnd) && std::count(vhdl.begin(), vhdl.end(), '\n') == lines;
}

// The debug lines, less their mnemonic column, that the listing's instruction entries call for:
// the entry "(0012)  CS-0x010  0x36105  ..." calls for "  12  0x010  0x36105".
std::vector<std::string> listed_instructions(std::string_view listing) {
    std::vector<std::string> instructions;
    for (const std::string_view line : split_lines(listing)) {
        const size_t close = std::min(line.find(")  CS-0x"), line.size());
        if (line.substr(0, 1) != "(" || line.find_first_not_of("0123456789", 1) != close) continue;
        const size_t first = std::min(line.find_first_not_of('0', 1), close - 1);
        const std::string number(line.substr(first, close - first));
        const std::string_view words = line.substr(close + 8);  // "010  0x36105  ..."
        instructions.push_back(
            std::string(4 - std::min<size_t>(4, number.size()), ' ') + number + "  0x" +
            std::string(words.substr(0, words.find("  ", words.find("  ") + 2))));
    }
    return instructions;
}

// Whether the debug file's lines after its first empty line show the listed instructions.
bool debug_matches_listing(const std::string& debug, const std::string& listing) {
    const size_t gap = ("\n" + debug).find("\n\n");
    if (gap == std::string::npos || !ends_with(debug, "\n")) return false;
    const std::vector<std::string_view> shown =
        split_lines(std::string_view(debug).substr(gap + 1));
    const std::vector<std::string> listed = listed_instructions(listing);
    return std::equal(shown.begin(), shown.end(), listed.begin(), listed.end(),
                      [](std::string_view line, const std::string& entry) {
                          return line.size() >= 6 && line.substr(6) == "  " + entry;
                      });
}

// Whether the listing closes with the .DB section of the symbol report: its title, then either
// the notice of no entries or entry lines whose references are all that follow the double bar.
bool ends_with_db_section(std::string_view listing) {
    const size_t title = listing.rfind(kDbSection);
    if (title == std::string_view::npos) return false;
    const std::string_view entries = listing.substr(title + kDbSection.size());
    if (entries == kNoDbEntries) return true;
    if (!ends_with(entries, " \n")) return false;
    for (const std::string_view line : split_lines(entries)) {
        const size_t bar = line.find("||  ");
        if (bar == std::string_view::npos || bar < kBarColumn ||
            line.find_first_not_of("0123456789 ", bar + 4) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string Describe_invariant_violations(const AssemblyOutput& run) {
    std::string report;
    const auto check = [&report](bool holds, const char* broken) {
        if (!holds) report += std::string(broken) + "\n";
    };
    check(run.exit_code == 0, "exit code is not 0");
    const std::string& listing = run.file(kListingFile);
    if (run.clean()) {
        check(is_hex_file(run.file(kHexFile)),
              "hex file: not 1024 lines of five hexadecimal digits");
        check(is_complete_vhdl(run.file(kBlockRamFile), 288), "prog_rom.vhd: incomplete");
        check(is_complete_vhdl(run.file(kGenericRomFile), 171), "xprog_rom.vhd: incomplete");
        check(debug_matches_listing(run.file(kDebugFile), listing),
              "debug file: instructions differ from the listing's");
    } else {
        bool emptied = true;
        for (size_t id = 0; id < kOutputFileCount; id++) {
            const OutputFile& row = kOutputFiles[id];
            const bool left_empty = row.needs_clean_source && row.errors_notice == nullptr;
            emptied = emptied && (!left_empty || run.files[id].empty());
        }
        check(emptied, "ROM file written despite errors");
    }
    check(ends_with_db_section(listing), "listing: does not end with the .DB section");
    return report;
}

std::string Describe_run_differences(const AssemblyOutput& first, const AssemblyOutput& second) {
    std::string report = first.exit_code == second.exit_code ? "" : "exit code differs\n";
    if (first.console != second.console) report += "console differs\n";
    for (size_t id = 0; id < kOutputFileCount; id++) {
        if (first.files[id] != second.files[id]) {
            report += Output_help_name(kOutputFiles[id]) + " differs\n";
        }
    }
    return report;
}
