// The listing and the debug file, printed from the source item list.
#ifndef TEVLIN_LISTING_PRINT_H_
#define TEVLIN_LISTING_PRINT_H_

#include <cstdio>

#include "listing/items/srclist.h"

/// Writes the key, every item's entry and a final line end.
void Print_srcList(const srcList_t* the_list, std::FILE* file);
/// Writes the key that explains the listing's columns.
void Print_srcList_key(std::FILE* file);
/// Writes start-up words, an empty line, then every instruction item.
void Generate_srcList_debug_file(const srcList_t* the_list, std::FILE* dbgfp);

#endif  // TEVLIN_LISTING_PRINT_H_
