// The symbol table: definitions in the first pass, references in the second, found by hash.
#include "symbols/symbols.h"

#include <algorithm>
#include <cstring>

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

struct KeyLess {
    bool operator()(const NameKey& left, const NameKey& right) const {
        if (left.head != right.head) return left.head < right.head;
        if (left.tail != right.tail) return left.tail < right.tail;
        return left.entry->sym_name < right.entry->sym_name;
    }
};

}  // namespace

symtab_t* Create_symTable() { return new symtab_t; }

int Add_sym_to_symTable(symtab_t* symTab, const std::string& name, int type, int val, int lineNum) {
    make_room_for_one_more(symTab);
    const uint64_t hash = hash_name(name);
    const size_t slot = find_slot(*symTab, name, hash);
    if (symTab->slots[slot] != 0) return 0;
    if (symTab->count % kSymBlockEntries == 0) {
        symTab->blocks.emplace_back();
        symTab->blocks.back().reserve(kSymBlockEntries);
    }
    sym_t& the_sym = symTab->blocks.back().emplace_back();
    the_sym.sym_name = name;
    the_sym.type = type;
    the_sym.val = val;
    the_sym.lineNum = lineNum;
    symTab->count++;
    symTab->slots[slot] = (hash & ~kEntryBits) | symTab->count;
    return 1;
}

void Add_xref_to_symTab(symtab_t* symTab, const std::string& name, int lineNum) {
    const size_t index = find_index(*symTab, name);
    if (index != symTab->count) entry_at(*symTab, index).xref.push_back(lineNum);
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

// Sorting small keys keeps the sort in one array instead of chasing every name.
void Sort_symbols_by_name(std::vector<const sym_t*>* entries) {
    std::vector<NameKey> keys;
    keys.reserve(entries->size());
    for (const sym_t* entry : *entries) keys.push_back(key_of(entry));
    std::sort(keys.begin(), keys.end(), KeyLess());
    for (size_t i = 0; i < keys.size(); i++) (*entries)[i] = keys[i].entry;
}

void Delete_symbol_table(symtab_t* symTab) { delete symTab; }

void Reset_symbols() {
    delete Symbol_Table;
    Symbol_Table = nullptr;
}
