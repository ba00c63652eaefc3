// Start-up code: loads every initialised data byte and branches to the user's first
// instruction, spliced into the list in front of that instruction.
#ifndef TEVLIN_LISTING_STARTUP_H_
#define TEVLIN_LISTING_STARTUP_H_

#include "isa/opcodes.h"
#include "listing/items/srclist.h"

// The instructions of the start-up code; every byte goes through register r0.
constexpr int kStartupReg = 0;
inline constexpr const Opcode& kStartupLoad = Opcode_of("MOV", FMT_RI);
inline constexpr const Opcode& kStartupStore = Opcode_of("ST", FMT_RI);
inline constexpr const Opcode& kStartupBranch = Opcode_of("BRN", FMT_IM);

/// Inserts separator, load/store pairs, the branch when needed, and separator at count.
void Insert_start_up_code(srcList_t* the_list, const unsigned char* data_mem_array,
                          const unsigned char* data_init_array, int count, int cseg_start);

#endif  // TEVLIN_LISTING_STARTUP_H_
