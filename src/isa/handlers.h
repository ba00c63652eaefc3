// Second-pass handlers of the instruction formats: operand checks, encoding and the item
// of the line; and the handler of forms that the grammar rejects.
#ifndef TEVLIN_ISA_HANDLERS_H_
#define TEVLIN_ISA_HANDLERS_H_

#include "global.h"

// name                             start value  meaning
extern bool codeAddrTaken[kProgWords];  // all false  addresses taken by instruction lines (pass 2)

/// Each handler checks, encodes, sets currOpCode and tmp_inst, and leaves the line's item
/// in tmpItem (LINE_ERROR when a check failed); faults go through perrMsg.
void RR_type_valid_instruction_handler(int inst_type, int reg1_val, int reg2_val);
void RI_type_instruction_handler(int inst_type, int reg_val, int imm_val);
void R1_type_valid_instruction_handler(int inst_type, int reg_val);
void IM_type_valid_instruction_handler(int inst_type, int tmp_sym_val);
void NA_type_valid_instruction_handler(int inst_type);

/// Reports "<MNEMONIC> msg" and leaves a LINE_ERROR item in tmpItem.
void Bad_instruction_handler(const char* msg, int inst_type);

/// Marks the current code address as taken by an instruction line (addresses outside
/// program memory are ignored).
void Take_code_address(int addr);

/// Clears codeAddrTaken.
void Reset_handlers();

#endif  // TEVLIN_ISA_HANDLERS_H_
