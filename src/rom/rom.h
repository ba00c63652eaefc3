// The three program-memory images: block-RAM VHDL, generic VHDL and raw hex.
#ifndef TEVLIN_ROM_ROM_H_
#define TEVLIN_ROM_ROM_H_

#include <cstdio>

#include "driver/base/text_output.h"
#include "listing/items/srclist.h"

// The layout of the two VHDL images, shared by their writers and the image reader.
// clang-format off
constexpr int kInitStrings = 64;       // INIT strings of the block RAM, 16 words each
constexpr int kInitpStrings = 8;       // INITP strings, the parity bits of 128 words each
constexpr int kRomStringChars = 64;    // hexadecimal digits in one INIT or INITP string
constexpr int kWordsPerInit = 16;      // kRomStringChars / 4 digits per word
constexpr int kParityShift = 16;       // bits 17..16: the block RAM's parity bits, and the part
                                       // of an array element written in binary
constexpr int kWordsPerArrayLine = 8;  // elements on one line of the generic ROM's array
// clang-format on

/// Writes prog_rom.vhd: the block RAM with its INIT and INITP strings.
void Generate_vhdl_prog_rom(const srcList_t* the_list, std::FILE* vhd_file);
/// Writes xprog_rom.vhd: the constant array and the clocked process.
void Generate_vhdl_prog_rom_generic(const srcList_t* the_list, std::FILE* vhd_file);
/// Writes NAME.mem: 1024 lines of five hexadecimal digits.
void Generate_raw_hex_file(const srcList_t* the_list, std::FILE* vhd_file);

// The same three files for an image of kProgWords words already taken from a list.
/// Writes prog_rom.vhd for image into out.
void Write_vhdl_prog_rom(const unsigned int* image, TextOutput& out);
/// Writes xprog_rom.vhd for image into out.
void Write_vhdl_prog_rom_generic(const unsigned int* image, TextOutput& out);
/// Writes NAME.mem for image into out.
void Write_raw_hex_file(const unsigned int* image, TextOutput& out);

#endif  // TEVLIN_ROM_ROM_H_
