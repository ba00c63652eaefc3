// Assembly state of the current line and pass, and the two end-of-line operations.
#include "driver/state.h"

#include "datamem/datamem.h"
#include "diag/diag.h"
#include "isa/handlers.h"

unsigned char P2 = 0;
int srcLineNum = 1;
int csegAddr = 0;
int dsegAddr = 0;
int currSeg = SEG_CODE;
int lab_flag = 0;
std::string current_sym;
std::string currOpCode;
unsigned int tmp_inst = 0;
srcItem_t* tmpItem = nullptr;
std::string rawLine;

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

void Reset_assembly_state() {
    P2 = 0;
    srcLineNum = 1;
    csegAddr = 0;
    dsegAddr = 0;
    currSeg = SEG_CODE;
    lab_flag = 0;
    current_sym.clear();
    currOpCode.clear();
    tmp_inst = 0;
    tmpItem = nullptr;
    rawLine.clear();
}
