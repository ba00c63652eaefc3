// libFuzzer target: reads arbitrary bytes as an image file. It aborts when a read leaves words
// behind with its fault, when the text tevlin writes for the words it read does not read back
// the same, or when their disassembly does not assemble into them again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/global.h"
#include "isa/opcodes.h"
#include "listing/disassembly.h"
#include "rom/image_reader.h"
#include "support/session.h"
#include "support/tempdir.h"

namespace {

void check(bool holds, const char* broken) {
    if (holds) return;
    std::fprintf(stderr, "image reader invariant violated: %s\n", broken);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const RomImage rom = Read_rom_image(std::string(reinterpret_cast<const char*>(data), size));
    if (!rom.fault.empty()) {
        check(rom.words.empty(), "words read from a faulty text");
        return 0;
    }
    check(rom.words.size() == kProgWords, "not a whole program memory");
    for (const unsigned int word : rom.words) check(word <= kWordBits, "a word wider than 18 bits");
    const RomImage again = Read_rom_image(Rom_image_text(rom.kind, rom.words.data()));
    check(again.fault.empty() && again.kind == rom.kind && again.words == rom.words,
          "the text written for the words read does not read back the same");

    const Disassembly disassembly = Disassemble_image(rom.words.data(), Rom_image_name(rom.kind));
    if (!disassembly.undecoded.empty()) return 0;
    static const TempDir scratch;
    const AssemblyOutput output = Assemble_source(disassembly.source, scratch.path());
    check(output.console.empty(), "the disassembly does not assemble cleanly");
    check(output.file(kHexFile) == Rom_image_text(ImageKind::kHexFile, rom.words.data()),
          "the disassembly assembles into other words");
    return 0;
}
