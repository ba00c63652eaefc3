// Assembly state of the current line and pass.
#include "driver/base/state.h"

#include "global.h"

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
