// The decoder and the encoder check each other over every 18-bit word: each word the decoder
// takes is made again by assembling its disassembly, and it takes as many words as the opcode
// rows can encode, so it takes exactly those.
#include "isa/decode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listing/disassembly.h"
#include "rom/image_reader.h"
#include "support/session.h"
#include "support/tempdir.h"

namespace {

// Words are assembled a program memory at a time: one run per 1024 words keeps the test fast.
TEST(DecodeTest, EveryDecodedWordAssemblesBackFromItsDisassembly) {
    TempDir dir;
    long decoded = 0;
    std::vector<unsigned int> batch;
    for (unsigned int word = 0; word <= kWordBits + 1; word++) {
        const bool last = word > kWordBits;
        if (!last && Decode_word(word).row != nullptr) batch.push_back(word);
        if (batch.size() < kProgWords && !(last && !batch.empty())) continue;
        decoded += static_cast<long>(batch.size());
        batch.resize(kProgWords);
        const Disassembly disassembly = Disassemble_image(batch.data(), "test");
        ASSERT_TRUE(disassembly.undecoded.empty());
        const AssemblyOutput output = Assemble_source(disassembly.source, dir.path());
        ASSERT_EQ(output.console, "") << disassembly.source;
        ASSERT_EQ(output.file(kHexFile), Rom_image_text(ImageKind::kHexFile, batch.data()));
        batch.clear();
    }
    // 12 RR rows of two registers, 14 RI rows of a register and a byte, 9 R1 rows of a
    // register, 6 IM rows of an address, 8 NA rows.
    EXPECT_EQ(decoded, 12 * 32 * 32 + 14 * 32 * 256 + 9 * 32 + 6 * 1024 + 8);
}

}  // namespace
