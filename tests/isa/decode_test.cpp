// The decoder and the encoder check each other over every 18-bit word: each word the encoders
// can make decodes to its row and operands, and each word the decoder takes is made again by
// assembling its disassembly.
#include "isa/decode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/session.h"
#include "listing/disassembly.h"
#include "rom/image_reader.h"
#include "support/tempdir.h"

namespace {

// Encodes row with operands x (a register) and y (the second register, the value or the
// address); returns the decoded word that must come back.
unsigned int encode(const Opcode& row, int x, int y, DecodedWord* expected) {
    *expected = {&row, 0, 0, 0, 0};
    switch (row.format) {
        case FMT_RR:
            *expected = {&row, x, y, 0, 0};
            return RR_inst_bit_define(x, y, row.constant);
        case FMT_RI:
            *expected = {&row, x, 0, y, 0};
            return RI_inst_bit_define(x, y, row.constant);
        case FMT_R1:
            expected->reg_x = x;
            return R1_inst_bit_define(x, row.constant);
        case FMT_IM:
            expected->address = y;
            return IM_inst_bit_define(y, row.constant);
        case FMT_NA:
            break;
    }
    return NA_inst_bit_define(row.constant);
}

constexpr int kRegisters = kRegMax + 1;

TEST(DecodeTest, EveryEncodingDecodesToItsRowAndOperands) {
    long encodings = 0;
    for (const Opcode& row : kOpcodes) {
        const int xs = row.format == FMT_IM || row.format == FMT_NA ? 1 : kRegisters;
        const int ys = row.format == FMT_RR   ? kRegisters
                       : row.format == FMT_RI ? kByteMax + 1
                       : row.format == FMT_IM ? kProgWords
                                              : 1;
        for (int x = 0; x < xs; x++) {
            for (int y = 0; y < ys; y++, encodings++) {
                DecodedWord expected;
                const DecodedWord got = Decode_word(encode(row, x, y, &expected));
                ASSERT_EQ(got.row, expected.row) << row.mnemonic << " " << x << " " << y;
                ASSERT_EQ(got.reg_x, expected.reg_x) << row.mnemonic;
                ASSERT_EQ(got.reg_y, expected.reg_y) << row.mnemonic;
                ASSERT_EQ(got.value, expected.value) << row.mnemonic;
                ASSERT_EQ(got.address, expected.address) << row.mnemonic;
            }
        }
    }
    // Each word the decoder takes is one of these encodings (the test below counts them).
    EXPECT_EQ(encodings, 133416);
}

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
            ASSERT_EQ(output.mem.substr(at, 6), expected.substr(at, 6)) << "word " << at / 6;
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
    EXPECT_EQ(decoded, 133416);
}

}  // namespace
