// The symbol report at the end of the listing: a key, then the names of each kind in
// alphabetical order with value, defining line and referencing lines.
#include "symbols/report.h"

#include <array>
#include <vector>

namespace {

constexpr int kNameWidth = 14;
constexpr int kXrefsPerLine = 10;

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

void print_section(const std::vector<const sym_t*>& entries, const ReportSection& section,
                   std::FILE* file) {
    std::fputs(section.title, file);
    std::fputs("\n------------------------------------------------------------ \n", file);
    for (const sym_t* entry : entries) Print_symItem(entry, file);
    if (entries.empty()) std::fputs(section.none_used, file);
}

// Writes the name column and the value and line columns of one entry.
void print_columns(const sym_t& item, std::FILE* file) {
    const char* name = item.sym_name.c_str();
    if (item.is_defined != SYM_REFERENCED) {
        if (item.type == SYM_DEF) {
            std::fprintf(file, "%-*s   r%-*d   (%0*d)  ||  ", kNameWidth, name, 2, item.val, 4,
                         item.lineNum);
        } else {
            std::fprintf(file, "%-*s 0x%0*X   (%0*d)  ||  ", kNameWidth, name, 3,
                         static_cast<unsigned int>(item.val), 4, item.lineNum);
        }
    } else if (item.val == 0) {
        std::fprintf(file, "%-*s  ???    ????   ||  ", kNameWidth, name);
    } else if (item.val == SYM_VAL_CONFLICT) {
        std::fprintf(file, "%-*s  XXX    ????   ||  ", kNameWidth, name);
    }
}

}  // namespace

void Print_symbol_table(const symtab_t* symTab, std::FILE* file) {
    if (symTab == nullptr) {
        std::fputs("\n ERR: tried to print empty symbol table\n", file);
        return;
    }
    Print_symTable_header(file);
    std::fputs("\n\n", file);
    // One walk of the table sorts the entries into their sections, in name order; a walk per
    // section would visit every node of a large table five times.
    std::array<std::vector<const sym_t*>, kSectionCount> by_section;
    for (const auto& named : symTab->entries) {
        for (size_t i = 0; i < kSectionCount; i++) {
            if (named.second.type == kSections[i].kind) by_section[i].push_back(&named.second);
        }
    }
    for (size_t i = 0; i < kSectionCount; i++) print_section(by_section[i], kSections[i], file);
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

void Print_symItem(const sym_t* the_item, std::FILE* file) {
    if (the_item == nullptr) {
        std::fputs("\n ERR: tried to print empty symItem\n", file);
        return;
    }
    print_columns(*the_item, file);
    Print_xrefs(the_item->xref, file);
    std::fputs("\n", file);
}

void Print_xrefs(const std::vector<int32_t>& the_xref, std::FILE* file) {
    for (size_t i = 0; i < the_xref.size(); i++) {
        if (i > 0 && i % kXrefsPerLine == 0) {
            std::fputs("\n                               ||  ", file);
        }
        std::fprintf(file, "%0*d ", 4, the_xref[i]);
    }
}
