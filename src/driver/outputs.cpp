// The writers of the output files, and their names.
#include "driver/outputs.h"

#include "listing/listing.h"
#include "rom/rom.h"
#include "symbols/report.h"

void Write_listing_and_report(Products& products, TextOutput& out) {
    Write_listing(products.program.items, out);
    products.program.items.release();
    Write_symbol_report(products.program.symbols, out);
}

void Write_debug(Products& products, TextOutput& out) {
    Write_debug_file(products.program.items, out);
}

void Write_block_ram_rom(Products& products, TextOutput& out) {
    Write_vhdl_prog_rom(products.image.data(), out);
}

void Write_generic_rom(Products& products, TextOutput& out) {
    Write_vhdl_prog_rom_generic(products.image.data(), out);
}

void Write_hex_image(Products& products, TextOutput& out) {
    Write_raw_hex_file(products.image.data(), out);
}

std::string Output_name(const OutputFile& row, const std::string& source_name) {
    if (row.place == Place::kWorkingDirectory) return row.name;
    return source_name.substr(0, source_name.size() - 3) + row.name;
}

std::string Output_help_name(const OutputFile& row) {
    return row.place == Place::kWorkingDirectory ? row.name : std::string("NAME.") + row.name;
}
