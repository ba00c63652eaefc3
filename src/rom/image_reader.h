// Reading back the three program-memory images that tevlin writes, recognised by their content
// and checked line by line against the text tevlin would write for the words they hold.
#ifndef TEVLIN_ROM_IMAGE_READER_H_
#define TEVLIN_ROM_IMAGE_READER_H_

#include <string>
#include <string_view>
#include <vector>

enum class ImageKind { kUnrecognised, kHexFile, kBlockRamVhdl, kGenericVhdl };

struct RomImage {
    ImageKind kind = ImageKind::kUnrecognised;
    std::vector<unsigned int> words;  // kProgWords words; none when the text has a fault
    std::string fault;                // the first fault found, "" when the text was read
};

/// Returns the kind of image that text is and the words it holds, or the first fault found,
/// led by its line number where it has one. Line ends may be CR-LF; blanks ending a line are
/// ignored. Everything else must be as tevlin writes it, and the two copies of each string of
/// a prog_rom.vhd must agree.
RomImage Read_rom_image(std::string_view text);

/// Returns the text that tevlin writes for image (kProgWords words) as a file of kind.
std::string Rom_image_text(ImageKind kind, const unsigned int* image);

/// Returns the name that tevlin gives a file of kind: "NAME.mem", "prog_rom.vhd", ...
const char* Rom_image_name(ImageKind kind);

#endif  // TEVLIN_ROM_IMAGE_READER_H_
