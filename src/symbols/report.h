// The symbol report appended to the listing: a key, then one section per kind of name.
#ifndef TEVLIN_SYMBOLS_REPORT_H_
#define TEVLIN_SYMBOLS_REPORT_H_

#include <cstdio>

#include "symbols/symbols.h"

/// Writes the key and the five sections (labels, .BYTE, .EQU, .DEF, .DB).
void Print_symbol_table(const symtab_t* symTab, std::FILE* file);
/// Writes the key that explains the report's columns.
void Print_symTable_header(std::FILE* file);

#endif  // TEVLIN_SYMBOLS_REPORT_H_
