// Second-pass handlers: check an instruction's segment, address and operands, encode it
// whatever the checks found, and leave the line's item in tmpItem.
#include "isa/handlers.h"

#include <cassert>
#include <cstring>
#include <string>

#include "diag/diag.h"
#include "driver/base/state.h"
#include "isa/opcodes.h"
#include "listing/items/srclist.h"

bool codeAddrTaken[kProgWords];

namespace {

bool in_program_memory(int addr) { return addr >= 0 && addr <= kMaxCodeAddr; }

bool is_register(int reg) { return reg >= 0 && reg <= kRegMax; }

// The checks that every format shares: segment, then the code address the line stands at.
// Returns true when one of them failed.
bool check_placement() {
    bool error = false;
    if (currSeg != SEG_CODE) {
        perrMsg("Instructions must be specified in code segment");
        error = true;
    }
    if (csegAddr > kMaxCodeAddr) {
        perrMsg(Format_message("Code segment range: [0,%d]", kMaxCodeAddr).c_str());
        error = true;
    }
    if (in_program_memory(csegAddr) && codeAddrTaken[csegAddr]) {
        perrMsg(Format_message("Overlapping code at address 0x%03X", csegAddr).c_str());
        error = true;
    }
    return error;
}

// The table row of inst_type in format; the grammar only passes codes of that format.
const Opcode& row_of(int inst_type, InstFormat format) {
    const Opcode* row = Find_opcode(inst_type, format);
    assert(row != nullptr && "inst_type has a row in the handler's format");
    return *row;
}

// Records the mnemonic and word, and makes the line's item.
void finish_line(const Opcode& row, unsigned int word, bool error, LineType line_type) {
    currOpCode = row.mnemonic;
    tmp_inst = word;
    tmpItem = Create_srcItem(rawLine.c_str(), srcLineNum, csegAddr, error ? LINE_ERROR : line_type,
                             currOpCode.c_str(), tmp_inst, 0);
}

}  // namespace

void RR_type_valid_instruction_handler(int inst_type, int reg1_val, int reg2_val) {
    bool error = check_placement();
    if (!is_register(reg1_val)) {
        perrMsg(Format_message("First register must be in range [%d,%d]", 0, kRegMax).c_str());
        error = true;
    }
    if (!is_register(reg2_val)) {
        perrMsg(Format_message("Second register must be in range [%d,%d]", 0, kRegMax).c_str());
        error = true;
    }
    const Opcode& row = row_of(inst_type, FMT_RR);
    finish_line(row, RR_inst_bit_define(reg1_val, reg2_val, row.constant), error, LINE_INSTR_RR);
}

void RI_type_instruction_handler(int inst_type, int reg_val, int imm_val) {
    bool error = check_placement();
    if (!is_register(reg_val)) {
        perrMsg(Format_message("Register must be in range [%d,%d]", 0, kRegMax).c_str());
        error = true;
    }
    if (imm_val > kByteMax) {
        imm_val &= kByteMax;
        perrMsg(
            Format_message("Register value greate than %d (truncation occurs)", kByteMax).c_str());
        error = true;
    }
    const Opcode& row = row_of(inst_type, FMT_RI);
    finish_line(row, RI_inst_bit_define(reg_val, imm_val, row.constant), error, LINE_INSTR_RI);
}

void R1_type_valid_instruction_handler(int inst_type, int reg_val) {
    bool error = check_placement();
    if (!is_register(reg_val)) {
        perrMsg(Format_message("Register must be in range [%d,%d]", 0, kRegMax).c_str());
        error = true;
    }
    const Opcode& row = row_of(inst_type, FMT_R1);
    finish_line(row, R1_inst_bit_define(reg_val, row.constant), error, LINE_INSTR_R1);
}

void IM_type_valid_instruction_handler(int inst_type, int tmp_sym_val) {
    bool error = check_placement();
    if (!in_program_memory(tmp_sym_val)) {
        perrMsg(Format_message("Code segment range: [0,%d]", kMaxCodeAddr).c_str());
        error = true;
    }
    const Opcode& row = row_of(inst_type, FMT_IM);
    finish_line(row, IM_inst_bit_define(tmp_sym_val, row.constant), error, LINE_INSTR_IM);
}

void NA_type_valid_instruction_handler(int inst_type) {
    const bool error = check_placement();
    const Opcode& row = row_of(inst_type, FMT_NA);
    finish_line(row, NA_inst_bit_define(row.constant), error, LINE_INSTR_NA);
}

void Bad_instruction_handler(const char* msg, int inst_type) {
    const char* mnemonic = Mnemonic_of(inst_type);
    const std::string text =
        mnemonic == nullptr ? std::string(msg) : Format_message("%s %s", mnemonic, msg);
    tmpItem = Create_srcItem(rawLine.c_str(), srcLineNum, csegAddr, LINE_ERROR, "", 0, 0);
    if (P2 != 0) perrMsg(text.c_str());
}

void Take_code_address(int addr) {
    if (in_program_memory(addr)) codeAddrTaken[addr] = true;
}

void Reset_handlers() { std::memset(codeAddrTaken, 0, sizeof codeAddrTaken); }
