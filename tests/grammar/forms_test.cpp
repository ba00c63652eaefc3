// Instruction operand forms: which handler each form reaches with which values, and the
// messages of wrong forms and undefined names.
#include <string>
#include <vector>

#include "grammar/assemble.h"

namespace {

// A source line and what its item shows: kind, instruction code and operands, or a message.
struct Row {
    const char* line;
    int line_type;
    int instr_type;
    int arg1;
    int arg2;
};

std::string lines_of(const std::vector<Row>& rows) {
    std::string source;
    for (const Row& row : rows) source += std::string(row.line) + "\n";
    return source;
}

TEST_F(GrammarTest, EveryFormReachesItsHandlerWithResolvedValues) {
    // clang-format off
    const std::vector<Row> rows = {
        {"AND R1,R2", LINE_INSTR_RR, 1, 1, 2},      {"OR R_Y,R_Y", LINE_INSTR_RR, 2, 9, 9},
        {"EXOR R1,R_Y", LINE_INSTR_RR, 3, 1, 9},    {"TEST R_X,R2", LINE_INSTR_RR, 4, 4, 2},
        {"ADD R1,0x10", LINE_INSTR_RI, 5, 1, 16},   {"ADDC R1,PORT", LINE_INSTR_RI, 6, 1, 64},
        {"SUB R_X,PORT", LINE_INSTR_RI, 7, 4, 64},  {"SUBC R_X,3", LINE_INSTR_RI, 8, 4, 3},
        {"CMP R1,R2", LINE_INSTR_RR, 9, 1, 2},      {"MOV R1,R2", LINE_INSTR_RR, 10, 1, 2},
        {"LD R1,(R2)", LINE_INSTR_RR, 11, 1, 2},    {"ST R5,(R_Y)", LINE_INSTR_RR, 12, 5, 9},
        {"LD R_X,(R6)", LINE_INSTR_RR, 11, 4, 6},   {"ST R_X,(R_Y)", LINE_INSTR_RR, 12, 4, 9},
        {"LD R1,0x20", LINE_INSTR_RI, 11, 1, 32},   {"ST R1,PORT", LINE_INSTR_RI, 12, 1, 64},
        {"LD R_X,7", LINE_INSTR_RI, 11, 4, 7},      {"ST R_X,PORT", LINE_INSTR_RI, 12, 4, 64},
        {"IN R1,5", LINE_INSTR_RI, 28, 1, 5},       {"OUT R3,PORT", LINE_INSTR_RI, 29, 3, 64},
        {"IN R_X,PORT", LINE_INSTR_RI, 28, 4, 64},  {"OUT R_X,7", LINE_INSTR_RI, 29, 4, 7},
        {"BRN 5", LINE_INSTR_IM, 32, 5, 0},         {"CALL PORT", LINE_INSTR_IM, 33, 64, 0},
        {"BREQ 5", LINE_INSTR_IM, 34, 5, 0},        {"BRNE 5", LINE_INSTR_IM, 35, 5, 0},
        {"BRCS 5", LINE_INSTR_IM, 36, 5, 0},        {"BRCC 1023", LINE_INSTR_IM, 37, 1023, 0},
        {"LSL R3", LINE_INSTR_R1, 48, 3, 0},        {"LSR R3", LINE_INSTR_R1, 49, 3, 0},
        {"ROL R3", LINE_INSTR_R1, 50, 3, 0},        {"ROR R3", LINE_INSTR_R1, 51, 3, 0},
        {"ASR R3", LINE_INSTR_R1, 52, 3, 0},        {"PUSH R_Y", LINE_INSTR_R1, 53, 9, 0},
        {"POP R3", LINE_INSTR_R1, 54, 3, 0},        {"WSP R3", LINE_INSTR_R1, 55, 3, 0},
        {"RSP R3", LINE_INSTR_R1, 56, 3, 0},        {"NOP", LINE_INSTR_NA, 67, 0, 0},
        {"RETIE", LINE_INSTR_NA, 68, 0, 0},         {"RET", LINE_INSTR_NA, 69, 0, 0},
        {"RETID", LINE_INSTR_NA, 70, 0, 0},         {"SEI", LINE_INSTR_NA, 71, 0, 0},
        {"CLI", LINE_INSTR_NA, 72, 0, 0},           {"CLC", LINE_INSTR_NA, 73, 0, 0},
        {"SEC", LINE_INSTR_NA, 74, 0, 0},
    };
    // clang-format on
    const auto items =
        assemble(".EQU PORT = 0x40\n.DEF R_X = R4\n.DEF R_Y = R9\n" + lines_of(rows));
    ASSERT_EQ(items.size(), 3 + rows.size());
    for (size_t i = 0; i < rows.size(); i++) {
        const srcItem_t* item = items[3 + i];
        SCOPED_TRACE(rows[i].line);
        EXPECT_EQ(item->line_type, rows[i].line_type) << item->err_msg;
        EXPECT_EQ(item->instr_type, rows[i].instr_type);
        EXPECT_EQ(item->arg1, rows[i].arg1);
        EXPECT_EQ(item->arg2, rows[i].arg2);
        EXPECT_EQ(item->instr_addr, int(i));
    }
    // Every resolved name is referenced on its line, twice when used twice.
    EXPECT_EQ(sym("R_Y").xref, (std::vector<int32_t>{5, 5, 6, 15, 17, 37}));
    EXPECT_EQ(sym("PORT").xref, (std::vector<int32_t>{9, 10, 19, 21, 23, 24, 27}));
    EXPECT_EQ(errCnt, 0);
}

TEST_F(GrammarTest, WrongFormsAndUndefinedNamesAreReportedWithTheMnemonic) {
    const std::vector<std::pair<const char*, const char*>> rows = {
        {"IN R1 5", "IN instruction may have missing comma?"},
        {"OUT 5,R1", "OUT instruction may have operands swapped?"},
        {"AND R1 R2", "AND instruction requires comma between operands!"},
        {"ADD 5,R1", "ADD instruction requires registers for both operands!"},
        {"LD R1,R2", "LD instruction requires indirect addressess operand!"},
        {"ST X (R1)", "ST instruction is missing comma!"},
        {"POP R1,R2", "POP instruction uses only one register!"},
        {"BRN (R1)", "BRN tInstruction can't use indirect addressing!"},
        {"RET (R2)", "RET instruction has no operands!"},
        {"BRN NOWHERE", "BRN label \"NOWHERE\" has not been defined!"},
        {"IN R_X,PORT", "IN label \"R_X\" has not been defined!"},
        {"ADD R_X,PORT", "ADD label \"PORT\" has not been defined!"},
        {"ADD R_A,PORT", "ADD label \"PORT\" has not been defined!"},
        {"MOV R_A,R_B", "MOV problems with label \"R_A\" and \"R_B\" !"},
        {"OUT R_Z,5", "OUT label \"R_Z\" must be .DEF type!"},
        {"LD R_X,(R_Y)", "LD label \"R_Y\" has not been defined!"},
        {"LD R_X,(R_A)", "LD label \"R_X\" has not been defined!"},
        {"BRN 1025", "BRN value 1025 is out of range!"},
    };
    std::string source = ".DEF R_A = R1\n";
    for (const auto& row : rows) source += std::string(row.first) + "\n";
    const auto items = assemble(source + "BRN 1024\nAFTER: NOP\n");
    ASSERT_EQ(items.size(), rows.size() + 3);
    for (size_t i = 0; i < rows.size(); i++) {
        const srcItem_t* item = items[i + 1];
        SCOPED_TRACE(rows[i].first);
        EXPECT_EQ(item->line_type, LINE_ERROR);
        EXPECT_TRUE(has_message(item, rows[i].second)) << item->err_msg;
        EXPECT_EQ(item->err_msg.find('\n'), std::string::npos) << "one message per line";
    }
    EXPECT_EQ(errCnt, int(rows.size()) + 1);  // the handler refuses 1024 itself
    EXPECT_EQ(items[rows.size() + 1]->instr_type, 32);
    EXPECT_EQ(sym("AFTER").val, int(rows.size()) + 1);
    // A line with an undefined name references none of its names.
    EXPECT_TRUE(sym("R_A").xref.empty());
}

}  // namespace
