// The symbol table: every defined name with its kind, value, defining line and the lines that
// refer to it, found through a hash index and sorted by name only when asked.
#ifndef TEVLIN_SYMBOLS_SYMBOL_TABLE_H_
#define TEVLIN_SYMBOLS_SYMBOL_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/global.h"

struct Symbol {
    std::string name;
    int32_t kind = 0;  // SymbolKind
    int32_t value = 0;
    int32_t line = 0;                 // the defining line
    std::vector<int32_t> references;  // the referring lines, in the order added
};

class SymbolTable {
  public:
    /// Adds the definition of a new name and returns true; returns false and changes nothing
    /// when the name exists.
    bool define(const std::string& name, SymbolKind kind, int value, int line);
    /// Appends line to the references of name; nothing when name is absent.
    void add_reference(const std::string& name, int line);
    /// The symbol called name, or null.
    const Symbol* find(const std::string& name) const;

    /// Calls visit with every symbol, in the order defined.
    template <class Visit>
    void for_each(Visit visit) const {
        for (const auto& block : blocks_) {
            for (const Symbol& symbol : block) visit(symbol);
        }
    }

  private:
    size_t find_slot(const std::string& name, uint64_t hash) const;
    size_t find_index(const std::string& name) const;
    void make_room_for_one_more();
    const Symbol& at(size_t index) const;

    // Symbols in the order defined, in blocks that never reallocate, so a symbol never moves
    // and releasing a large table frees a few big blocks. Each slot of the open-addressing
    // index holds the upper half of the name's hash above the symbol's number plus one; 0
    // marks a free slot.
    std::vector<std::vector<Symbol>> blocks_;  // each reserved to kBlockSymbols
    size_t count_ = 0;                         // symbols in all blocks
    std::vector<uint64_t> slots_;              // size a power of two, at most 3/4 in use
};

/// Sorts symbols into ascending byte-wise order of their names.
void Sort_by_name(std::vector<const Symbol*>& symbols);

#endif  // TEVLIN_SYMBOLS_SYMBOL_TABLE_H_
