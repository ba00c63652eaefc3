// Instruction words taken apart again: the opcode table row that encodes a word, and the
// operand fields that row's format holds.
#ifndef TEVLIN_ISA_DECODE_H_
#define TEVLIN_ISA_DECODE_H_

#include "isa/opcodes.h"

struct DecodedWord {
    const Opcode* row = nullptr;  // null: no instruction encodes the word
    int reg_x = 0;                // the fields the row's format lacks stay 0
    int reg_y = 0;
    int value = 0;    // 8-bit value (RI)
    int address = 0;  // program address (IM)
};

/// Returns the row of kOpcodes and the operands that encode word, or a null row when the
/// word has an unused opcode or a bit set that its format keeps 0 (or one above bit 17).
DecodedWord Decode_word(unsigned int word);

#endif  // TEVLIN_ISA_DECODE_H_
