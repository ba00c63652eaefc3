// Every message a source can get, word for word, as the console shows it: the wrong operand
// forms of every family, undefined names, operand and directive checks, the checks after the
// parse, and a name defined twice by every pair of ways to define one.
#include <gtest/gtest.h>

#include <string>

#include "support/session.h"
#include "support/tempdir.h"

namespace {

std::string console_of(const std::string& source) {
    TempDir dir;
    return Assemble_source(source, dir.path()).console;
}

std::string error_line(int number, int line, const std::string& message) {
    char head[48];
    std::snprintf(head, sizeof head, "**ERROR #%2d:  line# (%04d) => ", number, line);
    return head + message + " \n";
}

// PORT and R_A are defined; NOWHERE, R_U and R_V are not. Between them the rows use every
// mnemonic, so every message prefix is seen.
const char* const kNames = ".EQU PORT = 0x40\n.DEF R_A = R1\n";

struct Row {
    const char* line;
    const char* message;
};

// clang-format off
const Row kWrongForms[] = {
    {"IN",              "IN instruction requires two operands!"},
    {"OUT (R1)",        "OUT instruction can't use indirect addressing!"},
    {"IN R1",           "IN instruction requires second operand!"},
    {"OUT 5",           "OUT instruction also requires register operand!"},
    {"IN PORT",         "IN instruction also requires register operand!"},
    {"OUT R1, R2",      "OUT instruction requires immediate value as second operand!"},
    {"IN 5, R1",        "IN instruction may have operands swapped?"},
    {"OUT PORT, R1",    "OUT instruction may have operands swapped?"},
    {"IN R1 5",         "IN instruction may have missing comma?"},
    {"OUT R1 PORT",     "OUT instruction may have missing comma?"},

    {"LSL (R1)",        "LSL instruction can't use indirect addressing!"},
    {"LSR R1, PORT",    "LSR instruction uses only one register!"},
    {"ROL R1, R2",      "ROL instruction uses only one register!"},
    {"ROR 5",           "ROR instructions use register operand (not values)!"},
    {"ASR",             "ASR instruction requires one register operand!"},
    {"PUSH",            "PUSH instruction requires one register operand!"},
    {"POP 5",           "POP instructions use register operand (not values)!"},
    {"WSP (R2)",        "WSP instruction can't use indirect addressing!"},
    {"RSP R1, R2",      "RSP instruction uses only one register!"},

    {"AND R1, (R2)",    "AND instruction can't use indirect addressing!"},
    {"OR (R1), (R2)",   "OR instruction can't use indirect addressing!"},
    {"EXOR (R1), R2",   "EXOR instruction can't use indirect addressing!"},
    {"TEST (R1)",       "TEST instruction requires two register-type operands!"},
    {"ADD R1",          "ADD instruction requires two register-type operands!"},
    {"ADDC R1 PORT",    "ADDC instruction requires comma between operands!"},
    {"SUB PORT R1",     "SUB instruction requires comma between operands!"},
    {"SUBC R1 5",       "SUBC instruction requires comma between operands!"},
    {"CMP 5 R1",        "CMP instruction requires comma between operands!"},
    {"MOV R1 R2",       "MOV instruction requires comma between operands!"},
    {"AND 5, R1",       "AND instruction requires registers for both operands!"},
    {"OR PORT",         "OR instruction requires two operands!"},

    {"LD R1 (R2)",      "LD instruction is missing comma!"},
    {"ST R1, R2",       "ST instruction requires indirect addressess operand!"},
    {"LD R1 R2",        "LD second operand is missing parenthesis!"},
    {"ST (R1)",         "ST instruction requires two operands!"},
    {"LD PORT (R1)",    "LD instruction is missing comma!"},
    {"ST (R1), R2",     "ST instruction format is rx,(ry)!"},
    {"LD R1",           "LD instruction requires two operands!"},

    {"BRN (R1)",        "BRN tInstruction can't use indirect addressing!"},
    {"CALL",            "CALL Instruction requires one label-type operand!"},
    {"BREQ R1",         "BREQ Instruction requires one label-type operand!"},
    {"BRNE R1, R2",     "BRNE Instruction requires one label-type operand!"},
    {"BRCS",            "BRCS Instruction requires one label-type operand!"},
    {"BRCC R5",         "BRCC Instruction requires one label-type operand!"},
    {"BRN 1025",        "BRN value 1025 is out of range!"},

    {"CLC 5",           "CLC instruction has no operands!"},
    {"SEC PORT",        "SEC instruction has no operands!"},
    {"RET R1",          "RET instruction has no operands!"},
    {"RETID (R1)",      "RETID instruction has no operands!"},
    {"RETIE 1",         "RETIE instruction has no operands!"},
    {"SEI X",           "SEI instruction has no operands!"},
    {"CLI R2",          "CLI instruction has no operands!"},
    {"NOP (R3)",        "NOP instruction has no operands!"},

    // Undefined names: where two are undefined, the form decides which one is named.
    {"IN R1, NOWHERE",  "IN label \"NOWHERE\" has not been defined!"},
    {"OUT R_U, NOWHERE", "OUT label \"R_U\" has not been defined!"},
    {"OUT R_A, NOWHERE", "OUT label \"NOWHERE\" has not been defined!"},
    {"IN R_U, PORT",    "IN label \"R_U\" has not been defined!"},
    {"OUT R_U, 5",      "OUT label \"R_U\" must be .DEF type!"},
    {"ADD R1, NOWHERE", "ADD label \"NOWHERE\" has not been defined!"},
    {"SUB R_U, NOWHERE", "SUB label \"NOWHERE\" has not been defined!"},
    {"SUB R_U, PORT",   "SUB label \"R_U\" has not been defined!"},
    {"ADDC R_U, 5",     "ADDC label \"R_U\" has not been defined!"},
    {"LD R1, NOWHERE",  "LD label \"NOWHERE\" has not been defined!"},
    {"ST R_U, 5",       "ST label \"R_U\" has not been defined!"},
    {"LD R_U, NOWHERE", "LD label \"NOWHERE\" has not been defined!"},
    {"ST R_U, PORT",    "ST label \"R_U\" has not been defined!"},
    {"PUSH R_U",        "PUSH label \"R_U\" has not been defined!"},
    {"CMP R1, R_U",     "CMP label \"R_U\" has not been defined!"},
    {"MOV R_U, R1",     "MOV label \"R_U\" has not been defined!"},
    {"TEST R_U, R_V",   "TEST problems with label \"R_U\" and \"R_V\" !"},
    {"TEST R_A, R_V",   "TEST problems with label \"R_A\" and \"R_V\" !"},
    {"LD R1, (R_U)",    "LD label \"R_U\" has not been defined!"},
    {"ST R_U, (R1)",    "ST label \"R_U\" has not been defined!"},
    {"LD R_U, (R_V)",   "LD label \"R_V\" has not been defined!"},
    {"LD R_U, (R_A)",   "LD label \"R_U\" has not been defined!"},
    {"ST R_A, (R_V)",   "ST label \"R_V\" has not been defined!"},
    {"CALL NOWHERE",    "CALL label \"NOWHERE\" has not been defined!"},
};
// clang-format on

TEST(Messages, WrongFormsAndUndefinedNamesNameTheMnemonic) {
    for (const Row& row : kWrongForms) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(console_of(std::string(kNames) + row.line + "\n"), error_line(1, 3, row.message));
    }
}

