#include "rom/rom.h"

void Generate_raw_hex_file(const srcList_t*, std::FILE*) {}
