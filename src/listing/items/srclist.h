// The source item list: one item per second-pass line (and per start-up line), in program
// order, from which the listing, the debug file and the program image are made.
#ifndef TEVLIN_LISTING_ITEMS_SRCLIST_H_
#define TEVLIN_LISTING_ITEMS_SRCLIST_H_

#include <cstdint>
#include <string_view>

#include "global.h"

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

// Texts are kept in storage that lives until the last item is deleted. The small fields
// stand together so that an item fills one 64-byte cache line: the outputs walk a list of
// one item per source line several times.
struct srcItem_t {
    ItemText src_line;
    int32_t src_line_num = 0;
    int32_t instr_addr = 0;
    int32_t line_type = 0;
    uint32_t instr_bits = 0;
    ItemText opCode;
    ItemText err_msg;
    srcItem_t* next = nullptr;
    uint16_t arg1 = 0;  // the operand of a start-up instruction
    uint8_t has_lab = 0;
};
static_assert(sizeof(srcItem_t) <= 64, "an item fits one cache line");

struct srcList_t {
    srcItem_t* head = nullptr;
    srcItem_t* tail = nullptr;
};

// name                  start value  meaning
extern srcList_t* SrcList;  // null  the run's list, created by the driver

/// Returns a new item; a final newline of src_buf is dropped; null texts stay empty.
srcItem_t* Create_srcItem(const char* src_buf, int srcline_num, int instr_addr, int line_type,
                          const char* opCode, unsigned int instr_bits, int arg1);
/// Gives the item a copy of the_mess; a null or empty message changes nothing.
void Add_srcItem_err_msg(srcItem_t* the_item, const char* the_mess);
/// Marks the item as the line of a label.
void Set_srcItem_has_lab(srcItem_t* the_item);

/// Returns a new empty list.
srcList_t* Create_srcList();
/// Appends new_item in constant time.
void Add_to_srcList(srcList_t* the_list, srcItem_t* new_item);
/// Links the_item in so that it becomes the item at 0-based position count (0: the new
/// head); an item linked after the last one becomes the tail.
void Insert_src_item_into_srclist(srcList_t* the_list, int count, srcItem_t* the_item);
/// Empties the list and gives back the storage of every item made so far (a run keeps all its
/// items in one list); the record itself stays.
void Delete_srcList(srcList_t* the_list);

/// True for the five instruction kinds.
bool Is_instruction_line(int line_type);
/// Returns instr_addr of the first instruction item, 0 when there is none.
int Find_cseg_addr_of_first_instruction(const srcList_t* the_list);
/// Returns the 0-based list position of the first instruction item, 0 when there is none.
int Find_source_line_of_first_instruction(const srcList_t* the_list);
/// Writes instr_bits of every instruction and start-up item at its address in instr_array
/// (kProgWords entries); items outside program memory are ignored.
void Get_srcItem_instr_bits(const srcList_t* the_list, unsigned int* instr_array);

/// Deletes SrcList with its items, sets it to null and releases the storage of every item.
void Reset_srclist();

#endif  // TEVLIN_LISTING_ITEMS_SRCLIST_H_