struct Case {
    const char* source;
    std::string console;
};

TEST(Messages, OperandDirectiveAndPlacementChecks) {
    const std::string range = "Code segment range: [0,1023]";
    const std::string data_range = "Data segment range: [0,255]";
    const std::string exceed = " directive attempt to exceed data segment size of: 256";
    const std::string register_range = "Register must be in range [0,31]";
    const Case cases[] = {
        {".DSEG\nNOP\n", error_line(1, 2, "Instructions must be specified in code segment")},
        {"ADD R32, R1\n", error_line(1, 1, "First register must be in range [0,31]")},
        {"ADD R1, R32\n", error_line(1, 1, "Second register must be in range [0,31]")},
        {"LD R32, 5\n", error_line(1, 1, register_range)},
        {"LSL R32\n", error_line(1, 1, register_range)},
        {"MOV R1, 256\n", error_line(1, 1, "Register value greate than 255 (truncation occurs)")},
        {".ORG 1023\nNOP\nNOP\n", error_line(1, 3, range)},
        {"BRN 1024\n", error_line(1, 1, range)},
        {".EQU FAR = 1024\nBRN FAR\n", error_line(1, 2, range)},
        {"NOP\n.ORG 0\nNOP\n", error_line(1, 3, "Overlapping code at address 0x000")},
        // Several faults on one line come in a fixed order.
        {".ORG 0x20\nNOP\n.ORG 0x20\n.DSEG\nADD R40, 300\n",
         error_line(1, 5, "Instructions must be specified in code segment") +
             error_line(2, 5, "Overlapping code at address 0x020") +
             error_line(3, 5, register_range) +
             error_line(4, 5, "Register value greate than 255 (truncation occurs)")},
        {".ORG 1023\nNOP\n.DSEG\nBREQ 1024\n",
         error_line(1, 4, "Instructions must be specified in code segment") +
             error_line(2, 4, range) + error_line(3, 4, range)},
        {".CSEG 1\n", error_line(1, 1, "CSEG directive must not have arguments!")},
        {".DSEG 1\n", error_line(1, 1, "CSEG directive must not have arguments!")},
        {".ORG 1024\n", error_line(1, 1, range) + error_line(2, 1, range)},
        {".DSEG\n.ORG 256\n", error_line(1, 2, data_range) + error_line(2, 2, data_range)},
        {".EQU X = 1025\n", error_line(1, 1, ".EQU value must be in range: [0,1024]")},
        {".DEF R_X = R32\n", error_line(1, 1, register_range)},
        {"X: .BYTE 1\n", error_line(1, 1, ".BYTE directive only valid in data segment")},
        {".DSEG\n.BYTE 0\n", error_line(1, 2, ".BYTE directive must specify non-zero value)")},
        {".DSEG\n.ORG 255\n.BYTE 2\n", error_line(1, 3, ".BYTE" + exceed)},
        {".DSEG\n.ORG 255\n.DB 1, 2\n", error_line(1, 3, ".DB" + exceed)},
        {".DB 1\n", error_line(1, 1, ".DB directive only valid in data segment") +
                        "\n .CSEG must start at address 2 or greater \n"},
        {".DSEG\n.DB 1, 2\n.CSEG\n.ORG 3\nNOP\n", "\n .CSEG must start at address 4 or greater \n"},
        {".DSEG\n.DB 1\n.CSEG\n.ORG 4\nNOP\n.ORG 2\nNOP\n",
         "\n Overlapping code at address 0x002 \n"},
        {"A2345678901234567890123456789012: NOP\nA23456789012345678901234567890123: NOP\n",
         error_line(1, 2, "Labels must be 32 char or less")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(console_of(c.source), c.console);
    }
}

// Each way of defining X on lines 2 and 3 of a program whose code starts at 8.
const char* const kDefiners[] = {
    ".CSEG\nX: NOP", ".CSEG\nX:", ".CSEG\n.EQU X = 5", ".DSEG\nX: .BYTE 1", ".DSEG\nX: .DB 1",
};

TEST(Messages, ANameDefinedTwiceKeepsItsFirstDefinition) {
    for (const char* first : kDefiners) {
        for (const char* second : kDefiners) {
            SCOPED_TRACE(std::string(first) + " then " + second);
            TempDir dir;
            const AssemblyOutput run = Assemble_source(
                std::string(".ORG 8\n") + first + "\n" + second + "\n.CSEG\nNOP\n", dir.path());
            EXPECT_EQ(run.console, error_line(1, 5, "Multiple definitions for label: X"));
            const size_t entry = run.file(kListingFile).find("\nX              0x");
            ASSERT_NE(entry, std::string::npos);
            EXPECT_EQ(run.file(kListingFile).substr(entry + 24, 6), "(0003)");
        }
    }
    EXPECT_EQ(console_of(".DEF R_X = R1\n.DEF R_X = R2\n"),
              error_line(1, 2, "Multiple definitions for label: R_X"));
}

}  // namespace
