// The symbol table: every defined name with its kind, value, defining line and the lines that
// refer to it, found through a hash index and sorted by name only when asked.
#ifndef TEVLIN_SYMBOLS_SYMBOL_TABLE_H_
#define TEVLIN_SYMBOLS_SYMBOL_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/global.h"
#include "base/large_allocator.h"

struct Symbol {
    std::string name;
    int32_t kind = 0;  // SymbolKind
    int32_t value = 0;
    int32_t line = 0;    // the defining line
    int32_t column = 0;  // where the name stands in it, when the run wants columns
};

/// Where the name of symbol stands on its defining line.
inline Span Definition_span(const Symbol& symbol) {
    return {symbol.column, static_cast<int32_t>(symbol.name.size())};
}

/// Whether the name written at span of line is the one that defines symbol.
inline bool Is_definition(const Symbol* symbol, int line, Span span) {
    return symbol != nullptr && symbol->line == line && symbol->column == span.column;
}

// The lines that refer to each symbol, in the order added: those of the symbol numbered i (in
// the order defined) are lines[first[i]] up to lines[first[i + 1]].
struct References {
    std::vector<uint32_t> first;
    std::vector<int32_t> lines;
};

/// What a symbol of kind is, in words: "label", "constant", "register name" or "data name".
const char* Kind_word(int kind);

class SymbolTable {
  public:
    /// Adds the definition of a new name and returns true; returns false and changes nothing
    /// when the name exists.
    bool define(std::string_view name, SymbolKind kind, int value, int line, int column);
    /// Appends line to the references of symbol, which must come from this table.
    void add_reference(const Symbol& symbol, int line);
    /// The symbol called name, or null.
    const Symbol* find(std::string_view name) const;

    /// Calls visit with every symbol and its number, in the order defined.
    template <class Visit>
    void for_each(Visit visit) const {
        for (size_t number = 0; number < symbols_.size(); number++) {
            visit(symbols_[number], static_cast<uint32_t>(number));
        }
    }
    /// The referring lines of every symbol.
    References references() const;
    /// The symbol numbered number, in the order defined.
    const Symbol& symbol(uint32_t number) const;
    /// The number of symbols.
    size_t size() const { return symbols_.size(); }

  private:
    size_t find_slot(std::string_view name, uint64_t hash) const;
    void make_room_for_one_more();

    // Symbols in the order defined. Each slot of the open-addressing index holds the upper half
    // of the name's hash above the symbol's number plus one; 0 marks a free slot.
    std::vector<Symbol, LargeAllocator<Symbol>> symbols_;
    std::vector<uint64_t, LargeAllocator<uint64_t>> slots_;  // a power of two, at most 3/4 used
    // Each reference as the symbol's number and the referring line; most symbols have none, so
    // they are kept apart from the symbols.
    std::vector<std::pair<uint32_t, int32_t>> references_;
};

// A symbol's number, sortable by name: the name's first 16 bytes as two big-endian numbers, so
// that comparing numbers compares bytes; names that agree in them are compared whole.
struct NameKey {
    uint64_t head;
    uint64_t tail;
    uint32_t number;
};
using NameKeys = std::vector<NameKey, LargeAllocator<NameKey>>;
NameKey Name_key(const Symbol& symbol, uint32_t number);
/// Sorts the keys of symbols into ascending byte-wise order of their names.
void Sort_by_name(NameKeys& keys, const SymbolTable& symbols);

#endif  // TEVLIN_SYMBOLS_SYMBOL_TABLE_H_
