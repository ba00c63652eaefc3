// Every message of the operand, directive and placement checks and of the checks after the
// parse, word for word, as the console shows it. The golden case wrong_forms has the message of
// every wrong operand form; labels_and_syntax_errors and error_families show that a name
// defined twice keeps its first definition.
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

struct Case {
    std::string source;
    std::string console;
};

TEST(Messages, OperandDirectiveAndPlacementChecks) {
    const std::string range = "Code segment range: [0,1023]";
    const std::string data_range = "Data segment range: [0,255]";
    const std::string exceed = " directive attempt to exceed data segment size of: 256";
    const std::string register_range = "Register must be in range [0,31]";
    const std::string long_name(250, 'N');  // messages and logged lines are kept whole
    const Case cases[] = {
        {".DSEG\nNOP\n", error_line(1, 2, "Instructions must be specified in code segment")},
        {"ADD R32, R1\n", error_line(1, 1, "First register must be in range [0,31]")},
        {"ADD R1, R32\n", error_line(1, 1, "Second register must be in range [0,31]")},
        {"LD R32, 5\n", error_line(1, 1, register_range)},
        {"LSL R32\n", error_line(1, 1, register_range)},
        {"MOV R1, 256\n", error_line(1, 1, "Register value greate than 255 (truncation occurs)")},
        {".ORG 1023\nNOP\nNOP\n", error_line(1, 3, range)},
        {"BRN 1024\n", error_line(1, 1, range)},
        {"BRN " + long_name + "\n",
         error_line(1, 1, "BRN label \"" + long_name + "\" has not been defined!")},
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
        {".DEF R_X = R1\n.DEF R_X = R2\n", error_line(1, 2, "Multiple definitions for label: R_X")},
        {".EQU X = 5\nX: NOP\n", error_line(1, 2, "Multiple definitions for label: X")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(console_of(c.source), c.console);
    }
}

}  // namespace
