// References: every name an instruction resolves is referenced on its line, once per use; a
// line with an undefined name references none of its names.
#include "grammar/assemble.h"

namespace {

TEST_F(GrammarTest, EveryResolvedNameIsReferencedOnItsLine) {
    assemble(
        ".EQU PORT = 0x40\n.DEF R_X = R4\n.DEF R_Y = R9\nOUT R_X, PORT\nADD R_Y, R_Y\n"
        "LD R_X, (R_Y)\nST R1, PORT\nPUSH R_Y\nTOP: BRN TOP\nIN R_X, NOWHERE\nMOV R_Y, R_U\n"
        "CALL TOP\n");
    EXPECT_EQ(symbols(), "PORT=64/4/7 R_X=4/4/6 R_Y=9/5/5/6/8 TOP=5/9/12");
}

}  // namespace
