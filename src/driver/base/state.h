// Assembly state of the current line and pass, shared by the reader, the grammar, the
// instruction handlers and the messages.
#ifndef TEVLIN_DRIVER_BASE_STATE_H_
#define TEVLIN_DRIVER_BASE_STATE_H_

#include <string>

struct srcItem_t;

// clang-format off
// name             start value    meaning
extern unsigned char P2;           // 0      0 in the first pass, 1 in the second
extern int srcLineNum;             // 1      number of the line being assembled
extern int csegAddr;               // 0      program address of the current instruction
extern int dsegAddr;               // 0      next data address
extern int currSeg;                // 1      SEG_CODE or SEG_DATA
extern int lab_flag;               // 0      1 while the current line carries a label (pass 2)
extern std::string current_sym;    // ""     label of the current line (pass 1), whole name
extern std::string currOpCode;     // ""     mnemonic of the current instruction
extern unsigned int tmp_inst;      // 0      instruction word of the current line
extern srcItem_t* tmpItem;         // null   item of the current line; the list owns it
extern std::string rawLine;        // ""     current source line as read, newline included
// clang-format on

/// Restores the variables above to their start values.
void Reset_assembly_state();

#endif  // TEVLIN_DRIVER_BASE_STATE_H_
