// The listing and the debug file, written from the source item list.
#ifndef TEVLIN_LISTING_LISTING_H_
#define TEVLIN_LISTING_LISTING_H_

#include "base/text_output.h"
#include "items/items.h"

/// Writes the key that explains the listing's columns, every item's entry with its messages,
/// and a final line end.
void Write_listing(const ItemList& items, TextOutput& out);
/// Writes the start-up words, an empty line, then every instruction item.
void Write_debug_file(const ItemList& items, TextOutput& out);

#endif  // TEVLIN_LISTING_LISTING_H_
