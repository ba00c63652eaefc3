// The listing (a key, then one entry per item with its error text) and the debug file
// (start-up words, then every instruction with its line, address and word).
#include "listing/listing.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace {

// A line end and 91 dashes: the frame around the start-up block.
constexpr std::string_view kSeparatorEntry =
    "\n-------------------------------------------------------------------------------------------";
static_assert(kSeparatorEntry.size() == 1 + 91, "a line end and 91 dashes");

// A hexadecimal field shows the bits of its number, as for an unsigned value.
uint32_t bits(int32_t value) { return static_cast<uint32_t>(value); }

// Writes the entry of one item without its error text.
void print_entry(const Item& item, TextOutput& out) {
    const int line = item.line;
    const std::string_view text = item.text;
    switch (static_cast<LineType>(item.kind)) {
        case LINE_BLANK:
        case LINE_SEGMENT:
        case LINE_ERROR:
            out.print(FMT_COMPILE("\n({:04})                            || {}"), line, text);
            break;
        case LINE_INSTRUCTION:
            if (item.labelled == 0) {
                out.print(FMT_COMPILE("\n({:04})  CS-0x{:03X}  0x{:05X}         || {}"), line,
                          bits(item.address), item.word, text);
            } else {
                out.print(FMT_COMPILE("\n({:04})  CS-0x{:03X}  0x{:05X}  0x{:03X}  || {}"), line,
                          bits(item.address), item.word, bits(item.address), text);
            }
            break;
        case LINE_LABEL:
            out.print(FMT_COMPILE("\n({:04})                     0x{:03X}  || {}"), line,
                      bits(item.address), text);
            break;
        case LINE_EQU:
        case LINE_ORG:
            out.print(FMT_COMPILE("\n({:04})                       {:03}  || {}"), line,
                      item.address, text);
            break;
        case LINE_BYTE:
        case LINE_DB:
            out.print(FMT_COMPILE("\n({:04})  DS-0x{:03X}             {:03X}  || {}"), line,
                      bits(item.address), item.word, text);
            break;
        case LINE_DEF:
            // A register of one digit gets one more blank, so the separator stays in its column.
            if (item.address > 9) {
                out.print(FMT_COMPILE("\n({:04})                       r{:2}  || {}"), line,
                          item.address, text);
            } else {
                out.print(FMT_COMPILE("\n({:04})                       r{:1}   || {}"), line,
                          item.address, text);
            }
            break;
        case LINE_STARTUP:
            out.print(FMT_COMPILE("\n-STUP-  CS-0x{:03X}  0x{:05X}  0x{:03X}  || {}"),
                      bits(item.address), item.word, item.operand, text);
            break;
        case LINE_SEPARATOR:
            out.text(kSeparatorEntry);
            break;
    }
}

void print_item(const Item& item, TextOutput& out) {
    print_entry(item, out);
    if (!item.messages.empty()) out.print(FMT_COMPILE("\n            {}\n"), item.messages.c_str());
}

}  // namespace

void Write_listing(const ItemList& items, TextOutput& out) {
    out.text(
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
        "----------------------------------------------------------------------\n\n");
    for (const Item* item = items.head(); item != nullptr; item = item->next) {
        print_item(*item, out);
    }
    out.text("\n");
}

// Start-up words first, then the instructions, which the one walk collects on its way.
void Write_debug_file(const ItemList& items, TextOutput& out) {
    std::vector<const Item*> instructions;
    for (const Item* item = items.head(); item != nullptr; item = item->next) {
        if (item->kind == LINE_STARTUP) {
            out.print(FMT_COMPILE("{:>6}  0x{:03X}  0x{:05X}\n"), item->mnemonic,
                      bits(item->address), item->word);
        } else if (item->kind == LINE_INSTRUCTION) {
            instructions.push_back(item);
        }
    }
    out.text("\n");
    for (const Item* item : instructions) {
        out.print(FMT_COMPILE("{:>6}  {:4}  0x{:03X}  0x{:05X}\n"), item->mnemonic, item->line,
                  bits(item->address), item->word);
    }
}
