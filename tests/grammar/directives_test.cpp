// Directives: segments, origins, constants, register names and data blocks, with their
// items, symbols, data image and messages.
#include "grammar/assemble.h"

namespace {

TEST_F(GrammarTest, DataBlocksFollowEachOtherAndStopAtTheEndOfDataMemory) {
    // A .DB line broken by a syntax error stores nothing, not even on the next .DB line.
    const auto items = assemble(
        ".DSEG\n.ORG 0x10\nX: .BYTE 2\nA: .DB 1,2,0x1FF\n.DB 4\nB: .BYTE 1\n.ORG 250\n.BYTE 6\n"
        ".ORG 250\n.BYTE 7\nE: .BYTE 1\n.ORG 255\n.DB 7\n.ORG 255\n.DB 7,8\nM: .DB 9\n.ORG 10\n"
        ".BYTE 2147483647\nN: .BYTE 1\n.ORG 0x17\n.DB 1,2,\n.DB 5\n.DB 1,X\nL: .DB 6\n");
    ASSERT_EQ(items.size(), 24u);
    // .BYTE is checked against the end in the first pass, .DB in the second.
    const std::string exceed = " directive attempt to exceed data segment size of: 256 \n";
    EXPECT_EQ(console_.text(), "**ERROR # 1:  line# (0010) => .BYTE" + exceed +
                                   "**ERROR # 2:  line# (0018) => .BYTE" + exceed +
                                   "**ERROR # 3:  line# (0015) => .DB" + exceed +
                                   "**ERROR:  line# (0021) => syntax error \n"
                                   "**ERROR:  line# (0023) => syntax error \n");
    EXPECT_EQ(symbols(), "A=18 B=22 E=250 L=24 M=255 N=10 X=16");
    EXPECT_EQ(items[21]->word, 1u);
    const unsigned char values[] = {1, 2, 0xFF, 4, 0, 5, 6};
    const DataMemory& data = program_.data;
    for (int i = 0; i < 7; i++) EXPECT_EQ(data.value(0x12 + i), values[i]);
    EXPECT_EQ(data.state(0x16), DATA_RESERVED);
    EXPECT_EQ(data.value(255), 9);
    EXPECT_EQ(data.initialised_count(), 7);
}

TEST_F(GrammarTest, MisplacedAndOutOfRangeDirectivesAreReported) {
    assemble(
        ".ORG 1024\nFIRST: NOP\n.BYTE 4\n.CSEG 5\n.EQU MAX = 1024\n.EQU BIG = 1025\n"
        ".DEF R_TMP = R32\nPUSH R_TMP\n.ORG 1023\nLAST: NOP\n.DSEG\nZ: .BYTE 0\n.ORG 256\n"
        "D: .BYTE 1\n.CSEG\n.DB 1\n");
    // Out-of-range origins are reported in both passes and restart the segment.
    EXPECT_EQ(console_.text(),
              "**ERROR # 1:  line# (0001) => Code segment range: [0,1023] \n"
              "**ERROR # 2:  line# (0013) => Data segment range: [0,255] \n"
              "**ERROR # 3:  line# (0001) => Code segment range: [0,1023] \n"
              "**ERROR # 4:  line# (0003) => .BYTE directive only valid in data segment \n"
              "**ERROR # 5:  line# (0004) => CSEG directive must not have arguments! \n"
              "**ERROR # 6:  line# (0006) => .EQU value must be in range: [0,1024] \n"
              "**ERROR # 7:  line# (0007) => Register must be in range [0,31] \n"
              "**ERROR # 8:  line# (0008) => Register must be in range [0,31] \n"
              "**ERROR # 9:  line# (0012) => .BYTE directive must specify non-zero value) \n"
              "**ERROR #10:  line# (0013) => Data segment range: [0,255] \n"
              "**ERROR #11:  line# (0016) => .DB directive only valid in data segment \n");
    // The .BYTE in the code segment still reserved its bytes, so Z follows them.
    EXPECT_EQ(symbols(), "BIG=1025 D=0 FIRST=0 LAST=1023 MAX=1024 R_TMP=32/8 Z=4");
    EXPECT_EQ(program_.data.state(1), DATA_INITIALIZED);
}

}  // namespace
