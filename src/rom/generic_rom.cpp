#include "rom/rom.h"

void Generate_vhdl_prog_rom_generic(const srcList_t*, std::FILE*) {}
