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
    const auto assemble_batch = [&dir, &batch] {
        batch.resize(kProgWords);
        const Disassembly disassembly = Disassemble_image(batch.data(), "test");
        ASSERT_TRUE(disassembly.undecoded.empty());
        const AssemblyOutput output = Assemble_source(disassembly.source, dir.path());
        ASSERT_EQ(output.console, "") << disassembly.source;
        const std::string expected = Rom_image_text(ImageKind::kHexFile, batch.data());
        for (size_t at = 0; at < expected.size(); at += 6) {
            ASSERT_EQ(output.file(kHexFile).substr(at, 6), expected.substr(at, 6))
                << "word " << at / 6;
        }
        batch.clear();
    };
    for (unsigned int word = 0; word <= kWordBits; word++) {
        if (Decode_word(word).row == nullptr) continue;
        decoded++;
        batch.push_back(word);
        if (batch.size() == kProgWords) assemble_batch();
        if (HasFatalFailure()) return;
    }
    if (!batch.empty()) assemble_batch();
    // 12 RR rows of two registers, 14 RI rows of a register and a byte, 9 R1 rows of a
    // register, 6 IM rows of an address, 8 NA rows.
    EXPECT_EQ(decoded, 12 * 32 * 32 + 14 * 32 * 256 + 9 * 32 + 6 * 1024 + 8);
}

}  // namespace
