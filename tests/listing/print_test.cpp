#include "listing/print.h"

#include <gtest/gtest.h>

#include <string>

#include "support/capture.h"

namespace {

// Every entry with a four-digit line number puts the double bar in one column; wider numbers
// push it right. Without start-up code the debug file opens with its empty line.
TEST(PrintTest, EntriesAndDebugFileOfAListWithoutStartUpCode) {
    const struct {
        int line_type, line, value, bits;
        const char* entry;
    } rows[] = {
        {LINE_LABEL, 7, 0x1F, 0, "\n(0007)                     0x01F  || T"},
        {LINE_EQU, 7, 5, 0, "\n(0007)                       005  || T"},
        {LINE_EQU, 7, 1023, 0, "\n(0007)                       1023  || T"},
        {LINE_BYTE, 7, 0x20, 3, "\n(0007)  DS-0x020             003  || T"},
        {LINE_DEF, 8, 5, 0, "\n(0008)                       r5   || T"},
        {LINE_DEF, 8, 9, 0, "\n(0008)                       r9   || T"},
        {LINE_DEF, 8, 10, 0, "\n(0008)                       r10  || T"},
        {LINE_DEF, 8, 12, 0, "\n(0008)                       r12  || T"},
        {LINE_INSTR_RI, 10000, 0x10, 0x36012, "\n(10000)  CS-0x010  0x36012         || T"},
    };
    srcList_t list;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.entry);
        srcItem_t* item = Create_srcItem("T", row.line, row.value, row.line_type, "MOV",
                                         static_cast<unsigned>(row.bits), nullptr, 10, 0, 0);
        Add_to_srcList(&list, item);
        CapturedStream out;
        Print_srcItem_short(item, out.get());
        EXPECT_EQ(out.text(), row.entry);
    }
    CapturedStream debug;
    Generate_srcList_debug_file(&list, debug.get());
    EXPECT_EQ(debug.text(), "\n   MOV  10000  0x010  0x36012\n");
    Delete_srcList(&list);
}

}  // namespace
