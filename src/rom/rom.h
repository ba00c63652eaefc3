// The three program-memory images: block-RAM VHDL, generic VHDL and raw hex.
#ifndef TEVLIN_ROM_ROM_H_
#define TEVLIN_ROM_ROM_H_

#include "base/global.h"
#include "base/text_output.h"

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

// Each writer takes the kProgWords words of program memory.
/// Writes prog_rom.vhd: the block RAM with its INIT and INITP strings.
void Write_vhdl_prog_rom(const unsigned int* image, TextOutput& out);
/// Writes xprog_rom.vhd: the constant array and the clocked process.
void Write_vhdl_prog_rom_generic(const unsigned int* image, TextOutput& out);
/// Writes NAME.mem: 1024 lines of five hexadecimal digits.
void Write_raw_hex_file(const unsigned int* image, TextOutput& out);

#endif  // TEVLIN_ROM_ROM_H_
