// Instruction operand forms: which handler each form reaches with which values, and the
// messages of wrong forms and undefined names.
#include "grammar/assemble.h"

namespace {

TEST_F(GrammarTest, EveryFormReachesItsHandlerOrReportsWithTheMnemonic) {
    constexpr int RR = LINE_INSTR_RR, RI = LINE_INSTR_RI, IM = LINE_INSTR_IM;
    constexpr int R1 = LINE_INSTR_R1, NA = LINE_INSTR_NA, ER = LINE_ERROR;
    struct Row {
        const char* line;
        int line_type, instr_type, arg1 = 0, arg2 = 0;
        const char* message = nullptr;
    };
    // Defined: PORT, R_X, R_Y and R_A; undefined: NOWHERE, R_U, R_V, R_Z and VAL. A row with a
    // message is checked for its kind and message only.
    // clang-format off
    const std::vector<Row> rows = {
        {"AND R1,R2", RR, 1, 1, 2}, {"OR R_Y,R_Y", RR, 2, 9, 9}, {"EXOR R1,R_Y", RR, 3, 1, 9},
        {"TEST R_X,R2", RR, 4, 4, 2}, {"ADD R1,0x10", RI, 5, 1, 16}, {"ADDC R1,PORT", RI, 6, 1, 64},
        {"SUB R_X,PORT", RI, 7, 4, 64}, {"SUBC R_X,3", RI, 8, 4, 3}, {"CMP R1,R2", RR, 9, 1, 2},
        {"MOV R1,R2", RR, 10, 1, 2}, {"LD R1,(R2)", RR, 11, 1, 2}, {"ST R5,(R_Y)", RR, 12, 5, 9},
        {"LD R_X,(R6)", RR, 11, 4, 6}, {"ST R_X,(R_Y)", RR, 12, 4, 9},
        {"LD R1,0x20", RI, 11, 1, 32}, {"ST R1,PORT", RI, 12, 1, 64}, {"LD R_X,7", RI, 11, 4, 7},
        {"ST R_X,PORT", RI, 12, 4, 64}, {"IN R1,5", RI, 28, 1, 5}, {"OUT R3,PORT", RI, 29, 3, 64},
        {"IN R_X,PORT", RI, 28, 4, 64}, {"OUT R_X,7", RI, 29, 4, 7}, {"BRN 5", IM, 32, 5},
        {"CALL PORT", IM, 33, 64}, {"BREQ 5", IM, 34, 5}, {"BRNE 5", IM, 35, 5},
        {"BRCS 5", IM, 36, 5}, {"BRCC 1023", IM, 37, 1023}, {"BRN 1024", ER, 32, 1024},
        {"LSL R3", R1, 48, 3}, {"LSR R3", R1, 49, 3}, {"ROL R3", R1, 50, 3}, {"ROR R3", R1, 51, 3},
        {"ASR R3", R1, 52, 3}, {"PUSH R_Y", R1, 53, 9}, {"POP R3", R1, 54, 3},
        {"WSP R3", R1, 55, 3}, {"RSP R3", R1, 56, 3}, {"NOP", NA, 67}, {"RETIE", NA, 68},
        {"RET", NA, 69}, {"RETID", NA, 70}, {"SEI", NA, 71}, {"CLI", NA, 72}, {"CLC", NA, 73},
        {"SEC", NA, 74},
        {"IN R1 5", ER, 0, 0, 0, "IN instruction may have missing comma?"},
        {"OUT 5,R1", ER, 0, 0, 0, "OUT instruction may have operands swapped?"},
        {"AND R1 R2", ER, 0, 0, 0, "AND instruction requires comma between operands!"},
        {"ADD 5,R1", ER, 0, 0, 0, "ADD instruction requires registers for both operands!"},
        {"LD R1,R2", ER, 0, 0, 0, "LD instruction requires indirect addressess operand!"},
        {"ST X (R1)", ER, 0, 0, 0, "ST instruction is missing comma!"},
        {"POP R1,R2", ER, 0, 0, 0, "POP instruction uses only one register!"},
        {"BRN (R1)", ER, 0, 0, 0, "BRN tInstruction can't use indirect addressing!"},
        {"RET (R2)", ER, 0, 0, 0, "RET instruction has no operands!"},
        {"BRN NOWHERE", ER, 0, 0, 0, "BRN label \"NOWHERE\" has not been defined!"},
        {"IN R_U,VAL", ER, 0, 0, 0, "IN label \"R_U\" has not been defined!"},
        {"ADD R_U,VAL", ER, 0, 0, 0, "ADD label \"VAL\" has not been defined!"},
        {"MOV R_A,R_B", ER, 0, 0, 0, "MOV problems with label \"R_A\" and \"R_B\" !"},
        {"OUT R_Z,5", ER, 0, 0, 0, "OUT label \"R_Z\" must be .DEF type!"},
        {"LD R_U,(R_V)", ER, 0, 0, 0, "LD label \"R_V\" has not been defined!"},
        {"LD R_U,(R_A)", ER, 0, 0, 0, "LD label \"R_U\" has not been defined!"},
        {"BRN 1025", ER, 0, 0, 0, "BRN value 1025 is out of range!"},  // refused by the grammar
    };
    // clang-format on
    std::string source = ".EQU PORT = 0x40\n.DEF R_X = R4\n.DEF R_Y = R9\n.DEF R_A = R1\n";
    for (const Row& row : rows) source += row.line + std::string("\n");
    const auto items = assemble(source);
    ASSERT_EQ(items.size(), 4 + rows.size());
    for (size_t i = 0; i < rows.size(); i++) {
        const srcItem_t* item = items[4 + i];
        SCOPED_TRACE(rows[i].line);
        EXPECT_EQ(item->instr_addr, int(i));
        EXPECT_EQ(item->line_type, rows[i].line_type) << item->err_msg.c_str();
        if (rows[i].message != nullptr) {
            EXPECT_NE(std::string_view(item->err_msg).find(rows[i].message), std::string::npos)
                << item->err_msg.c_str();
        } else {
            EXPECT_EQ(item->instr_type, rows[i].instr_type);
            EXPECT_EQ(item->arg1, rows[i].arg1);
            EXPECT_EQ(item->arg2, rows[i].arg2);
        }
    }
    // Every resolved name is referenced on its line, twice when used twice; a line with an
    // undefined name references none of its names.
    EXPECT_EQ(symbols(),
              "PORT=64/10/11/20/22/24/25/28 R_A=1 R_X=4/8/11/12/17/18/21/22/25/26 "
              "R_Y=9/6/6/7/16/18/39");
    EXPECT_EQ(errCnt, 18);  // the wrong forms and BRN 1024, which the handler refuses
}

}  // namespace
