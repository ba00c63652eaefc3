// NAME.mem: the program image as one line of five hexadecimal digits per word.
#include "driver/base/text_buffer.h"
#include "rom/rom.h"

void Generate_raw_hex_file(const srcList_t* the_list, std::FILE* vhd_file) {
    unsigned int image[kProgWords] = {};
    Get_srcItem_instr_bits(the_list, image);
    TextBuffer out(vhd_file);
    for (unsigned int word : image) {
        out.hex(word, 5);
        out.text("\n");
    }
}
