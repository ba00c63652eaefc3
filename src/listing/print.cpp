// The listing (a key, then one entry per item with its error text) and the debug file
// (start-up words, then every instruction with its line, address and word).
#include "listing/print.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "driver/base/text_output.h"

namespace {

// A line end and 91 dashes: the frame around the start-up block.
constexpr std::string_view kSeparatorEntry =
    "\n-------------------------------------------------------------------------------------------";
static_assert(kSeparatorEntry.size() == 1 + 91, "a line end and 91 dashes");

// A hexadecimal field shows the bits of its number, as for an unsigned value.
uint32_t bits(int32_t value) { return static_cast<uint32_t>(value); }

// Writes the entry of one item without its error text; unknown kinds write nothing.
void print_entry(const srcItem_t& item, TextOutput& out) {
    const int line = item.src_line_num;
    const std::string_view text = item.src_line;
    switch (item.line_type) {
        case LINE_BLANK:
        case LINE_SEGMENT:
        case LINE_ERROR:
            out.print(FMT_COMPILE("\n({:04})                            || {}"), line, text);
            break;
        case LINE_INSTR_RR:
        case LINE_INSTR_RI:
        case LINE_INSTR_IM:
        case LINE_INSTR_R1:
        case LINE_INSTR_NA:
            if (item.has_lab == 0) {
                out.print(FMT_COMPILE("\n({:04})  CS-0x{:03X}  0x{:05X}         || {}"), line,
                          bits(item.instr_addr), item.instr_bits, text);
            } else {
                out.print(FMT_COMPILE("\n({:04})  CS-0x{:03X}  0x{:05X}  0x{:03X}  || {}"), line,
                          bits(item.instr_addr), item.instr_bits, bits(item.instr_addr), text);
            }
            break;
        case LINE_LABEL:
            out.print(FMT_COMPILE("\n({:04})                     0x{:03X}  || {}"), line,
                      bits(item.instr_addr), text);
            break;
        case LINE_EQU:
        case LINE_ORG:
            out.print(FMT_COMPILE("\n({:04})                       {:03}  || {}"), line,
                      item.instr_addr, text);
            break;
        case LINE_BYTE:
        case LINE_DB:
            out.print(FMT_COMPILE("\n({:04})  DS-0x{:03X}             {:03X}  || {}"), line,
                      bits(item.instr_addr), item.instr_bits, text);
            break;
        case LINE_DEF:
            // A register of one digit gets one more blank, so the separator stays in its column.
            if (item.instr_addr > 9) {
                out.print(FMT_COMPILE("\n({:04})                       r{:2}  || {}"), line,
                          item.instr_addr, text);
            } else {
                out.print(FMT_COMPILE("\n({:04})                       r{:1}   || {}"), line,
                          item.instr_addr, text);
            }
            break;
        case LINE_STARTUP:
            out.print(FMT_COMPILE("\n-STUP-  CS-0x{:03X}  0x{:05X}  0x{:03X}  || {}"),
                      bits(item.instr_addr), item.instr_bits, item.arg1, text);
            break;
        case LINE_SEPARATOR:
            out.text(kSeparatorEntry);
            break;
        default:
            break;
    }
}

void print_item(const srcItem_t& item, TextOutput& out) {
    print_entry(item, out);
    if (!item.err_msg.empty()) out.print(FMT_COMPILE("\n            {}\n"), item.err_msg.c_str());
}

}  // namespace

void Print_srcList(const srcList_t* the_list, std::FILE* file) {
    Print_srcList_key(file);
    TextOutput out(file);
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
    TextOutput out(dbgfp);
    std::vector<const srcItem_t*> instructions;
    for (const srcItem_t* item = the_list->head; item != nullptr; item = item->next) {
        if (item->line_type == LINE_STARTUP) {
            out.print(FMT_COMPILE("{:>6}  0x{:03X}  0x{:05X}\n"), item->opCode.c_str(),
                      bits(item->instr_addr), item->instr_bits);
        } else if (Is_instruction_line(item->line_type)) {
            instructions.push_back(item);
        }
    }
    out.text("\n");
    for (const srcItem_t* item : instructions) {
        out.print(FMT_COMPILE("{:>6}  {:4}  0x{:03X}  0x{:05X}\n"), item->opCode.c_str(),
                  item->src_line_num, bits(item->instr_addr), item->instr_bits);
    }
}
