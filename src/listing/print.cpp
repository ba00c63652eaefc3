// The listing (a key, then one entry per item with its error text) and the debug file
// (start-up words, then every instruction with its line, address and word).
#include "listing/print.h"

#include <vector>

#include "driver/base/text_buffer.h"

namespace {

using Fill = TextBuffer::Fill;

// A line end and 91 dashes: the frame around the start-up block.
constexpr char kSeparatorEntry[] =
    "\n-------------------------------------------------------------------------------------------";
static_assert(sizeof kSeparatorEntry == 1 + 91 + 1, "a line end and 91 dashes");

uint32_t as_hex(int32_t value) { return static_cast<uint32_t>(value); }

// "\n(%0*d)" with width 4: the line number column that opens most entries.
void line_number(const srcItem_t& item, TextBuffer& out) {
    out.text("\n(");
    out.decimal(item.src_line_num, 4, Fill::kZeros);
    out.text(")");
}

// Writes the entry of one item without its error text; unknown kinds write nothing.
void print_entry(const srcItem_t& item, TextBuffer& out) {
    switch (item.line_type) {
        case LINE_BLANK:
        case LINE_SEGMENT:
        case LINE_ERROR:
            line_number(item, out);
            out.text("                            || ");
            break;
        case LINE_INSTR_RR:
        case LINE_INSTR_RI:
        case LINE_INSTR_IM:
        case LINE_INSTR_R1:
        case LINE_INSTR_NA:
            line_number(item, out);
            out.text("  CS-0x");
            out.hex(as_hex(item.instr_addr), 3);
            out.text("  0x");
            out.hex(item.instr_bits, 5);
            if (item.has_lab == 0) {
                out.text("         || ");
            } else {
                out.text("  0x");
                out.hex(as_hex(item.instr_addr), 3);
                out.text("  || ");
            }
            break;
        case LINE_LABEL:
            line_number(item, out);
            out.text("                     0x");
            out.hex(as_hex(item.instr_addr), 3);
            out.text("  || ");
            break;
        case LINE_EQU:
        case LINE_ORG:
            line_number(item, out);
            out.text("                       ");
            out.decimal(item.instr_addr, 3, Fill::kZeros);
            out.text("  || ");
            break;
        case LINE_BYTE:
        case LINE_DB:
            line_number(item, out);
            out.text("  DS-0x");
            out.hex(as_hex(item.instr_addr), 3);
            out.text("             ");
            out.hex(item.instr_bits, 3);
            out.text("  || ");
            break;
        case LINE_DEF:
            // The narrower field gets one more blank so the separator stays in its column.
            line_number(item, out);
            out.text("                       r");
            out.decimal(item.instr_addr, item.instr_addr > 9 ? 2 : 1, Fill::kBlanksBefore);
            out.text(item.instr_addr > 9 ? "  || " : "   || ");
            break;
        case LINE_STARTUP:
            out.text("\n-STUP-  CS-0x");
            out.hex(as_hex(item.instr_addr), 3);
            out.text("  0x");
            out.hex(item.instr_bits, 5);
            out.text("  0x");
            out.hex(item.arg1, 3);
            out.text("  || ");
            break;
        case LINE_SEPARATOR:
            out.text(kSeparatorEntry);
            return;
        default:
            return;
    }
    out.text(item.src_line);
}

void print_item(const srcItem_t& item, TextBuffer& out) {
    print_entry(item, out);
    if (!item.err_msg.empty()) {
        out.text("\n            ");
        out.text(item.err_msg);
        out.text("\n");
    }
}

// "%6s  ": the mnemonic column that opens every line of the debug file.
void debug_columns(const srcItem_t& item, TextBuffer& out) {
    out.padded(item.opCode, 6, false);
    out.text("  ");
}

// "0x%03X  0x%05X\n": the address and word that close every line of the debug file.
void debug_address_and_word(const srcItem_t& item, TextBuffer& out) {
    out.text("0x");
    out.hex(as_hex(item.instr_addr), 3);
    out.text("  0x");
    out.hex(item.instr_bits, 5);
    out.text("\n");
}

}  // namespace

void Print_srcList(const srcList_t* the_list, std::FILE* file) {
    Print_srcList_key(file);
    TextBuffer out(file);
    for (const srcItem_t* item = the_list->head; item != nullptr; item = item->next) {
        print_item(*item, out);
    }
    out.text("\n");
}

void Print_srcList_key(std::FILE* file) {
    std::fputs(
        "\n\nList FileKey \n"
        "----------------------------------------------------------------------\n"
        "C1      C2      C3      C4    || C5\n"
        "--------------------------------------------------------------\n"
        "C1:  Address (decimal) of instruction in source file. \n"
        "C2:  Segment (code or data) and address (in code or data segment) \n"
        "       of inforation associated with current linte. Note that not all\n"
        "       source lines will contain information in this field.  \n"
        "C3:  Opcode bits (this field only appears for valid instructions.\n"
        "C4:  Data field; lists data for labels and assorted directives. \n"
        "C5:  Raw line from source code.\n"
        "----------------------------------------------------------------------\n\n",
        file);
}

// Start-up words first, then the instructions, which the one walk collects on its way.
void Generate_srcList_debug_file(const srcList_t* the_list, std::FILE* dbgfp) {
    TextBuffer out(dbgfp);
    std::vector<const srcItem_t*> instructions;
    for (const srcItem_t* item = the_list->head; item != nullptr; item = item->next) {
        if (item->line_type == LINE_STARTUP) {
            debug_columns(*item, out);
            debug_address_and_word(*item, out);
        } else if (Is_instruction_line(item->line_type)) {
            instructions.push_back(item);
        }
    }
    out.text("\n");
    for (const srcItem_t* item : instructions) {
        debug_columns(*item, out);
        out.decimal(item->src_line_num, 4, Fill::kBlanksBefore);
        out.text("  ");
        debug_address_and_word(*item, out);
    }
}
