// The symbol report at the end of the listing: a key, then the names of each kind in
// alphabetical order with value, defining line and referencing lines.
#include "symbols/report.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr size_t kNameWidth = 14;
constexpr size_t kXrefsPerLine = 10;
constexpr size_t kWriteSize = 1 << 16;  // text collected before it goes to the stream
constexpr size_t kPrefetchAhead = 8;    // entries fetched ahead while a section is printed

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

void write_text(std::string* text, std::FILE* file) {
    std::fwrite(text->data(), 1, text->size(), file);
    text->clear();
}

// Lines are formatted here rather than by printf, which costs more than the rest of the
// report; each helper writes the bytes of the printf conversion named beside it at out and
// returns the end of what it wrote.

template <size_t N>
char* put_text(char* out, const char (&literal)[N]) {
    std::memcpy(out, literal, N - 1);
    return out + N - 1;
}

// "%0*d": at least width characters, zeros between the sign and the digits.
// "%-*d": at least width characters, blanks after the number.
char* put_decimal(char* out, int32_t value, size_t width, bool zero_fill) {
    char digits[10];
    size_t count = 0;
    uint32_t magnitude = static_cast<uint32_t>(value);
    if (value < 0) magnitude = 0u - magnitude;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const size_t length = count + (value < 0 ? 1 : 0);
    const size_t fill = length < width ? width - length : 0;
    if (value < 0) *out++ = '-';
    if (zero_fill) out = std::fill_n(out, fill, '0');
    while (count > 0) *out++ = digits[--count];
    if (!zero_fill) out = std::fill_n(out, fill, ' ');
    return out;
}

// "%0*X": at least width upper-case hexadecimal digits.
char* put_hex(char* out, uint32_t value, size_t width) {
    char digits[8];
    size_t count = 0;
    do {
        digits[count++] = "0123456789ABCDEF"[value % 16];
        value /= 16;
    } while (value != 0);
    if (count < width) out = std::fill_n(out, width - count, '0');
    while (count > 0) *out++ = digits[--count];
    return out;
}

// "%-*s" with kNameWidth.
char* put_name(char* out, const std::string& name) {
    out = std::copy(name.begin(), name.end(), out);
    if (name.size() < kNameWidth) out = std::fill_n(out, kNameWidth - name.size(), ' ');
    return out;
}

// The name, value and line columns of one entry.
char* put_columns(char* out, const sym_t& item) {
    if (item.is_defined != SYM_REFERENCED) {
        out = put_name(out, item.sym_name);
        if (item.type == SYM_DEF) {
            out = put_decimal(put_text(out, "   r"), item.val, 2, false);
        } else {
            out = put_hex(put_text(out, " 0x"), static_cast<uint32_t>(item.val), 3);
        }
        out = put_decimal(put_text(out, "   ("), item.lineNum, 4, true);
        return put_text(out, ")  ||  ");
    }
    if (item.val == 0) return put_text(put_name(out, item.sym_name), "  ???    ????   ||  ");
    if (item.val == SYM_VAL_CONFLICT) {
        return put_text(put_name(out, item.sym_name), "  XXX    ????   ||  ");
    }
    return out;
}

constexpr char kXrefBreak[] = "\n                               ||  ";
constexpr size_t kXrefWidth = 12;  // the widest reference with its blank: "-2147483648 "

char* put_xrefs(char* out, const std::vector<int32_t>& the_xref) {
    for (size_t i = 0; i < the_xref.size(); i++) {
        if (i > 0 && i % kXrefsPerLine == 0) out = put_text(out, kXrefBreak);
        out = put_decimal(out, the_xref[i], 4, true);
        *out++ = ' ';
    }
    return out;
}

// Room enough for any entry line: the name, the widest columns, every reference and break.
size_t item_size_bound(const sym_t& item) {
    constexpr size_t kColumnsWidth = 48;
    const size_t xrefs = item.xref.size();
    return std::max(item.sym_name.size(), kNameWidth) + kColumnsWidth + xrefs * kXrefWidth +
           xrefs / kXrefsPerLine * (sizeof kXrefBreak - 1) + 1;
}

void append_item(std::string* text, const sym_t& item) {
    const size_t start = text->size();
    text->resize(start + item_size_bound(item));
    char* out = put_xrefs(put_columns(&(*text)[start], item), item.xref);
    *out++ = '\n';
    text->resize(static_cast<size_t>(out - text->data()));
}

void print_section(const std::vector<const sym_t*>& entries, const ReportSection& section,
                   std::FILE* file) {
    std::string text = section.title;
    text.append("\n------------------------------------------------------------ \n");
    for (size_t i = 0; i < entries.size(); i++) {
        // In name order the entries lie scattered over the table's blocks; asking for later
        // ones early hides most of the wait for memory.
        if (i + kPrefetchAhead < entries.size()) {
            const char* ahead = reinterpret_cast<const char*>(entries[i + kPrefetchAhead]);
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + sizeof(sym_t) - 1);
        }
        append_item(&text, *entries[i]);
        if (text.size() >= kWriteSize) write_text(&text, file);
    }
    if (entries.empty()) text.append(section.none_used);
    write_text(&text, file);
}

}  // namespace

void Print_symbol_table(const symtab_t* symTab, std::FILE* file) {
    if (symTab == nullptr) {
        std::fputs("\n ERR: tried to print empty symbol table\n", file);
        return;
    }
    Print_symTable_header(file);
    std::fputs("\n\n", file);
    // The table keeps its entries in the order added: one walk in that order sorts them into
    // their sections, and each section is then put into name order on its own.
    std::array<std::vector<const sym_t*>, kSectionCount> by_section;
    for (const auto& block : symTab->blocks) {
        for (const sym_t& entry : block) {
            for (size_t i = 0; i < kSectionCount; i++) {
                if (entry.type == kSections[i].kind) by_section[i].push_back(&entry);
            }
        }
    }
    for (size_t i = 0; i < kSectionCount; i++) {
        Sort_symbols_by_name(&by_section[i]);
        print_section(by_section[i], kSections[i], file);
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

void Print_symItem(const sym_t* the_item, std::FILE* file) {
    if (the_item == nullptr) {
        std::fputs("\n ERR: tried to print empty symItem\n", file);
        return;
    }
    std::string text;
    append_item(&text, *the_item);
    write_text(&text, file);
}

void Print_xrefs(const std::vector<int32_t>& the_xref, std::FILE* file) {
    std::string text(
        the_xref.size() * kXrefWidth + the_xref.size() / kXrefsPerLine * (sizeof kXrefBreak - 1),
        ' ');
    text.resize(static_cast<size_t>(put_xrefs(&text[0], the_xref) - text.data()));
    write_text(&text, file);
}
