#include "symbols/report.h"

#include <gtest/gtest.h>

#include <string>

#include "driver/assembler.h"
#include "support/capture.h"

namespace {

class ReportTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset_all_state(); }
    void TearDown() override { Reset_all_state(); }

    sym_t& define(const std::string& name, int type, int val, int line) {
        Add_sym_to_symTable(&table_, name, type, val, line, SYM_DEFINED, SEG_CODE);
        return table_.entries.at(name);
    }

    std::string report() {
        CapturedStream out;
        Print_symbol_table(&table_, out.get());
        return out.text();
    }

    symtab_t table_;
};

std::string header_text() {
    CapturedStream out;
    Print_symTable_header(out.get());
    return out.text();
}

std::string line_of(const sym_t& item) {
    CapturedStream out;
    Print_symItem(&item, out.get());
    return out.text();
}

const char kDashLine[] = "------------------------------------------------------------ \n";

TEST_F(ReportTest, ReportOfTheFiveLineExample) {
    define("VAL", SYM_DB, 0x000, 2);
    define("MAIN", SYM_LABEL, 0x010, 5);
    EXPECT_EQ(report(), header_text() + "\n\n\n" + "-- Labels\n" + kDashLine +
                            "MAIN           0x010   (0005)  ||  \n"
                            "\n"
                            "\n"
                            "-- Directives: .BYTE\n" +
                            kDashLine +
                            "--> No \".BYTE\" directives used\n"
                            "\n"
                            "\n"
                            "-- Directives: .EQU\n" +
                            kDashLine +
                            "--> No \".EQU\" directives used\n"
                            "\n"
                            "\n"
                            "-- Directives: .DEF\n" +
                            kDashLine +
                            "--> No \".DEF\" directives used\n"
                            "\n"
                            "\n"
                            "-- Directives: .DB\n" +
                            kDashLine + "VAL            0x000   (0002)  ||  \n");
}

TEST_F(ReportTest, EmptyTableSaysSoInEverySection) {
    const std::string text = report();
    for (const char* none :
         {"--> No labels used\n", "--> No \".BYTE\" directives used\n",
          "--> No \".EQU\" directives used\n", "--> No \".DEF\" directives used\n",
          "--> No \".DB\" directives used\n"}) {
        EXPECT_NE(text.find(std::string(kDashLine) + none), std::string::npos) << none;
    }
}

TEST_F(ReportTest, EntryColumns) {
    sym_t& loop = define("LOOP", SYM_LABEL, 0x01A, 7);
    loop.xref = {9, 30};
    EXPECT_EQ(line_of(loop), "LOOP           0x01A   (0007)  ||  0009 0030 \n");
    EXPECT_EQ(line_of(define("BIG", SYM_EQU, 1024, 12)), "BIG            0x400   (0012)  ||  \n");
    EXPECT_EQ(line_of(define("WIDE", SYM_EQU, 0x1234, 13)),
              "WIDE           0x1234   (0013)  ||  \n");
    EXPECT_EQ(line_of(define("COUNT", SYM_DEF, 5, 3)), "COUNT            r5    (0003)  ||  \n");
    EXPECT_EQ(line_of(define("TOTAL", SYM_DEF, 12, 3)), "TOTAL            r12   (0003)  ||  \n");
    sym_t& longer = define("A_NAME_OF_20_LETTERS", SYM_BYTE, 0x20, 10000);
    longer.xref = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    EXPECT_EQ(line_of(longer),
              "A_NAME_OF_20_LETTERS 0x020   (10000)  ||  0001 0002 0003 0004 0005 0006 0007 "
              "0008 0009 0010 \n"
              "                               ||  0011 \n");
}

TEST_F(ReportTest, TwentyFiveReferencesTakeThreeLines) {
    sym_t& busy = define("BUSY", SYM_LABEL, 0x100, 1);
    for (int line = 101; line <= 125; line++) busy.xref.push_back(line);
    EXPECT_EQ(line_of(busy),
              "BUSY           0x100   (0001)  ||  "
              "0101 0102 0103 0104 0105 0106 0107 0108 0109 0110 \n"
              "                               ||  "
              "0111 0112 0113 0114 0115 0116 0117 0118 0119 0120 \n"
              "                               ||  "
              "0121 0122 0123 0124 0125 \n");
}

TEST_F(ReportTest, EntriesMadeByAReference) {
    sym_t pending = Create_symItem("LATER", SYM_LABEL, 0, 42, SYM_REFERENCED, SEG_CODE);
    EXPECT_EQ(line_of(pending), "LATER           ???    ????   ||  0042 \n");
    pending.val = SYM_VAL_CONFLICT;
    EXPECT_EQ(line_of(pending), "LATER           XXX    ????   ||  0042 \n");
    pending.val = 0x10;
    EXPECT_EQ(line_of(pending), "0042 \n");
}

TEST_F(ReportTest, AbsentTableOrEntryIsReportedInTheFile) {
    CapturedStream out;
    Print_symbol_table(nullptr, out.get());
    Print_symItem(nullptr, out.get());
    EXPECT_EQ(out.text(),
              "\n ERR: tried to print empty symbol table\n"
              "\n ERR: tried to print empty symItem\n");
}

}  // namespace
