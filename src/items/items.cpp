// The source item list: making, appending and splicing items, and what is read from them.
#include "items/items.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/large_allocator.h"

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
    // The first blocks of each region are small, so that a small program touches little memory;
    // once a region has filled those, each block is a huge page.
    static constexpr size_t kSmallBlock = size_t{1} << 18;
    static constexpr int kSmallBlocks = 4;

    struct Block {
        explicit Block(size_t block_size)
            : bytes(static_cast<char*>(Allocate_large(block_size))), size(block_size) {}
        Block(Block&& other) noexcept : bytes(other.bytes), size(other.size) {
            other.bytes = nullptr;
        }
        Block(const Block&) = delete;
        Block& operator=(const Block&) = delete;
        Block& operator=(Block&&) = delete;
        ~Block() {
            if (bytes != nullptr) Free_large(bytes, size);
        }

        char* bytes;
        size_t size;
    };
    using Blocks = std::vector<Block>;

    // The unused end of the block that one kind of allocation is filling.
    struct Region {
        void* allocate(size_t size, size_t align, Blocks& blocks) {
            size_t padding = (align - reinterpret_cast<uintptr_t>(next) % align) % align;
            if (padding + size > room) {
                // A text too long for a block gets a block of its own.
                const size_t block_size =
                    std::max(size, filled < kSmallBlocks ? kSmallBlock : kHugePage);
                blocks.emplace_back(block_size);
                next = blocks.back().bytes;
                room = block_size;
                padding = 0;
                filled++;
            }
            char* const bytes = next + padding;
            next = bytes + size;
            room -= padding + size;
            return bytes;
        }

        char* next = nullptr;
        size_t room = 0;
        int filled = 0;  // blocks begun
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

FirstInstruction Find_first_instruction(const ItemList& items) {
    int position = 0;
    for (const Item* item = items.head(); item != nullptr; item = item->next, position++) {
        if (item->kind == LINE_INSTRUCTION) return {item->address, position, item->line};
    }
    return {};
}

ProgramImage Program_image(const ItemList& items) {
    ProgramImage image{};
    for (const Item* item = items.head(); item != nullptr; item = item->next) {
        const bool has_word = item->kind == LINE_INSTRUCTION || item->kind == LINE_STARTUP;
        if (has_word && item->address >= 0 && item->address < kProgWords) {
            image[static_cast<size_t>(item->address)] = item->word;
        }
    }
    return image;
}
