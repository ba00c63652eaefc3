// The two passes over a source, and the program they build.
#ifndef TEVLIN_GRAMMAR_PROGRAM_H_
#define TEVLIN_GRAMMAR_PROGRAM_H_

#include <array>

#include "base/global.h"
#include "datamem/data_memory.h"
#include "diag/diagnostics.h"
#include "items/items.h"
#include "scan/scanner.h"
#include "symbols/symbol_table.h"

struct Program {
    SymbolTable symbols;
    ItemList items;
    DataMemory data;
    std::array<bool, kProgWords> taken_addresses{};  // taken by instruction lines
};

/// Assembles the source that scanner reads in two passes into program: the first defines the
/// names, the second checks and encodes every line. Errors go to messages.
void Assemble(Scanner& scanner, Diagnostics& messages, Program& program);

#endif  // TEVLIN_GRAMMAR_PROGRAM_H_
