// The symbol report at the end of the listing: a key, then the names of each kind in
// alphabetical order with value, defining line and referencing lines.
#include "symbols/report.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/text_output.h"

namespace {

constexpr size_t kXrefsPerLine = 10;
constexpr size_t kPrefetchAhead = 8;  // symbols fetched ahead while a section is printed

struct ReportSection {
    int kind;
    const char* title;
    const char* none_used;
};

// clang-format off
constexpr ReportSection kSections[] = {
    // kind      title                      text when the section is empty
    {SYM_LABEL, "\n-- Labels",              "--> No labels used\n"},
    {SYM_BYTE,  "\n\n-- Directives: .BYTE", "--> No \".BYTE\" directives used\n"},
    {SYM_EQU,   "\n\n-- Directives: .EQU",  "--> No \".EQU\" directives used\n"},
    {SYM_DEF,   "\n\n-- Directives: .DEF",  "--> No \".DEF\" directives used\n"},
    {SYM_DB,    "\n\n-- Directives: .DB",   "--> No \".DB\" directives used\n"},
};
// clang-format on

constexpr size_t kSectionCount = sizeof kSections / sizeof kSections[0];

// A name in the report's first column: left-aligned and filled with blanks to 14 characters,
// or whole when it is longer. Names hold only letters, digits and "_", so a byte is a column
// and the display width that {fmt} would measure for "{:<14}" is known without looking.
struct NameColumn {
    const std::string& name;
};

}  // namespace

template <>
struct fmt::formatter<NameColumn> {
    static constexpr size_t kWidth = 14;

    constexpr auto parse(format_parse_context& context) { return context.begin(); }

    template <class Context>
    auto format(const NameColumn& column, Context& context) const {
        auto out = std::copy(column.name.begin(), column.name.end(), context.out());
        const size_t size = column.name.size();
        return std::fill_n(out, size < kWidth ? kWidth - size : 0, ' ');
    }
};

namespace {

// One entry: name, value, defining line and the referring lines, ten to a report line.
void print_symbol(const Symbol& symbol, const int32_t* lines, size_t count, TextOutput& out) {
    if (symbol.kind == SYM_DEF) {
        out.print(FMT_COMPILE("{}   r{:<2}   ({:04})  ||  "), NameColumn{symbol.name}, symbol.value,
                  symbol.line);
    } else {
        out.print(FMT_COMPILE("{} 0x{:03X}   ({:04})  ||  "), NameColumn{symbol.name},
                  static_cast<uint32_t>(symbol.value), symbol.line);
    }
    for (size_t i = 0; i < count; i++) {
        if (i > 0 && i % kXrefsPerLine == 0) out.text("\n                               ||  ");
        out.print(FMT_COMPILE("{:04} "), lines[i]);
    }
    out.text("\n");
}

void print_section(const NameKeys& keys, const SymbolTable& symbols, const References& references,
                   const ReportSection& section, TextOutput& out) {
    out.text(section.title);
    out.text("\n------------------------------------------------------------ \n");
    for (size_t i = 0; i < keys.size(); i++) {
        // In name order the symbols lie scattered over the table's blocks; asking for later
        // ones early hides most of the wait for memory.
        if (i + kPrefetchAhead < keys.size()) {
            const char* ahead =
                reinterpret_cast<const char*>(&symbols.symbol(keys[i + kPrefetchAhead].number));
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + sizeof(Symbol) - 1);
        }
        const uint32_t number = keys[i].number;
        const uint32_t first = references.first[number];
        print_symbol(symbols.symbol(number), references.lines.data() + first,
                     references.first[number + 1] - first, out);
    }
    if (keys.empty()) out.text(section.none_used);
}

// The section that reports symbol, or kSectionCount for none.
size_t section_of(const Symbol& symbol) {
    for (size_t i = 0; i < kSectionCount; i++) {
        if (symbol.kind == kSections[i].kind) return i;
    }
    return kSectionCount;
}

constexpr char kKey[] =
    "\n\n\n\n\nSymbol Table Key \n"
    "----------------------------------------------------------------------\n"
    "C1             C2     C3      ||  C4+\n"
    "-------------  ----   ----        -------\n"
    "C1:  name of symbol\n"
    "C2:  the value of symbol \n"
    "C3:  source code line number where symbol defined\n"
    "C4+: source code line number of where symbol is referenced \n"
    "----------------------------------------------------------------------\n\n";

}  // namespace

void Write_symbol_report(const SymbolTable& symbols, TextOutput& out) {
    out.text(kKey);
    // The table keeps its symbols in the order defined: one walk in that order sorts them into
    // their sections, and each section is then put into name order on its own. The sections
    // are counted first, so that each list is made once at its size.
    std::array<size_t, kSectionCount + 1> sizes{};
    symbols.for_each([&sizes](const Symbol& symbol, uint32_t) { sizes[section_of(symbol)]++; });
    std::array<NameKeys, kSectionCount + 1> by_section;
    for (size_t i = 0; i < kSectionCount; i++) by_section[i].reserve(sizes[i]);
    symbols.for_each([&by_section](const Symbol& symbol, uint32_t number) {
        by_section[section_of(symbol)].push_back(Name_key(symbol, number));
    });
    const References references = symbols.references();
    for (size_t i = 0; i < kSectionCount; i++) {
        Sort_by_name(by_section[i], symbols);
        print_section(by_section[i], symbols, references, kSections[i], out);
    }
}
