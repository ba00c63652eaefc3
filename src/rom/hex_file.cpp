// NAME.mem: the program image as one line of five hexadecimal digits per word.
#include "rom/rom.h"

void Write_raw_hex_file(const unsigned int* image, TextOutput& out) {
    for (int addr = 0; addr < kProgWords; addr++) out.print(FMT_COMPILE("{:05X}\n"), image[addr]);
}
