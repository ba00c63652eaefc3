// Line-level actions: labels, empty lines, and the completion of instruction and directive
// lines (definitions and counters in pass 1, the line's item in pass 2).
#include "datamem/datamem.h"
#include "diag/diag.h"
#include "driver/base/state.h"
#include "grammar/actions.h"
#include "isa/handlers.h"
#include "listing/items/srclist.h"
#include "symbols/symbols.h"

namespace {

// Hands the line's item, with the line's messages, to the list and closes the line.
void complete_line(void (*accounting)()) {
    Add_srcItem_err_msg(tmpItem, errMsg.c_str());
    Add_to_srcList(SrcList, tmpItem);
    tmpItem = nullptr;
    accounting();
}

}  // namespace

void InstrLineAccounting() {
    Take_code_address(csegAddr);
    csegAddr += 1;
    srcLineNum += 1;
    tmp_inst = 0;
    currOpCode.clear();
    lab_flag = 0;
    dlist_indx = 0;
    Free_errMsg_buf();
}

void NonInstrLineAccounting() {
    lab_flag = 0;
    dlist_indx = 0;
    srcLineNum += 1;
    currOpCode.clear();
    Free_errMsg_buf();
}

void Define_name(const std::string& name, int kind, int value) {
    if (Add_sym_to_symTable(Symbol_Table, name, kind, value, srcLineNum) == 0) {
        perrMsg(Format_message("Multiple definitions for label: %s", name.c_str()).c_str());
    }
}

bool Is_instruction_family(Family family) {
    switch (family) {
        case Family::kAlu:
        case Family::kMem:
        case Family::kIo:
        case Family::kBranch:
        case Family::kR1:
        case Family::kNa:
            return true;
        case Family::kSeg:
        case Family::kOrg:
        case Family::kEqu:
        case Family::kDef:
        case Family::kByte:
        case Family::kDb:
            break;
    }
    return false;
}

bool Takes_label(Family family) {
    return Is_instruction_family(family) || family == Family::kByte || family == Family::kDb;
}

void Label_shifted(const std::string& name) {
    if (P2) {
        lab_flag = 1;
        return;
    }
    if (name.size() > static_cast<size_t>(kLabelMax)) {
        perrMsg(Format_message("Labels must be %d char or less", kLabelMax).c_str());
    }
    current_sym = name;
}

void Empty_line_done() {
    if (!P2) {
        srcLineNum++;
        return;
    }
    tmpItem = Create_srcItem(rawLine.c_str(), srcLineNum, -1, LINE_BLANK, nullptr, 0, 0);
    complete_line(NonInstrLineAccounting);
}

void Label_line_done() {
    if (!P2) {
        Define_name(current_sym, SYM_LABEL, currSeg == SEG_DATA ? dsegAddr : csegAddr);
        srcLineNum++;
        return;
    }
    tmpItem = Create_srcItem(rawLine.c_str(), srcLineNum, csegAddr, LINE_LABEL, nullptr, 0, 0);
    Set_srcItem_has_lab(tmpItem);
    complete_line(NonInstrLineAccounting);
}

void Instruction_line_done(bool labelled) {
    if (!P2) {
        if (labelled) Define_name(current_sym, SYM_LABEL, csegAddr);
        csegAddr++;
        srcLineNum++;
        return;
    }
    if (lab_flag == 1) Set_srcItem_has_lab(tmpItem);
    complete_line(InstrLineAccounting);
}

void Directive_line_done(Family family, bool labelled, int block_start) {
    if (!P2) {
        if (labelled)
            Define_name(current_sym, family == Family::kDb ? SYM_DB : SYM_BYTE, block_start);
        if (family == Family::kDb) dlist_indx = 0;
        srcLineNum++;
        return;
    }
    if (labelled) Set_srcItem_has_lab(tmpItem);
    complete_line(NonInstrLineAccounting);
}
