// The source item list: one item per second-pass line (and per start-up line), in program
// order, from which the listing, the debug file and the program image are made.
#ifndef TEVLIN_ITEMS_ITEMS_H_
#define TEVLIN_ITEMS_ITEMS_H_

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "base/global.h"

// An item's own copy of a text, ended by a NUL byte; null stands for an absent text. It is one
// pointer wide so that the item made for every source line stays small.
class ItemText {
  public:
    ItemText() = default;
    explicit ItemText(const char* chars) : chars_(chars) {}

    bool empty() const { return chars_ == nullptr || chars_[0] == '\0'; }
    const char* c_str() const { return chars_ == nullptr ? "" : chars_; }
    operator std::string_view() const { return c_str(); }

  private:
    const char* chars_ = nullptr;
};

inline bool operator==(ItemText text, std::string_view other) {
    return std::string_view(text) == other;
}

// A run makes an item per source line and keeps them all until the listing is written, so
// the small fields are packed behind the pointers.
struct Item {
    ItemText text;  // the source line, without its line end
    ItemText messages;
    const char* mnemonic = nullptr;  // the mnemonic table's text; null for other lines
    Item* next = nullptr;
    int32_t line = 0;
    int32_t address = 0;   // program or data address, or the value of .EQU, .ORG and .DEF
    uint32_t word = 0;     // the instruction word, or the size of a .BYTE or .DB block
    uint16_t operand = 0;  // the operand of a start-up instruction
    uint8_t kind = 0;      // LineType
    uint8_t labelled = 0;  // the line begins with a label
};
static_assert(sizeof(Item) <= 48, "an item stays small");

// What a line's item holds besides the line itself and its messages.
struct ItemFields {
    LineType kind = LINE_BLANK;
    int address = 0;
    const char* mnemonic = nullptr;  // static text
    unsigned int word = 0;
    int operand = 0;
};

using ProgramImage = std::array<unsigned int, kProgWords>;

// The list owns its items and their texts, which it carves from large blocks instead of one
// allocation each.
class ItemList {
  public:
    ItemList();
    ~ItemList();
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;

    /// Returns a new item, not yet in the list, for the source line text.
    Item* make(std::string_view text, int line, const ItemFields& fields,
               std::string_view messages = {}, bool labelled = false);
    /// Appends item in constant time.
    void append(Item* item);
    /// Links item in after previous, or at the head when previous is null.
    void insert_after(Item* previous, Item* item);
    /// The item at 0-based position, or the last one when the list is shorter; null when empty.
    Item* at(int position);
    /// Gives back every item and its texts; the list is empty again.
    void release();

    const Item* head() const { return head_; }

  private:
    class Storage;

    std::unique_ptr<Storage> storage_;
    Item* head_ = nullptr;
    Item* tail_ = nullptr;
};

// The first instruction item of a list.
struct FirstInstruction {
    int address = 0;   // 0 when there is none
    int position = 0;  // 0-based in the list; 0 when there is none
    int line = 0;      // its source line; 0 when there is none
};
FirstInstruction Find_first_instruction(const ItemList& items);

/// The words of every instruction and start-up item at their addresses; items outside program
/// memory are left out, and every other word is 0.
ProgramImage Program_image(const ItemList& items);

#endif  // TEVLIN_ITEMS_ITEMS_H_
