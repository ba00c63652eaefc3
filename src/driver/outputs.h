// The files that a run writes, one row each: how the name is made and where the file goes,
// how it is opened, what is said when it cannot be created, what writes it, and what errors in
// the source do to it. Opening, writing, closing, --help and the tests all read this table.
#ifndef TEVLIN_DRIVER_OUTPUTS_H_
#define TEVLIN_DRIVER_OUTPUTS_H_

#include <iterator>
#include <string>

#include "base/global.h"
#include "base/text_output.h"
#include "grammar/program.h"
#include "items/items.h"

// What the assembly made, for the writers.
struct Products {
    Program& program;
    const ProgramImage& image;
};

using Writer = void (*)(Products& products, TextOutput& out);

/// Writes the listing, then releases the items, so that the symbol report after it needs no
/// more memory than the listing did; the run writes this file last.
void Write_listing_and_report(Products& products, TextOutput& out);
void Write_debug(Products& products, TextOutput& out);
void Write_block_ram_rom(Products& products, TextOutput& out);
void Write_generic_rom(Products& products, TextOutput& out);
void Write_hex_image(Products& products, TextOutput& out);

enum class Place { kBesideSource, kWorkingDirectory };

struct OutputFile {
    const char* name;  // beside the source: what replaces its name's last three characters
    Place place;
    const char* mode;
    const char* cannot_create;  // the message when the file cannot be created
    bool names_itself;          // whether that message goes on with the file's name
    ExitCode exit_code;         // and the exit code then
    Writer write;               // null: the error log, written while the source is assembled
    bool needs_clean_source;    // written only when the source has no error
    const char* errors_notice;  // written instead when it has; null leaves the file empty
    const char* purpose;        // what --help says of it
};

// The rows in the order the files are opened, written and closed.
enum OutputFileId : size_t {
    kErrorFile,
    kListingFile,
    kDebugFile,
    kBlockRamFile,
    kGenericRomFile,
    kHexFile,
    kOutputFileCount,
};

// clang-format off
inline constexpr OutputFile kOutputFiles[] = {
    {"err", Place::kBesideSource, "wb", "Could not open error file: ", true, EXIT_NO_LOG_FILE,
     nullptr, false, nullptr, "every error with its line"},
    {"asl", Place::kBesideSource, "wb", "Could not open listfile: ", true, EXIT_NO_LOG_FILE,
     Write_listing_and_report, false, nullptr, "the listing and the symbol table report"},
    {"dbg", Place::kBesideSource, "wb", "Could not open debug file: ", true, EXIT_NO_OUTPUT_FILE,
     Write_debug, true, "\nErrors in source code: no debug or VHDL file generated\n\n",
     "each instruction with its address and word"},
    {"prog_rom.vhd", Place::kWorkingDirectory, "wb", "Could not open vhdl file:", false,
     EXIT_NO_OUTPUT_FILE, Write_block_ram_rom, true, nullptr, "the ROM as a RAMB16_S18 block RAM"},
    {"xprog_rom.vhd", Place::kWorkingDirectory, "wb", "Could not open vhdl file:", false,
     EXIT_NO_OUTPUT_FILE, Write_generic_rom, true, nullptr, "the ROM as a constant array"},
    {"mem", Place::kBesideSource, "wb", "Could not open raw hex file: ", true, EXIT_NO_LOG_FILE,
     Write_hex_image, true, nullptr, "program memory: 1024 lines of 5 hex digits"},
};
// clang-format on
static_assert(std::size(kOutputFiles) == kOutputFileCount, "a row for every output file");
static_assert(kOutputFiles[kErrorFile].write == nullptr, "the error log is written as errors come");

/// The name of the output file of row for the source named source_name.
std::string Output_name(const OutputFile& row, const std::string& source_name);
/// How --help shows the name of row: NAME.err, prog_rom.vhd, ...
std::string Output_help_name(const OutputFile& row);

#endif  // TEVLIN_DRIVER_OUTPUTS_H_
