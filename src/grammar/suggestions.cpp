// Suggestions for a misspelt word: the mnemonics and the defined names that it is a slip away
// from, counted in edits, and the mnemonics of other processors that students bring along.
#include "grammar/suggestions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "isa/opcodes.h"

namespace {

constexpr size_t kMaxEdits = 2;
// The longest defined name that is offered as a suggestion.
constexpr size_t kLongestSuggested = kLabelMax + kMaxEdits;

// The characters of a name, letters, digits and underscores, which stay apart taken modulo 64:
// the bits of those it holds, and of those it holds more than once.
struct Characters {
    uint64_t once = 0;
    uint64_t twice = 0;
};

Characters characters_of(std::string_view name) {
    Characters held;
    for (const char c : name) {
        const uint64_t bit = uint64_t{1} << (static_cast<unsigned char>(c) % 64);
        held.twice |= held.once & bit;
        held.once |= bit;
    }
    return held;
}

size_t bits_set(uint64_t bits) {
    size_t count = 0;
    for (; bits != 0; bits &= bits - 1) count++;
    return count;
}

// How many characters a holds beyond b at least: each of them takes an edit.
size_t surplus(const Characters& a, const Characters& b) {
    return bits_set(a.once & ~b.once) + bits_set(a.twice & ~b.twice);
}

// The number of edits (insert, delete, replace, swap two neighbours) from a to b, or more than
// limit when it is above limit.
size_t edit_distance(std::string_view a, std::string_view b, size_t limit) {
    if (std::max(a.size(), b.size()) - std::min(a.size(), b.size()) > limit) return limit + 1;
    // What both begin and end with takes no edit.
    while (!a.empty() && !b.empty() && a.front() == b.front()) {
        a.remove_prefix(1);
        b.remove_prefix(1);
    }
    while (!a.empty() && !b.empty() && a.back() == b.back()) {
        a.remove_suffix(1);
        b.remove_suffix(1);
    }
    // Three rows of the table of edits; those of a name short enough for a suggestion fit in
    // place.
    std::array<size_t, 3 * (kLabelMax + kMaxEdits + 1)> rows_in_place;
    std::vector<size_t> rows_on_heap;
    if (3 * (b.size() + 1) > rows_in_place.size()) rows_on_heap.resize(3 * (b.size() + 1));
    size_t* before = rows_on_heap.empty() ? rows_in_place.data() : rows_on_heap.data();
    size_t* previous = before + b.size() + 1;
    size_t* current = previous + b.size() + 1;
    for (size_t j = 0; j <= b.size(); j++) previous[j] = j;
    for (size_t i = 1; i <= a.size(); i++) {
        current[0] = i;
        size_t row_least = i;
        for (size_t j = 1; j <= b.size(); j++) {
            const size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                current[j] = std::min(current[j], before[j - 2] + 1);
            }
            row_least = std::min(row_least, current[j]);
        }
        if (row_least > limit) return limit + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

// Whether a word is near enough to a candidate to be a slip: a short word is near only
// candidates it shares most of its letters with.
bool near(std::string_view word, std::string_view candidate, size_t distance) {
    return distance <= kMaxEdits && distance < std::min(word.size(), candidate.size());
}

// Keeps candidate among nearest when it is a slip away from word and no farther than the ones
// kept, least edits away; a nearer one replaces them.
void keep_if_nearest(std::string_view word, std::string_view candidate, size_t& least,
                     std::vector<std::string>& nearest) {
    const size_t distance = edit_distance(word, candidate, kMaxEdits);
    if (!near(word, candidate, distance) || distance > least) return;
    if (distance < least) nearest.clear();
    least = distance;
    nearest.emplace_back(candidate);
}

// Mnemonics of other processors that students bring along, and ours that do the same.
// clang-format off
constexpr struct { const char* other; const char* ours; } kMnemonicsElsewhere[] = {
    {"JMP", "BRN"},   {"JUMP", "BRN"},  {"GOTO", "BRN"},  {"RJMP", "BRN"},  {"B", "BRN"},
    {"JZ", "BREQ"},   {"BEQ", "BREQ"},  {"JNZ", "BRNE"},  {"BNE", "BRNE"},
    {"JC", "BRCS"},   {"BCS", "BRCS"},  {"JNC", "BRCC"},  {"BCC", "BRCC"},
    {"RCALL", "CALL"}, {"LDI", "MOV"},  {"XOR", "EXOR"},  {"EOR", "EXOR"},
    {"SHL", "LSL"},   {"SHR", "LSR"},
};
// clang-format on

}  // namespace

std::vector<std::string> Near_mnemonics(std::string_view word) {
    for (const auto& elsewhere : kMnemonicsElsewhere) {
        if (word == elsewhere.other) return {elsewhere.ours};
    }
    std::vector<std::string> nearest;
    size_t least = kMaxEdits + 1;
    for (const Mnemonic& mnemonic : kMnemonics) {
        keep_if_nearest(word, mnemonic.text, least, nearest);
    }
    return nearest;
}

std::vector<std::string> NameSuggestions::near_names(std::string_view name, bool register_name) {
    const auto known = near_names_.find(std::string(name));
    if (known != near_names_.end()) return known->second;
    std::vector<std::vector<IndexedName>>& by_length = names_by_length_[register_name ? 1 : 0];
    if (by_length.empty()) {
        by_length.resize(kLongestSuggested + 1);
        symbols_.for_each([&](const Symbol& symbol, uint32_t number) {
            if ((symbol.kind == SYM_DEF) == register_name &&
                symbol.name.size() < by_length.size()) {
                const Characters held = characters_of(symbol.name);
                by_length[symbol.name.size()].push_back({number, held.once, held.twice});
            }
        });
    }
    // The characters that the two names hold settle most pairs before their edits are counted.
    const Characters held = characters_of(name);
    std::vector<std::string> nearest;
    size_t least = kMaxEdits + 1;
    const size_t shortest = name.size() - std::min(name.size(), kMaxEdits);
    for (size_t length = shortest; length <= name.size() + kMaxEdits; length++) {
        if (length >= by_length.size()) break;
        for (const IndexedName& indexed : by_length[length]) {
            if (comparisons_left_-- <= 0) break;
            const Characters other{indexed.once, indexed.twice};
            if (std::max(surplus(held, other), surplus(other, held)) > kMaxEdits) continue;
            keep_if_nearest(name, symbols_.symbol(indexed.number).name, least, nearest);
        }
    }
    if (nearest.size() > 3) nearest.resize(3);
    near_names_.emplace(std::string(name), nearest);
    return nearest;
}
