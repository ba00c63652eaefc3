#include "isa/handlers.h"

bool codeAddrTaken[kProgWords];
void RR_type_valid_instruction_handler(int, int, int) {}
void RI_type_instruction_handler(int, int, int) {}
void R1_type_valid_instruction_handler(int, int) {}
void IM_type_valid_instruction_handler(int, int) {}
void NA_type_valid_instruction_handler(int) {}
void Bad_instruction_handler(const char*, int) {}
void Take_code_address(int) {}
void Reset_handlers() {}
