// The symbol report appended to the listing: a key, then one section per kind of name.
#ifndef TEVLIN_SYMBOLS_REPORT_H_
#define TEVLIN_SYMBOLS_REPORT_H_

#include "base/text_output.h"
#include "symbols/symbol_table.h"

/// Writes the key and the five sections (labels, .BYTE, .EQU, .DEF, .DB).
void Write_symbol_report(const SymbolTable& symbols, TextOutput& out);

#endif  // TEVLIN_SYMBOLS_REPORT_H_
