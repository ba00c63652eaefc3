// The five encoders.
#include "isa/opcodes.h"

unsigned int RR_inst_bit_define(int reg1, int reg2, unsigned int instr) {
    return (static_cast<unsigned int>(reg1) << kRegShift) |
           (static_cast<unsigned int>(reg2) << kReg2Shift) | instr;
}

unsigned int RI_inst_bit_define(int reg, int immed, unsigned int instr) {
    return (static_cast<unsigned int>(reg) << kRegShift) | static_cast<unsigned int>(immed) | instr;
}

unsigned int R1_inst_bit_define(int reg, unsigned int instr) {
    return (static_cast<unsigned int>(reg) << kRegShift) | instr;
}

unsigned int IM_inst_bit_define(int mem_val, unsigned int instr) {
    return (static_cast<unsigned int>(mem_val) << kAddrShift) | instr;
}

unsigned int NA_inst_bit_define(unsigned int instr) { return instr; }
