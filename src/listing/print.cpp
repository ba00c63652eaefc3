// The listing (a key, then one entry per item with its error text) and the debug file
// (start-up words, then every instruction with its line, address and word).
#include "listing/print.h"

#include "diag/diag.h"

namespace {

// A line end and 91 dashes: the frame around the start-up block.
constexpr char kSeparatorEntry[] =
    "\n-------------------------------------------------------------------------------------------";
static_assert(sizeof kSeparatorEntry == 1 + 91 + 1, "a line end and 91 dashes");

unsigned int as_hex(int32_t value) { return static_cast<unsigned int>(value); }

// Writes the entry of one item without its error text; unknown kinds write nothing.
void print_entry(const srcItem_t& item, std::FILE* file) {
    const char* line = item.src_line.c_str();
    switch (item.line_type) {
        case LINE_BLANK:
        case LINE_SEGMENT:
        case LINE_ERROR:
            std::fprintf(file, "\n(%0*d)", 4, item.src_line_num);
            std::fprintf(file, "                            || %s", line);
            break;
        case LINE_INSTR_RR:
        case LINE_INSTR_RI:
        case LINE_INSTR_IM:
        case LINE_INSTR_R1:
        case LINE_INSTR_NA:
            std::fprintf(file, "\n(%0*d)  CS-0x%0*X  0x%0*X", 4, item.src_line_num, 3,
                         as_hex(item.instr_addr), 5, item.instr_bits);
            if (item.has_lab == 0) {
                std::fprintf(file, "         || %s", line);
            } else {
                std::fprintf(file, "  0x%0*X  || %s", 3, as_hex(item.instr_addr), line);
            }
            break;
        case LINE_LABEL:
            std::fprintf(file, "\n(%0*d)                     0x%0*X", 4, item.src_line_num, 3,
                         as_hex(item.instr_addr));
            std::fprintf(file, "  || %s", line);
            break;
        case LINE_EQU:
        case LINE_ORG:
            std::fprintf(file, "\n(%0*d)                       %0*d ", 4, item.src_line_num, 3,
                         item.instr_addr);
            std::fprintf(file, " || %s", line);
            break;
        case LINE_BYTE:
        case LINE_DB:
            std::fprintf(file, "\n(%0*d)  DS-0x%0*X             %0*X", 4, item.src_line_num, 3,
                         as_hex(item.instr_addr), 3, item.instr_bits);
            std::fprintf(file, "  || %s", line);
            break;
        case LINE_DEF:
            // The narrower field gets one more blank so the separator stays in its column.
            if (item.instr_addr > 9) {
                std::fprintf(file, "\n(%0*d)                       r%*d ", 4, item.src_line_num, 2,
                             item.instr_addr);
            } else {
                std::fprintf(file, "\n(%0*d)                       r%*d  ", 4, item.src_line_num, 1,
                             item.instr_addr);
            }
            std::fprintf(file, " || %s", line);
            break;
        case LINE_STARTUP:
            std::fprintf(file, "\n-STUP-  CS-0x%0*X  0x%0*X", 3, as_hex(item.instr_addr), 5,
                         item.instr_bits);
            std::fprintf(file, "  0x%0*X  || %s", 3, static_cast<unsigned int>(item.arg1), line);
            break;
        case LINE_SEPARATOR:
            std::fputs(kSeparatorEntry, file);
            break;
        default:
            break;
    }
}

void report_null_list() {
    std::fputs("Attempted to generate debug file from NULL srcList_t", consolefp);
}

}  // namespace

void Print_srcList(const srcList_t* the_list, std::FILE* file) {
    Print_srcList_key(file);
    if (the_list != nullptr) {
        for (const srcItem_t* item = the_list->head; item != nullptr; item = item->next) {
            Print_srcItem_short(item, file);
        }
    }
    std::fputs("\n", file);
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

void Print_srcItem_short(const srcItem_t* the_item, std::FILE* file) {
    print_entry(*the_item, file);
    if (!the_item->err_msg.empty()) {
        std::fprintf(file, "\n            %s\n", the_item->err_msg.c_str());
    }
}

void Generate_srcList_debug_file(const srcList_t* the_list, std::FILE* dbgfp) {
    if (the_list == nullptr) {
        report_null_list();
        return;
    }
    for (const srcItem_t* item = the_list->head; item != nullptr; item = item->next) {
        if (item->line_type == LINE_STARTUP) {
            std::fprintf(dbgfp, "%6s  0x%03X  0x%05X\n", item->opCode.c_str(),
                         as_hex(item->instr_addr), item->instr_bits);
        }
    }
    std::fputs("\n", dbgfp);
    for (const srcItem_t* item = the_list->head; item != nullptr; item = item->next) {
        if (Is_instruction_line(item->line_type)) {
            std::fprintf(dbgfp, "%6s  %4d  0x%03X  0x%05X\n", item->opCode.c_str(),
                         item->src_line_num, as_hex(item->instr_addr), item->instr_bits);
        }
    }
}

void xGenerate_srcList_debug_file(const srcList_t* the_list, std::FILE* dbgfp) {
    if (the_list == nullptr) {
        report_null_list();
        return;
    }
    for (const srcItem_t* item = the_list->head; item != nullptr; item = item->next) {
        std::fprintf(dbgfp, "%s%d%d%d", item->src_line.c_str(), item->instr_type, item->arg1,
                     item->arg2);
    }
}
