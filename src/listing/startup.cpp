// Start-up code: for each initialised data byte a load into r0 and a store to its address,
// then a branch to the user's first instruction, framed by separators in the list.
#include "listing/startup.h"

#include <fmt/compile.h>
#include <fmt/format.h>

#include <string>

#include "datamem/datamem.h"
#include "isa/opcodes.h"

namespace {

// Links items one after another into the list, starting at one position, so that the
// block costs one walk to its place whatever its length.
class BlockWriter {
  public:
    BlockWriter(srcList_t* the_list, int count) : list_(the_list), count_(count) {}

    void add(srcItem_t* item) {
        if (previous_ == nullptr) {
            Insert_src_item_into_srclist(list_, count_, item);
        } else {
            item->next = previous_->next;
            previous_->next = item;
            if (list_->tail == previous_) list_->tail = item;
        }
        previous_ = item;
    }

  private:
    srcList_t* list_;
    int count_;
    srcItem_t* previous_ = nullptr;
};

srcItem_t* separator() { return Create_srcItem(nullptr, 0, 0, LINE_SEPARATOR, nullptr, 0, 0); }

srcItem_t* startup_item(const std::string& line, int addr, const Opcode& row, unsigned int word,
                        int arg1) {
    return Create_srcItem(line.c_str(), 0, addr, LINE_STARTUP, row.mnemonic, word, arg1);
}

}  // namespace

void Insert_start_up_code(srcList_t* the_list, const unsigned char* mem_array,
                          const unsigned char* init_array, int count, int cseg_start) {
    BlockWriter block(the_list, count);
    block.add(separator());
    int addr = 0;
    for (int d = 0; d < kDataBytes; d++) {
        if (init_array[d] != DATA_INITIALIZED) continue;
        const int v = mem_array[d];
        block.add(startup_item(
            fmt::format(
                FMT_COMPILE("             MOV     r0,0x{:02X}     ; write dseg data to reg"), v),
            addr++, kStartupLoad, RI_inst_bit_define(kStartupReg, v, kStartupLoad.constant), v));
        block.add(startup_item(
            fmt::format(
                FMT_COMPILE("             ST      r0,0x{:02X}     ; place reg data in mem "), d),
            addr++, kStartupStore, RI_inst_bit_define(kStartupReg, d, kStartupStore.constant), d));
    }
    if (addr < cseg_start) {
        block.add(startup_item(fmt::format(FMT_COMPILE("             BRN     0x{:02X}        ; "
                                                       "jump to start of .cseg in program mem "),
                                           cseg_start),
                               addr, kStartupBranch,
                               IM_inst_bit_define(cseg_start, kStartupBranch.constant),
                               cseg_start));
    }
    block.add(separator());
}
