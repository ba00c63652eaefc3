// The two passes over a source, and the program they build.
#ifndef TEVLIN_GRAMMAR_PROGRAM_H_
#define TEVLIN_GRAMMAR_PROGRAM_H_

#include <array>
#include <vector>

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

/// The tokens of the language's own forms that may come next on a line that begins with the
/// tokens of codes; none when no line begins so.
TokenSet Expected_after(const std::vector<int>& codes);

#endif  // TEVLIN_GRAMMAR_PROGRAM_H_
