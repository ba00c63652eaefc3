// Assembly source for a program-memory image: one line per instruction in the assembler's own
// spelling, with labels on the branch targets and notes on the start-up code.
#ifndef TEVLIN_LISTING_DISASSEMBLY_H_
#define TEVLIN_LISTING_DISASSEMBLY_H_

#include <string>
#include <vector>

struct Disassembly {
    std::string source;
    std::vector<int> undecoded;  // addresses of the words that are no instruction
};

/// Returns source that tevlin assembles into image (kProgWords words) when every word is an
/// instruction; each other word becomes a comment line and has its address in undecoded. The
/// first line names the kind of file the image came from.
Disassembly Disassemble_image(const unsigned int* image, const char* origin);

#endif  // TEVLIN_LISTING_DISASSEMBLY_H_
