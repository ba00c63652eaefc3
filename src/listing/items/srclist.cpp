// The source item list: creation, appending, the start-up splice, lookups and the image.
#include "listing/items/srclist.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

srcList_t* SrcList = nullptr;

namespace {

// Items and their texts are carved from large blocks instead of one allocation each: a run
// makes an item per source line. Items and texts fill blocks of their own, so that a walk
// along the list reads items only. The blocks go back all together.
class ItemStorage {
  public:
    srcItem_t* new_item() {
        return new (items_.allocate(sizeof(srcItem_t), kCacheLine, blocks_)) srcItem_t;
    }

    ItemText copy(std::string_view text) {
        if (text.empty()) return {};
        char* bytes = static_cast<char*>(texts_.allocate(text.size() + 1, 1, blocks_));
        std::memcpy(bytes, text.data(), text.size());
        bytes[text.size()] = '\0';
        return ItemText(bytes);
    }

    void release() {
        blocks_.clear();
        items_ = Region();
        texts_ = Region();
    }

  private:
    using Blocks = std::vector<std::unique_ptr<char[]>>;

    static constexpr size_t kCacheLine = 64;  // each item starts a line of its own

    // The unused end of the block that one kind of allocation is filling.
    struct Region {
        static constexpr size_t kBlockSize = size_t{1} << 18;

        void* allocate(size_t size, size_t align, Blocks& blocks) {
            size_t padding = (align - reinterpret_cast<uintptr_t>(next) % align) % align;
            if (padding + size > room) {
                // A text too long for a block gets a block of its own.
                const size_t block_size = std::max(size, kBlockSize);
                blocks.emplace_back(new char[block_size]);
                next = blocks.back().get();
                room = block_size;
                padding = 0;
            }
            char* const bytes = next + padding;
            next = bytes + size;
            room -= padding + size;
            return bytes;
        }

        char* next = nullptr;
        size_t room = 0;
    };

    Blocks blocks_;
    Region items_;
    Region texts_;
};

// name              start value  meaning
ItemStorage storage;  // empty    the blocks holding every item and its texts

std::string_view view_or_empty(const char* text) {
    return text == nullptr ? std::string_view() : std::string_view(text);
}

}  // namespace

srcItem_t* Create_srcItem(const char* src_buf, int srcline_num, int instr_addr, int line_type,
                          const char* opCode, unsigned int instr_bits, int arg1) {
    srcItem_t* the_item = storage.new_item();
    std::string_view line = view_or_empty(src_buf);
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    the_item->src_line = storage.copy(line);
    the_item->src_line_num = srcline_num;
    the_item->instr_addr = instr_addr;
    the_item->line_type = line_type;
    the_item->opCode = storage.copy(view_or_empty(opCode));
    the_item->instr_bits = instr_bits;
    the_item->arg1 = static_cast<uint16_t>(arg1);
    return the_item;
}

void Add_srcItem_err_msg(srcItem_t* the_item, const char* the_mess) {
    if (the_mess != nullptr && the_mess[0] != '\0') the_item->err_msg = storage.copy(the_mess);
}

void Set_srcItem_has_lab(srcItem_t* the_item) { the_item->has_lab = 1; }

srcList_t* Create_srcList() { return new srcList_t; }

void Add_to_srcList(srcList_t* the_list, srcItem_t* new_item) {
    if (the_list->head == nullptr) {
        the_list->head = new_item;
    } else {
        the_list->tail->next = new_item;
    }
    the_list->tail = new_item;
}

void Insert_src_item_into_srclist(srcList_t* the_list, int count, srcItem_t* the_item) {
    if (count <= 0 || the_list->head == nullptr) {
        the_item->next = the_list->head;
        the_list->head = the_item;
        if (the_list->tail == nullptr) the_list->tail = the_item;
        return;
    }
    srcItem_t* before = the_list->head;
    for (int step = 1; step < count && before->next != nullptr; step++) before = before->next;
    the_item->next = before->next;
    before->next = the_item;
    if (before == the_list->tail) the_list->tail = the_item;
}

void Delete_srcList(srcList_t* the_list) {
    the_list->head = nullptr;
    the_list->tail = nullptr;
    storage.release();
}

bool Is_instruction_line(int line_type) {
    return line_type >= LINE_INSTR_RR && line_type <= LINE_INSTR_NA;
}

int Find_cseg_addr_of_first_instruction(const srcList_t* the_list) {
    for (const srcItem_t* item = the_list->head; item != nullptr; item = item->next) {
        if (Is_instruction_line(item->line_type)) return item->instr_addr;
    }
    return 0;
}

int Find_source_line_of_first_instruction(const srcList_t* the_list) {
    int position = 0;
    for (const srcItem_t* item = the_list->head; item != nullptr; item = item->next) {
        if (Is_instruction_line(item->line_type)) return position;
        position++;
    }
    return 0;
}

void Get_srcItem_instr_bits(const srcList_t* the_list, unsigned int* instr_array) {
    for (const srcItem_t* item = the_list->head; item != nullptr; item = item->next) {
        const bool has_word =
            Is_instruction_line(item->line_type) || item->line_type == LINE_STARTUP;
        if (has_word && item->instr_addr >= 0 && item->instr_addr < kProgWords) {
            instr_array[item->instr_addr] = item->instr_bits;
        }
    }
}

void Reset_srclist() {
    if (SrcList != nullptr) {
        Delete_srcList(SrcList);
        delete SrcList;
    }
    SrcList = nullptr;
    storage.release();
}
