// The source item list: making, appending and splicing items, and what is read from them.
#include "items/items.h"

#include <algorithm>
#include <cstring>
#include <new>

// Items and their texts are carved from large blocks: a run makes an item per source line.
// Items and texts fill blocks of their own, so that a walk along the list reads items only.
class ItemList::Storage {
  public:
    Item* new_item() { return new (items_.allocate(sizeof(Item), alignof(Item), blocks_)) Item; }

    ItemText copy(std::string_view text) {
        if (text.empty()) return {};
        char* bytes = static_cast<char*>(texts_.allocate(text.size() + 1, 1, blocks_));
        std::memcpy(bytes, text.data(), text.size());
        bytes[text.size()] = '\0';
        return ItemText(bytes);
    }

  private:
    using Blocks = std::vector<std::unique_ptr<char[]>>;

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

ItemList::ItemList() : storage_(std::make_unique<Storage>()) {}

ItemList::~ItemList() = default;

Item* ItemList::make(std::string_view text, int line, const ItemFields& fields,
                     std::string_view messages, bool labelled) {
    Item* item = storage_->new_item();
    item->text = storage_->copy(text);
    item->line = line;
    item->address = fields.address;
    item->kind = static_cast<uint8_t>(fields.kind);
    item->mnemonic = fields.mnemonic;
    item->word = fields.word;
    item->operand = static_cast<uint16_t>(fields.operand);
    item->messages = storage_->copy(messages);
    item->labelled = labelled ? 1 : 0;
    return item;
}

void ItemList::append(Item* item) {
    if (head_ == nullptr) {
        head_ = item;
    } else {
        tail_->next = item;
    }
    tail_ = item;
}

void ItemList::insert_after(Item* previous, Item* item) {
    Item*& link = previous == nullptr ? head_ : previous->next;
    item->next = link;
    link = item;
    if (previous == tail_) tail_ = item;
}

Item* ItemList::at(int position) {
    Item* item = head_;
    for (int step = 0; step < position && item != nullptr && item->next != nullptr; step++) {
        item = item->next;
    }
    return item;
}

void ItemList::release() {
    storage_ = std::make_unique<Storage>();
    head_ = tail_ = nullptr;
}

bool Is_instruction_line(int kind) { return kind >= LINE_INSTR_RR && kind <= LINE_INSTR_NA; }

FirstInstruction Find_first_instruction(const ItemList& items) {
    int position = 0;
    for (const Item* item = items.head(); item != nullptr; item = item->next, position++) {
        if (Is_instruction_line(item->kind)) return {item->address, position};
    }
    return {};
}

ProgramImage Program_image(const ItemList& items) {
    ProgramImage image{};
    for (const Item* item = items.head(); item != nullptr; item = item->next) {
        const bool has_word = Is_instruction_line(item->kind) || item->kind == LINE_STARTUP;
        if (has_word && item->address >= 0 && item->address < kProgWords) {
            image[static_cast<size_t>(item->address)] = item->word;
        }
    }
    return image;
}
