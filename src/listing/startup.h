// Start-up code: loads every initialised data byte and branches to the user's first
// instruction, spliced into the list in front of that instruction.
#ifndef TEVLIN_LISTING_STARTUP_H_
#define TEVLIN_LISTING_STARTUP_H_

#include "listing/items/srclist.h"

/// Inserts separator, load/store pairs, the branch when needed, and separator at count.
void Insert_start_up_code(srcList_t* the_list, const unsigned char* data_mem_array,
                          const unsigned char* data_init_array, int count, int cseg_start);

#endif  // TEVLIN_LISTING_STARTUP_H_
