// The three program-memory images: block-RAM VHDL, generic VHDL and raw hex.
#ifndef TEVLIN_ROM_ROM_H_
#define TEVLIN_ROM_ROM_H_

#include <cstdio>

#include "listing/items/srclist.h"

/// Writes prog_rom.vhd: the block RAM with its INIT and INITP strings.
void Generate_vhdl_prog_rom(const srcList_t* the_list, std::FILE* vhd_file);
/// Writes xprog_rom.vhd: the constant array and the clocked process.
void Generate_vhdl_prog_rom_generic(const srcList_t* the_list, std::FILE* vhd_file);
/// Writes NAME.mem: 1024 lines of five hexadecimal digits.
void Generate_raw_hex_file(const srcList_t* the_list, std::FILE* vhd_file);

/// Writes the four hexadecimal digits of bits 15..0 of val and a terminator into aval.
void My_uint_toa(unsigned int val, char* aval);
/// Returns the hexadecimal digit of a value 0 to 15 ('x' with a console message otherwise).
char My_int_to_hex(int val);

#endif  // TEVLIN_ROM_ROM_H_
