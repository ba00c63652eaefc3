// The symbol report at the end of the listing: a key, then the names of each kind in
// alphabetical order with value, defining line and referencing lines.
#include "symbols/report.h"

#include <array>
#include <cstdint>
#include <vector>

#include "driver/base/text_buffer.h"

namespace {

constexpr int kNameWidth = 14;
constexpr size_t kXrefsPerLine = 10;
constexpr size_t kPrefetchAhead = 8;  // entries fetched ahead while a section is printed

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

using Fill = TextBuffer::Fill;

// The name, value and line columns of one entry.
void print_columns(const sym_t& item, TextBuffer& out) {
    out.padded(item.sym_name, kNameWidth, true);
    if (item.type == SYM_DEF) {
        out.text("   r");
        out.decimal(item.val, 2, Fill::kBlanksAfter);
    } else {
        out.text(" 0x");
        out.hex(static_cast<uint32_t>(item.val), 3);
    }
    out.text("   (");
    out.decimal(item.lineNum, 4, Fill::kZeros);
    out.text(")  ||  ");
}

void print_xrefs(const std::vector<int32_t>& the_xref, TextBuffer& out) {
    for (size_t i = 0; i < the_xref.size(); i++) {
        if (i > 0 && i % kXrefsPerLine == 0) out.text("\n                               ||  ");
        out.decimal(the_xref[i], 4, Fill::kZeros);
        out.text(" ");
    }
}

void print_item(const sym_t& item, TextBuffer& out) {
    print_columns(item, out);
    print_xrefs(item.xref, out);
    out.text("\n");
}

void print_section(const std::vector<const sym_t*>& entries, const ReportSection& section,
                   TextBuffer& out) {
    out.text(section.title);
    out.text("\n------------------------------------------------------------ \n");
    for (size_t i = 0; i < entries.size(); i++) {
        // In name order the entries lie scattered over the table's blocks; asking for later
        // ones early hides most of the wait for memory.
        if (i + kPrefetchAhead < entries.size()) {
            const char* ahead = reinterpret_cast<const char*>(entries[i + kPrefetchAhead]);
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + sizeof(sym_t) - 1);
        }
        print_item(*entries[i], out);
    }
    if (entries.empty()) out.text(section.none_used);
}

// Calls visit with the section number and the entry for every entry of a reported kind.
template <class Visit>
void for_each_entry_in_section(const symtab_t& table, Visit visit) {
    for (const auto& block : table.blocks) {
        for (const sym_t& entry : block) {
            for (size_t i = 0; i < kSectionCount; i++) {
                if (entry.type == kSections[i].kind) visit(i, entry);
            }
        }
    }
}

}  // namespace

void Print_symbol_table(const symtab_t* symTab, std::FILE* file) {
    Print_symTable_header(file);
    std::fputs("\n\n", file);
    // The table keeps its entries in the order added: one walk in that order sorts them into
    // their sections, and each section is then put into name order on its own. The sections
    // are counted first, so that each list is made once at its size.
    std::array<size_t, kSectionCount> sizes{};
    for_each_entry_in_section(*symTab,
                              [&sizes](size_t section, const sym_t&) { sizes[section]++; });
    std::array<std::vector<const sym_t*>, kSectionCount> by_section;
    for (size_t i = 0; i < kSectionCount; i++) by_section[i].reserve(sizes[i]);
    for_each_entry_in_section(*symTab, [&by_section](size_t section, const sym_t& entry) {
        by_section[section].push_back(&entry);
    });
    TextBuffer out(file);
    for (size_t i = 0; i < kSectionCount; i++) {
        Sort_symbols_by_name(&by_section[i]);
        print_section(by_section[i], kSections[i], out);
    }
}

void Print_symTable_header(std::FILE* file) {
    std::fputs(
        "\n\n\n\n\nSymbol Table Key \n"
        "----------------------------------------------------------------------\n"
        "C1             C2     C3      ||  C4+\n"
        "-------------  ----   ----        -------\n"
        "C1:  name of symbol\n"
        "C2:  the value of symbol \n"
        "C3:  source code line number where symbol defined\n"
        "C4+: source code line number of where symbol is referenced \n"
        "----------------------------------------------------------------------",
        file);
}
