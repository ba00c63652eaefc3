// Directive actions: segments, origins, named constants and registers, and the reservation
// of data memory, in each pass.
#include <cstdint>

#include "datamem/datamem.h"
#include "diag/diag.h"
#include "driver/base/state.h"
#include "grammar/actions.h"
#include "listing/items/srclist.h"
#include "symbols/symbols.h"

namespace {

// An item for a directive line, which carries no opcode and no instruction word.
srcItem_t* directive_item(int address, int line_type, unsigned int size = 0) {
    return Create_srcItem(rawLine.c_str(), srcLineNum, address, line_type, nullptr, size, 0);
}

// Whether a block of count bytes from dsegAddr stays inside data memory; summed in 64 bits
// so that no count can wrap.
bool block_fits(int count) { return static_cast<int64_t>(dsegAddr) + count <= kDataBytes; }

void advance_data_address(int count) {
    dsegAddr = static_cast<int>(static_cast<int64_t>(dsegAddr) + count);
}

}  // namespace

void Segment_directive(int code, const Operands& /*operands*/) {
    currSeg = code == DIR_CSEG ? SEG_CODE : SEG_DATA;
    if (P2) tmpItem = directive_item(-1, LINE_SEGMENT);
}

void Segment_argument_directive(int /*code*/, const Operands& /*operands*/) {
    if (!P2) return;
    perrMsg("CSEG directive must not have arguments!");
    tmpItem = Create_srcItem(rawLine.c_str(), srcLineNum, csegAddr, LINE_ERROR, currOpCode.c_str(),
                             tmp_inst, 0);
}

void Org_directive(int /*code*/, const Operands& operands) {
    const int address = operands[0].val;
    if (currSeg == SEG_DATA) {
        if (address < 0 || address > kMaxDataAddr) {
            perrMsg(Format_message("Data segment range: [0,%d]", kMaxDataAddr).c_str());
            dsegAddr = 0;
        } else {
            dsegAddr = address;
        }
    } else {
        if (address < 0 || address > kMaxCodeAddr) {
            perrMsg(Format_message("Code segment range: [0,%d]", kMaxCodeAddr).c_str());
            csegAddr = 0;
        } else {
            csegAddr = address;
        }
    }
    if (P2) tmpItem = directive_item(address, LINE_ORG);
}

void Equ_directive(int /*code*/, const Operands& operands) {
    const std::string& name = operands[0].str;
    const int value = operands[1].val;
    if (!P2) {
        Define_name(name, SYM_EQU, value);
        return;
    }
    if (value < 0 || value > kEquMax) {
        perrMsg(Format_message(".EQU value must be in range: [0,%d]", kEquMax).c_str());
    }
    tmpItem = directive_item(value, LINE_EQU);
    Set_srcItem_has_lab(tmpItem);
}

void Def_directive(int /*code*/, const Operands& operands) {
    const std::string& name = operands[0].str;
    const int reg = operands[1].val;
    if (!P2) {
        Define_name(name, SYM_DEF, reg);
        return;
    }
    if (reg < 0 || reg > kRegMax) {
        perrMsg(Format_message("Register must be in range [%d,%d]", 0, kRegMax).c_str());
    }
    tmpItem = directive_item(reg, LINE_DEF);
    Set_srcItem_has_lab(tmpItem);
}

void Byte_directive(int /*code*/, const Operands& operands) {
    const int count = operands[0].val;
    if (!P2) {
        if (block_fits(count)) {
            advance_data_address(count);
        } else {
            perrMsg(Format_message(".BYTE directive attempt to exceed data segment size of: %d",
                                   kDataBytes)
                        .c_str());
        }
        return;
    }
    if (currSeg != SEG_DATA) perrMsg(".BYTE directive only valid in data segment");
    if (count == 0) perrMsg(".BYTE directive must specify non-zero value)");
    tmpItem = directive_item(dsegAddr, LINE_BYTE, static_cast<unsigned int>(count));
    if (block_fits(count)) {
        Reserve_memory_without_init(data_mem_array, dsegAddr, count);
        advance_data_address(count);
    }
}

void Db_directive(int /*code*/, const Operands& /*operands*/) {
    const int count = static_cast<int>(dlist_indx);
    if (!P2) {
        if (block_fits(count)) advance_data_address(count);
        return;
    }
    if (currSeg != SEG_DATA) {
        perrMsg(".DB directive only valid in data segment");
    } else if (!block_fits(count)) {
        perrMsg(
            Format_message(".DB directive attempt to exceed data segment size of: %d", kDataBytes)
                .c_str());
    }
    tmpItem = directive_item(dsegAddr, LINE_DB, dlist_indx);
    if (block_fits(count)) {
        Reserve_memory_with_init(data_mem_array, dsegAddr, data_list_array, dlist_indx);
        advance_data_address(count);
    }
}

void Start_db_values() { dlist_indx = 0; }

void Add_db_value(int value) {
    if (dlist_indx < kDataBytes) {
        data_list_array[dlist_indx] = static_cast<unsigned char>(static_cast<unsigned int>(value));
    }
    dlist_indx++;
}
