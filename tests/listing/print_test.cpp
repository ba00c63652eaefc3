#include "listing/print.h"

#include <gtest/gtest.h>

#include <string>

#include "diag/diag.h"
#include "driver/assembler.h"
#include "support/capture.h"

namespace {

class PrintTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset_all_state(); }
    void TearDown() override {
        Delete_srcList(&list_);
        Reset_all_state();
    }

    srcItem_t* add(srcItem_t* item, bool labelled = false) {
        if (labelled) Set_srcItem_has_lab(item);
        Add_to_srcList(&list_, item);
        return item;
    }

    // The list of the source .DSEG / VAL: .DB 0x12 / .CSEG / .ORG 0x10 / MAIN: MOV r1,5
    // after the start-up block has been spliced in front of its first instruction.
    void build_five_line_example() {
        add(Create_srcItem(".DSEG\n", 1, -1, LINE_SEGMENT, nullptr, 0, nullptr, 0, 0, 0));
        add(Create_srcItem("VAL: .DB 0x12\n", 2, 0, LINE_DB, nullptr, 1, nullptr, DIR_DB, 0, 0),
            true);
        add(Create_srcItem(".CSEG\n", 3, -1, LINE_SEGMENT, nullptr, 0, nullptr, 0, 0, 0));
        add(Create_srcItem(".ORG 0x10\n", 4, 16, LINE_ORG, nullptr, 0, nullptr, 0, 0, 0));
        add(Create_srcItem(nullptr, 0, 0, LINE_SEPARATOR, nullptr, 0, nullptr, 0, 0, 0));
        add(Create_srcItem("             MOV     r0,0x12     ; write dseg data to reg", 0, 0,
                           LINE_STARTUP, "MOV", 0x36012, nullptr, 10, 0x12, 0));
        add(Create_srcItem("             ST      r0,0x00     ; place reg data in mem ", 0, 1,
                           LINE_STARTUP, "ST", 0x3A000, nullptr, 12, 0, 0));
        add(Create_srcItem(
            "             BRN     0x10        ; jump to start of .cseg in program mem ", 0, 2,
            LINE_STARTUP, "BRN", 0x8080, nullptr, 32, 0x10, 0));
        add(Create_srcItem(nullptr, 0, 0, LINE_SEPARATOR, nullptr, 0, nullptr, 0, 0, 0));
        add(Create_srcItem("MAIN: MOV r1,5\n", 5, 0x10, LINE_INSTR_RI, "MOV", 0x36105, nullptr, 10,
                           1, 5),
            true);
    }

    srcList_t list_;
};

std::string entry_of(const srcItem_t* item) {
    CapturedStream out;
    Print_srcItem_short(item, out.get());
    return out.text();
}

std::string key_text() {
    CapturedStream out;
    Print_srcList_key(out.get());
    return out.text();
}

TEST_F(PrintTest, ListingOfTheFiveLineExample) {
    build_five_line_example();
    CapturedStream out;
    Print_srcList(&list_, out.get());

    const std::string dashes(91, '-');
    EXPECT_EQ(out.text(),
              key_text() + "\n" +
                  "(0001)                            || .DSEG\n"
                  "(0002)  DS-0x000             001  || VAL: .DB 0x12\n"
                  "(0003)                            || .CSEG\n"
                  "(0004)                       016  || .ORG 0x10\n" +
                  dashes +
                  "\n"
                  "-STUP-  CS-0x000  0x36012  0x012  ||              MOV     r0,0x12     ; "
                  "write dseg data to reg\n"
                  "-STUP-  CS-0x001  0x3A000  0x000  ||              ST      r0,0x00     ; "
                  "place reg data in mem \n"
                  "-STUP-  CS-0x002  0x08080  0x010  ||              BRN     0x10        ; "
                  "jump to start of .cseg in program mem \n" +
                  dashes +
                  "\n"
                  "(0005)  CS-0x010  0x36105  0x010  || MAIN: MOV r1,5\n");
}

TEST_F(PrintTest, DebugFileOfTheFiveLineExample) {
    build_five_line_example();
    CapturedStream out;
    Generate_srcList_debug_file(&list_, out.get());
    EXPECT_EQ(out.text(),
              "   MOV  0x000  0x36012\n"
              "    ST  0x001  0x3A000\n"
              "   BRN  0x002  0x08080\n"
              "\n"
              "   MOV     5  0x010  0x36105\n");
}

