// Start-up code: loads every initialised data byte and branches to the user's first
// instruction, spliced into the list in front of that instruction.
#ifndef TEVLIN_LISTING_STARTUP_H_
#define TEVLIN_LISTING_STARTUP_H_

#include "datamem/data_memory.h"
#include "diag/diagnostics.h"
#include "grammar/program.h"
#include "isa/opcodes.h"
#include "items/items.h"

// The instructions of the start-up code; every byte goes through register r0.
constexpr int kStartupReg = 0;
inline constexpr const Opcode& kStartupLoad = Opcode_of("MOV", FMT_RI);
inline constexpr const Opcode& kStartupStore = Opcode_of("ST", FMT_RI);
inline constexpr const Opcode& kStartupBranch = Opcode_of("BRN", FMT_IM);

/// Inserts a separator, a load and store pair per initialised byte, a branch to code_start when
/// the pairs end below it, and a separator, as the items from 0-based position on.
void Insert_start_up_code(ItemList& items, const DataMemory& data, int position, int code_start);

/// After the passes: inserts the start-up code that program needs, and reports a code segment
/// that starts too low for it and instructions that .ORG put back into its words.
void Place_start_up_code(Program& program, Diagnostics& messages);

#endif  // TEVLIN_LISTING_STARTUP_H_
