// Start-up code: for each initialised data byte a load into r0 and a store to its address,
// then a branch to the user's first instruction, framed by separators in the list.
#include "listing/startup.h"

#include <fmt/compile.h>
#include <fmt/format.h>

#include <algorithm>
#include <string>

namespace {

// Links items one after another into the list, starting at one position, so that the
// block costs one walk to its place whatever its length.
class BlockWriter {
  public:
    BlockWriter(ItemList& items, int position)
        : items_(items), previous_(position > 0 ? items.at(position - 1) : nullptr) {}

    void add(Item* item) {
        items_.insert_after(previous_, item);
        previous_ = item;
    }

    void separator() {
        ItemFields fields;
        fields.kind = LINE_SEPARATOR;
        add(items_.make({}, 0, fields));
    }

    void instruction(const std::string& line, int address, const Opcode& row, unsigned int word,
                     int operand) {
        ItemFields fields;
        fields.kind = LINE_STARTUP;
        fields.address = address;
        fields.mnemonic = row.mnemonic;
        fields.word = word;
        fields.operand = operand;
        add(items_.make(line, 0, fields));
    }

  private:
    ItemList& items_;
    Item* previous_;
};

}  // namespace

void Insert_start_up_code(ItemList& items, const DataMemory& data, int position, int code_start) {
    BlockWriter block(items, position);
    block.separator();
    int addr = 0;
    for (int d = 0; d < kDataBytes; d++) {
        if (data.state(d) != DATA_INITIALIZED) continue;
        const int v = data.value(d);
        block.instruction(
            fmt::format(
                FMT_COMPILE("             MOV     r0,0x{:02X}     ; write dseg data to reg"), v),
            addr++, kStartupLoad, RI_inst_bit_define(kStartupReg, v, kStartupLoad.constant), v);
        block.instruction(
            fmt::format(
                FMT_COMPILE("             ST      r0,0x{:02X}     ; place reg data in mem "), d),
            addr++, kStartupStore, RI_inst_bit_define(kStartupReg, d, kStartupStore.constant), d);
    }
    if (addr < code_start) {
        block.instruction(fmt::format(FMT_COMPILE("             BRN     0x{:02X}        ; "
                                                  "jump to start of .cseg in program mem "),
                                      code_start),
                          addr, kStartupBranch,
                          IM_inst_bit_define(code_start, kStartupBranch.constant), code_start);
    }
    block.separator();
}

// After the passes: the start-up code, the check that the code starts above it, and the check
// that no instruction was put back (by .ORG) into the words it fills.
void Place_start_up_code(Program& program, Diagnostics& messages) {
    const int n = program.data.initialised_count();
    const FirstInstruction first = Find_first_instruction(program.items);
    const int a = first.address;
    const bool starts_too_low = n != 0 && a < 2 * n;
    if (starts_too_low) {
        messages.run_error(MessageKind::kStartUpRoom,
                           Format_message("\n .CSEG must start at address %d or greater \n", 2 * n),
                           first.line);
    }
    if (n == 0 && a == 0) return;
    Insert_start_up_code(program.items, program.data, first.position, a);
    if (starts_too_low) return;
    const int start_up_words = 2 * n + (2 * n < a ? 1 : 0);
    // Every instruction line took its address, so without a taken address under the start-up
    // words the walk of a possibly long list can be skipped.
    const auto& taken = program.taken_addresses;
    if (std::none_of(taken.begin(), taken.begin() + start_up_words,
                     [](bool is_taken) { return is_taken; })) {
        return;
    }
    for (const Item* item = program.items.head(); item != nullptr; item = item->next) {
        if (item->kind == LINE_INSTRUCTION && item->address < start_up_words) {
            messages.run_error(
                MessageKind::kOverlappingCode,
                Format_message("\n Overlapping code at address 0x%03X \n", item->address),
                item->line);
        }
    }
}
