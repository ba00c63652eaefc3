// The symbol table: every defined name with its kind, value, defining line and the lines
// that refer to it, found through a hash index and sorted by name only when asked.
#ifndef TEVLIN_SYMBOLS_SYMBOLS_H_
#define TEVLIN_SYMBOLS_SYMBOLS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "global.h"

struct sym_t {
    std::string sym_name;
    int32_t type = 0;  // SymbolKind
    int32_t val = 0;
    int32_t lineNum = 0;        // the defining line
    std::vector<int32_t> xref;  // referencing line numbers, in the order added
};

// Entries in the order added, in blocks that never reallocate, so an entry never moves and
// releasing a large table frees a few big blocks. Each slot of the open-addressing index holds
// the upper half of the name's hash above the entry's number plus one; 0 marks a free slot.
constexpr size_t kSymBlockEntries = 1024;
struct symtab_t {
    std::vector<std::vector<sym_t>> blocks;  // each reserved to kSymBlockEntries
    size_t count = 0;                        // entries in all blocks
    std::vector<uint64_t> slots;             // size a power of two, at most 3/4 in use
};

// name                      start value  meaning
extern symtab_t* Symbol_Table;  // null  the run's table, created by the driver

/// Returns a new empty table.
symtab_t* Create_symTable();
/// Adds the definition of a new name and returns 1; returns 0 and changes nothing when the
/// name exists.
int Add_sym_to_symTable(symtab_t* symTab, const std::string& name, int type, int val, int lineNum);
/// Appends lineNum to the references of name; nothing when name is absent.
void Add_xref_to_symTab(symtab_t* symTab, const std::string& name, int lineNum);

/// 1 and the register number through tmp_val when symbol is a SYM_DEF name; else 0.
int Is_symbol_valid_regdef(const symtab_t* symTab, const std::string& symbol, int* tmp_val);
/// 1 and the value through tmp_val when symbol is defined with another kind; else 0.
int Is_symbol_valid_nonreg_type(const symtab_t* symTab, const std::string& symbol, int* tmp_val);
/// Sorts entries into ascending byte-wise order of their names.
void Sort_symbols_by_name(std::vector<const sym_t*>* entries);
/// Releases the table and its entries.
void Delete_symbol_table(symtab_t* symTab);

/// Deletes Symbol_Table and sets it to null.
void Reset_symbols();

#endif  // TEVLIN_SYMBOLS_SYMBOLS_H_
