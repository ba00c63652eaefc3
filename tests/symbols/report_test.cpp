#include "symbols/report.h"

#include <gtest/gtest.h>

#include <string>

#include "support/capture.h"

namespace {

// Values and line numbers of any sign and width, and the entries made by a reference.
TEST(ReportTest, EntryColumns) {
    const struct {
        int type, val, line, first_ref, refs, origin;
        std::string name, entry;
    } rows[] = {
        {SYM_EQU, 0x1234, 13, 0, 0, SYM_DEFINED, "WIDE", "WIDE           0x1234   (0013)  ||  \n"},
        {SYM_EQU, -1, 7, 0, 0, SYM_DEFINED, "NEG", "NEG            0xFFFFFFFF   (0007)  ||  \n"},
        {SYM_DEF, 5, 3, 0, 0, SYM_DEFINED, "COUNT", "COUNT            r5    (0003)  ||  \n"},
        {SYM_DEF, 12, 3, 0, 0, SYM_DEFINED, "TOTAL", "TOTAL            r12   (0003)  ||  \n"},
        {SYM_DEF, -3, -3, -5, 2, SYM_DEFINED, "ODD",
         "ODD              r-3   (-003)  ||  -005 -004 \n"},
        {SYM_BYTE, 0x20, 10000, 1, 11, SYM_DEFINED, "A_NAME_OF_20_LETTERS",
         "A_NAME_OF_20_LETTERS 0x020   (10000)  ||  0001 0002 0003 0004 0005 0006 0007 0008 "
         "0009 0010 \n                               ||  0011 \n"},
        {SYM_LABEL, 0x100, 1, 101, 25, SYM_DEFINED, "BUSY",
         "BUSY           0x100   (0001)  ||  0101 0102 0103 0104 0105 0106 0107 0108 0109 0110 \n"
         "                               ||  0111 0112 0113 0114 0115 0116 0117 0118 0119 0120 \n"
         "                               ||  0121 0122 0123 0124 0125 \n"},
        {SYM_LABEL, 0, 42, 12345, 1, SYM_REFERENCED, "UNDEF",
         "UNDEF           ???    ????   ||  0042 12345 \n"},
        {SYM_LABEL, SYM_VAL_CONFLICT, 42, 0, 0, SYM_REFERENCED, "TWICE",
         "TWICE           XXX    ????   ||  0042 \n"},
        {SYM_LABEL, 9, 42, 0, 0, SYM_REFERENCED, "LATER", "0042 \n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        sym_t item = Create_symItem(row.name, row.type, row.val, row.line, row.origin, SEG_CODE);
        if (row.origin == SYM_REFERENCED) item.val = row.val;
        for (int i = 0; i < row.refs; i++) item.xref.push_back(row.first_ref + i);
        CapturedStream out;
        Print_symItem(&item, out.get());
        EXPECT_EQ(out.text(), row.entry);
    }
}

// Names come out in byte order, a name before the longer names it begins,
// and a second definition of a name changes nothing.
TEST(ReportTest, SectionsListNamesInOrderWithTheirFirstDefinition) {
    symtab_t table;
    for (const char* name : {"LOOP", "ADD_1", "MAIN", "A"}) {
        Add_sym_to_symTable(&table, name, SYM_LABEL, 16, 5, SYM_DEFINED, SEG_CODE);
    }
    EXPECT_EQ(Add_sym_to_symTable(&table, "MAIN", SYM_EQU, 9, 9, SYM_DEFINED, SEG_DATA), 0);
    CapturedStream out;
    Print_symbol_table(&table, out.get());
    EXPECT_NE(out.text().find("------ \n"
                              "A              0x010   (0005)  ||  \n"
                              "ADD_1          0x010   (0005)  ||  \n"
                              "LOOP           0x010   (0005)  ||  \n"
                              "MAIN           0x010   (0005)  ||  \n"
                              "\n\n-- Directives: .BYTE\n"),
              std::string::npos);
    EXPECT_NE(out.text().find(" \n--> No \".EQU\" directives used\n"), std::string::npos);
}

}  // namespace