TEST_F(PrintTest, DebugFileSkipsErrorAndDirectiveItems) {
    add(Create_srcItem(".EQU N = 3", 1, 3, LINE_EQU, nullptr, 0, nullptr, 0, 0, 0));
    add(Create_srcItem("ADD R40, R1", 2, 0, LINE_ERROR, "ADD", 0, nullptr, 1, 40, 1));
    add(Create_srcItem("RET", 12345, 0x3FF, LINE_INSTR_NA, "RET", 0x25000, nullptr, 0, 0, 0));
    CapturedStream out;
    Generate_srcList_debug_file(&list_, out.get());
    EXPECT_EQ(out.text(), "\n   RET  12345  0x3FF  0x25000\n");
}

TEST_F(PrintTest, DebugFileOfNoListGoesToTheConsole) {
    CapturedStream console;
    CapturedStream out;
    consolefp = console.get();
    Generate_srcList_debug_file(nullptr, out.get());
    xGenerate_srcList_debug_file(nullptr, out.get());
    EXPECT_EQ(console.text(),
              "Attempted to generate debug file from NULL srcList_t"
              "Attempted to generate debug file from NULL srcList_t");
    EXPECT_EQ(out.text(), "");
}

// Every entry with a four-digit line number and a three-digit data value keeps the double
// bar at the 35th and 36th characters, so the source column lines up.
TEST_F(PrintTest, DoubleBarStaysInOneColumn) {
    struct Case {
        int line_type;
        int addr;
        unsigned bits;
        bool labelled;
        int arg1;
    };
    const Case cases[] = {
        {LINE_BLANK, -1, 0, false, 0},
        {LINE_SEGMENT, -1, 0, false, 0},
        {LINE_ERROR, 0x10, 0, false, 0},
        {LINE_INSTR_RR, 0x10, 0x1A2B3, false, 0},
        {LINE_INSTR_IM, 0x3FF, 0x8040, true, 0},
        {LINE_LABEL, 0x1F, 0, true, 0},
        {LINE_EQU, 5, 0, true, 0},
        {LINE_ORG, 255, 0, false, 0},
        {LINE_BYTE, 0x20, 3, true, 0x20},
        {LINE_DB, 0xFF, 0x10, true, 0xFF},
        {LINE_DEF, 5, 0, true, 0},
        {LINE_DEF, 12, 0, true, 0},
        {LINE_DEF, 10, 0, true, 0},
        {LINE_STARTUP, 0, 0x36012, false, 0x12},
    };
    for (const Case& c : cases) {
        srcItem_t* item = add(Create_srcItem("SOURCE TEXT", 1234, c.addr, c.line_type, "X", c.bits,
                                             nullptr, 0, c.arg1, 0),
                              c.labelled);
        const std::string entry = entry_of(item);
        EXPECT_EQ(entry.find("|| SOURCE TEXT"), 35u) << "kind " << c.line_type << ": " << entry;
    }
}

// A line number past four digits and a value past three push the double bar right.
TEST_F(PrintTest, WideValuesAndRegisterColumns) {
    auto entry = [this](int line_type, int line, int addr, unsigned bits, bool labelled) {
        return entry_of(add(
            Create_srcItem("T", line, addr, line_type, "MOV", bits, nullptr, 10, 0, 0), labelled));
    };
    EXPECT_EQ(entry(LINE_INSTR_RI, 10000, 0x10, 0x36012, false),
              "\n(10000)  CS-0x010  0x36012         || T");
    EXPECT_EQ(entry(LINE_EQU, 7, 1023, 0, true), "\n(0007)                       1023  || T");
    EXPECT_EQ(entry(LINE_EQU, 7, 5, 0, true), "\n(0007)                       005  || T");
    EXPECT_EQ(entry(LINE_DEF, 8, 5, 0, true), "\n(0008)                       r5   || T");
    EXPECT_EQ(entry(LINE_DEF, 8, 12, 0, true), "\n(0008)                       r12  || T");
}

TEST_F(PrintTest, ErrorTextFollowsItsEntryOnALineOfItsOwn) {
    srcItem_t* wrong = add(Create_srcItem("ADD R40", 3, 2, LINE_ERROR, "ADD", 0, nullptr, 1, 0, 0));
    Add_srcItem_err_msg(wrong, "**ERROR # 1:  line# (0003) => bad register ");
    srcItem_t* odd_kind = add(Create_srcItem("?", 4, 0, 9, nullptr, 0, nullptr, 0, 0, 0));
    Add_srcItem_err_msg(odd_kind, "second");
    add(Create_srcItem("", 5, -1, LINE_BLANK, nullptr, 0, nullptr, 0, 0, 0));

    CapturedStream out;
    Print_srcList(&list_, out.get());
    EXPECT_EQ(out.text(), key_text() +
                              "\n(0003)                            || ADD R40"
                              "\n            **ERROR # 1:  line# (0003) => bad register \n"
                              "\n            second\n"
                              "\n(0005)                            || "
                              "\n");
}

}  // namespace
