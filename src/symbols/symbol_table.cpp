// The symbol table: definitions in the first pass, references in the second, found by hash.
#include "symbols/symbol_table.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kFirstSlotCount = 64;
constexpr uint64_t kIndexBits = 0xFFFFFFFFu;  // the lower half of a slot: symbol number plus one

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
uint64_t hash_name(std::string_view name) {
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

constexpr int kKeyBytes = 16;

struct KeyLess {
    const SymbolTable& symbols;

    bool operator()(const NameKey& left, const NameKey& right) const {
        if (left.head != right.head) return left.head < right.head;
        if (left.tail != right.tail) return left.tail < right.tail;
        return symbols.symbol(left.number).name < symbols.symbol(right.number).name;
    }
};

}  // namespace

const char* Kind_word(int kind) {
    switch (kind) {
        case SYM_LABEL:
            return "label";
        case SYM_EQU:
            return "constant";
        case SYM_DEF:
            return "register name";
        default:
            return "data name";
    }
}

const Symbol& SymbolTable::symbol(uint32_t index) const { return symbols_[index]; }

// The slot that holds name, or the free slot where it would go; the index must have slots.
size_t SymbolTable::find_slot(std::string_view name, uint64_t hash) const {
    const size_t mask = slots_.size() - 1;
    const uint64_t tag = hash & ~kIndexBits;
    for (size_t slot = (hash >> 32) & mask;; slot = (slot + 1) & mask) {
        const uint64_t held = slots_[slot];
        if (held == 0) return slot;
        if ((held & ~kIndexBits) == tag &&
            symbol(static_cast<uint32_t>((held & kIndexBits) - 1)).name == name)
            return slot;
    }
}

// Makes the index four times larger, before one more symbol would fill more than three
// quarters of it: fewer rounds of growth fill less fresh memory. The tag in each slot is the
// upper half of the hash, which also gave its slot, so no name is hashed again.
void SymbolTable::make_room_for_one_more() {
    const size_t size = slots_.size();
    if ((symbols_.size() + 1) * 4 <= size * 3) return;
    std::vector<uint64_t, LargeAllocator<uint64_t>> grown(size == 0 ? kFirstSlotCount : size * 4,
                                                          0);
    const size_t mask = grown.size() - 1;
    for (const uint64_t held : slots_) {
        if (held == 0) continue;
        size_t slot = (held >> 32) & mask;
        while (grown[slot] != 0) slot = (slot + 1) & mask;
        grown[slot] = held;
    }
    slots_.swap(grown);
}

bool SymbolTable::define(std::string_view name, SymbolKind kind, int value, int line, int column) {
    make_room_for_one_more();
    const uint64_t hash = hash_name(name);
    const size_t slot = find_slot(name, hash);
    if (slots_[slot] != 0) return false;
    symbols_.push_back({std::string(name), kind, value, line, column});
    slots_[slot] = (hash & ~kIndexBits) | symbols_.size();
    return true;
}

void SymbolTable::add_reference(const Symbol& symbol, int line) {
    references_.emplace_back(static_cast<uint32_t>(&symbol - symbols_.data()), line);
}

// A counting sort by symbol number, which keeps each symbol's references in their order.
References SymbolTable::references() const {
    References grouped;
    grouped.first.assign(symbols_.size() + 1, 0);
    for (const auto& reference : references_) grouped.first[reference.first + 1]++;
    for (size_t i = 1; i < grouped.first.size(); i++) grouped.first[i] += grouped.first[i - 1];
    grouped.lines.resize(references_.size());
    std::vector<uint32_t> next(grouped.first.begin(), grouped.first.end() - 1);
    for (const auto& [number, line] : references_) grouped.lines[next[number]++] = line;
    return grouped;
}

const Symbol* SymbolTable::find(std::string_view name) const {
    if (symbols_.empty()) return nullptr;
    const uint64_t held = slots_[find_slot(name, hash_name(name))];
    return held == 0 ? nullptr : &symbol(static_cast<uint32_t>((held & kIndexBits) - 1));
}

// Built with shifts rather than through a byte buffer, whose reloading stalls.
NameKey Name_key(const Symbol& symbol, uint32_t number) {
    const std::string& name = symbol.name;
    const size_t size = std::min<size_t>(name.size(), kKeyBytes);
    uint64_t words[2] = {0, 0};
    for (size_t i = 0; i < size; i++) {
        words[i / 8] |= uint64_t{static_cast<unsigned char>(name[i])} << (56 - 8 * (i % 8));
    }
    return {words[0], words[1], number};
}

// Sorting small keys keeps the sort in one array instead of chasing every name.
void Sort_by_name(NameKeys& keys, const SymbolTable& symbols) {
    std::sort(keys.begin(), keys.end(), KeyLess{symbols});
}
