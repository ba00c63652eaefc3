// NAME.mem: the program image as one line of five hexadecimal digits per word.
#include "driver/base/text_output.h"
#include "rom/rom.h"

void Generate_raw_hex_file(const srcList_t* the_list, std::FILE* vhd_file) {
    unsigned int image[kProgWords] = {};
    Get_srcItem_instr_bits(the_list, image);
    TextOutput out(vhd_file);
    Write_raw_hex_file(image, out);
}

void Write_raw_hex_file(const unsigned int* image, TextOutput& out) {
    for (int addr = 0; addr < kProgWords; addr++) out.print(FMT_COMPILE("{:05X}\n"), image[addr]);
}
