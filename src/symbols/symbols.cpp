// The symbol table: definitions in the first pass, references in the second, found by hash.
#include "symbols/symbols.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "diag/diag.h"

symtab_t* Symbol_Table = nullptr;

namespace {

constexpr size_t kFirstSlotCount = 64;
constexpr uint64_t kEntryBits = 0xFFFFFFFFu;  // the lower half of a slot: entry number plus one

uint64_t load64(const char* bytes) {
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

uint64_t load32(const char* bytes) {
    uint32_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// Seeded with the length, one multiply per 8 bytes, and a final mix so that every name byte
// reaches the upper half, whose bits give both the slot and the tag kept in it. The last
// bytes are read as whole (overlapping) words: assembling them byte by byte stalls the load.
uint64_t hash_name(const std::string& name) {
    constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15u;
    const char* bytes = name.data();
    const size_t size = name.size();
    uint64_t hash = size * kMultiplier;
    uint64_t last = 0;
    if (size >= 8) {
        for (size_t at = 0; at + 8 < size; at += 8) {
            hash = (hash ^ load64(bytes + at)) * kMultiplier;
        }
        last = load64(bytes + size - 8);
    } else if (size >= 4) {
        last = load32(bytes) | load32(bytes + size - 4) << 32;
    } else if (size > 0) {
        last = static_cast<unsigned char>(bytes[0]) |
               static_cast<unsigned char>(bytes[size / 2]) << 8 |
               static_cast<unsigned char>(bytes[size - 1]) << 16;
    }
    hash ^= last;
    hash = (hash ^ (hash >> 33)) * 0xFF51AFD7ED558CCDu;
    hash = (hash ^ (hash >> 33)) * 0xC4CEB9FE1A85EC53u;
    return hash ^ (hash >> 33);
}

const sym_t& entry_at(const symtab_t& table, size_t index) {
    return table.blocks[index / kSymBlockEntries][index % kSymBlockEntries];
}

sym_t& entry_at(symtab_t& table, size_t index) {
    return table.blocks[index / kSymBlockEntries][index % kSymBlockEntries];
}

// The slot that holds name, or the free slot where it would go; the index must have slots.
size_t find_slot(const symtab_t& table, const std::string& name, uint64_t hash) {
    const size_t mask = table.slots.size() - 1;
    const uint64_t tag = hash & ~kEntryBits;
    for (size_t slot = (hash >> 32) & mask;; slot = (slot + 1) & mask) {
        const uint64_t held = table.slots[slot];
        if (held == 0) return slot;
        if ((held & ~kEntryBits) == tag &&
            entry_at(table, (held & kEntryBits) - 1).sym_name == name) {
            return slot;
        }
    }
}

// The number of the entry called name, or table.count when there is none.
size_t find_index(const symtab_t& table, const std::string& name) {
    if (table.count == 0) return table.count;
    const uint64_t held = table.slots[find_slot(table, name, hash_name(name))];
    return held == 0 ? table.count : (held & kEntryBits) - 1;
}

const sym_t* find_entry(const symtab_t* symTab, const std::string& name) {
    const size_t index = find_index(*symTab, name);
    return index == symTab->count ? nullptr : &entry_at(*symTab, index);
}

// Makes the index four times larger, before one more entry would fill more than three quarters
// of it: fewer rounds of growth fill less fresh memory. The tag in each slot is the upper half
// of the hash, which also gave its slot, so no name is hashed again.
void make_room_for_one_more(symtab_t* symTab) {
    const size_t size = symTab->slots.size();
    if ((symTab->count + 1) * 4 <= size * 3) return;
    std::vector<uint64_t> grown(size == 0 ? kFirstSlotCount : size * 4, 0);
    const size_t mask = grown.size() - 1;
    for (const uint64_t held : symTab->slots) {
        if (held == 0) continue;
        size_t slot = (held >> 32) & mask;
        while (grown[slot] != 0) slot = (slot + 1) & mask;
        grown[slot] = held;
    }
    symTab->slots.swap(grown);
}

// The name's first 16 bytes as two big-endian numbers, so that comparing numbers compares
// bytes; names that agree in them are compared whole.
struct NameKey {
    uint64_t head;
    uint64_t tail;
    const sym_t* entry;
};

constexpr int kKeyBytes = 16;
constexpr size_t kFewKeys = 64;  // fewer keys than this are sorted by comparison

// Built with shifts rather than through a byte buffer, whose reloading stalls.
NameKey key_of(const sym_t* entry) {
    const std::string& name = entry->sym_name;
    const size_t size = std::min<size_t>(name.size(), kKeyBytes);
    uint64_t words[2] = {0, 0};
    for (size_t i = 0; i < size; i++) {
        words[i / 8] |= uint64_t{static_cast<unsigned char>(name[i])} << (56 - 8 * (i % 8));
    }
    return {words[0], words[1], entry};
}

unsigned key_byte(const NameKey& key, int depth) {
    const uint64_t word = depth < 8 ? key.head : key.tail;
    return static_cast<unsigned>(word >> (56 - 8 * (depth % 8))) & 0xFF;
}

struct KeyLess {
    bool operator()(const NameKey& left, const NameKey& right) const {
        if (left.head != right.head) return left.head < right.head;
        if (left.tail != right.tail) return left.tail < right.tail;
        return left.entry->sym_name < right.entry->sym_name;
    }
};

// Sorts keys[0, count) whose first `depth` bytes agree, one byte at a time from there, in
// place: each key is swapped straight into its byte's bucket. A byte that all the keys share
// costs one counting walk and no move. The work grows with the number of names, not with its
// logarithm, and needs no second array.
void radix_sort(NameKey* keys, size_t count, int depth) {
    for (; depth < kKeyBytes && count >= kFewKeys; depth++) {
        size_t bucket_end[256] = {};
        for (size_t i = 0; i < count; i++) bucket_end[key_byte(keys[i], depth)]++;
        if (bucket_end[key_byte(keys[0], depth)] == count) continue;
        for (size_t b = 1; b < 256; b++) bucket_end[b] += bucket_end[b - 1];
        size_t next[256];
        next[0] = 0;
        std::copy(bucket_end, bucket_end + 255, next + 1);
        for (unsigned b = 0; b < 256; b++) {
            while (next[b] < bucket_end[b]) {
                NameKey moving = keys[next[b]];
                for (unsigned home = key_byte(moving, depth); home != b;
                     home = key_byte(moving, depth)) {
                    std::swap(moving, keys[next[home]++]);
                }
                keys[next[b]++] = moving;
            }
        }
        for (size_t b = 0, start = 0; b < 256; start = bucket_end[b++]) {
            const size_t size = bucket_end[b] - start;
            if (size > 1) radix_sort(keys + start, size, depth + 1);
        }
        return;
    }
    std::sort(keys, keys + count, KeyLess());
}

}  // namespace

symtab_t* Create_symTable() { return new symtab_t; }

sym_t Create_symItem(const std::string& name, int type, int val, int lineNum, int def_ref,
                     int curr_seg) {
    sym_t the_sym;
    the_sym.sym_name = name;
    the_sym.is_defined = static_cast<int8_t>(def_ref);
    the_sym.where_defined = static_cast<int8_t>(curr_seg);
    the_sym.type = type;
    if (def_ref == SYM_REFERENCED) {
        the_sym.val = 0;
        the_sym.lineNum = -1;
        the_sym.xref.push_back(lineNum);
    } else {
        the_sym.val = val;
        the_sym.lineNum = lineNum;
    }
    return the_sym;
}

int Add_sym_to_symTable(symtab_t* symTab, const std::string& name, int type, int val, int lineNum,
                        int def_ref, int curr_seg) {
    make_room_for_one_more(symTab);
    const uint64_t hash = hash_name(name);
    const size_t slot = find_slot(*symTab, name, hash);
    if (symTab->slots[slot] != 0) return 0;
    if (symTab->count % kSymBlockEntries == 0) {
        symTab->blocks.emplace_back();
        symTab->blocks.back().reserve(kSymBlockEntries);
    }
    symTab->blocks.back().push_back(Create_symItem(name, type, val, lineNum, def_ref, curr_seg));
    symTab->count++;
    symTab->slots[slot] = (hash & ~kEntryBits) | symTab->count;
    return 1;
}

int Add_symbol_def_to_symTab(symtab_t* symTab, const std::string& name, int val, int lineNum) {
    const size_t index = find_index(*symTab, name);
    if (index == symTab->count) return 1;
    sym_t& the_sym = entry_at(*symTab, index);
    if (the_sym.val == 0) {
        the_sym.val = val;
        the_sym.lineNum = lineNum;
        return 1;
    }
    if (the_sym.val == val) return 1;
    the_sym.val = SYM_VAL_CONFLICT;
    return SYM_VAL_CONFLICT;
}

void Add_xref_to_symTab(symtab_t* symTab, const std::string& name, int lineNum) {
    const size_t index = find_index(*symTab, name);
    if (index != symTab->count) Add_to_xrefs(&entry_at(*symTab, index), lineNum);
}

void Add_to_xrefs(sym_t* the_sym, int lineNum) { the_sym->xref.push_back(lineNum); }

int Is_symbol_in_table(const symtab_t* symTab, const std::string& symbol) {
    return find_entry(symTab, symbol) != nullptr ? 1 : 0;
}

int Is_symbol_valid_regdef(const symtab_t* symTab, const std::string& symbol, int* tmp_val) {
    const sym_t* the_sym = find_entry(symTab, symbol);
    if (the_sym == nullptr || the_sym->type != SYM_DEF) return 0;
    *tmp_val = the_sym->val;
    return 1;
}

int Is_symbol_valid_nonreg_type(const symtab_t* symTab, const std::string& symbol, int* tmp_val) {
    const sym_t* the_sym = find_entry(symTab, symbol);
    if (the_sym == nullptr || the_sym->type == SYM_DEF) return 0;
    *tmp_val = the_sym->val;
    return 1;
}

int Get_symbol_value(const symtab_t* symTab, const std::string& symbol) {
    const sym_t* the_sym = find_entry(symTab, symbol);
    return the_sym == nullptr ? -1 : the_sym->val;
}

int Get_symbol_type(const symtab_t* symTab, const std::string& symbol, int* symbol_type) {
    const sym_t* the_sym = find_entry(symTab, symbol);
    if (the_sym == nullptr) return 0;
    *symbol_type = the_sym->type;
    return 1;
}

// Sorting small keys keeps the sort in one array instead of chasing every name.
void Sort_symbols_by_name(std::vector<const sym_t*>* entries) {
    std::vector<NameKey> keys;
    keys.reserve(entries->size());
    for (const sym_t* entry : *entries) keys.push_back(key_of(entry));
    radix_sort(keys.data(), keys.size(), 0);
    for (size_t i = 0; i < keys.size(); i++) (*entries)[i] = keys[i].entry;
}

std::vector<const sym_t*> Get_symbols_in_name_order(const symtab_t* symTab) {
    std::vector<const sym_t*> entries;
    entries.reserve(symTab->count);
    for (const auto& block : symTab->blocks) {
        for (const sym_t& entry : block) entries.push_back(&entry);
    }
    Sort_symbols_by_name(&entries);
    return entries;
}

// An entry counts as undefined when it was made by a reference and never defined.
int Verify_symbol_definitions(const symtab_t* symTab, int print_info) {
    std::vector<const sym_t*> undefined;
    for (const auto& block : symTab->blocks) {
        for (const sym_t& the_sym : block) {
            if (the_sym.is_defined == SYM_REFERENCED && the_sym.lineNum == -1) {
                undefined.push_back(&the_sym);
            }
        }
    }
    if (print_info != 0) {
        Sort_symbols_by_name(&undefined);
        for (const sym_t* the_sym : undefined) {
            std::printf("\nSymbol \"%s\" not defined: ", the_sym->sym_name.c_str());
            std::printf("xref(s):");
            std::printf("\n");
        }
    }
    if (!undefined.empty()) {
        std::printf("\n");
    } else if (print_info != 0) {
        std::printf("\nAll symbols were defined\n\n");
    }
    return undefined.empty() ? 1 : 0;
}

void Delete_symbol_table(symtab_t* symTab) {
    if (symTab == nullptr) {
        std::fputs("\n ERR: tried to delete empty symbol table\n", consolefp);
        return;
    }
    delete symTab;
}

void Reset_symbols() {
    delete Symbol_Table;
    Symbol_Table = nullptr;
}
