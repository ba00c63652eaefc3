// Suggestions for a misspelt word: the mnemonics and the defined names that it is a slip away
// from, counted in edits, and the mnemonics of other processors that students bring along.
#ifndef TEVLIN_GRAMMAR_SUGGESTIONS_H_
#define TEVLIN_GRAMMAR_SUGGESTIONS_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "symbols/symbol_table.h"

/// The mnemonics that word may have been meant as, nearest first; one of ours for a mnemonic of
/// another processor that does the same.
std::vector<std::string> Near_mnemonics(std::string_view word);

// The defined names near a word, found among the names of about its length that hold about its
// characters. A run spends a bounded number of comparisons on them, so that a source of many
// undefined names among many defined ones still takes time in proportion to its length.
class NameSuggestions {
  public:
    explicit NameSuggestions(const SymbolTable& symbols) : symbols_(symbols) {}

    /// The defined names that are at most two edits away from name, register names when
    /// register_name is true and other names otherwise; empty when there is none near or the
    /// run has spent its comparisons.
    std::vector<std::string> near_names(std::string_view name, bool register_name);

  private:
    // A defined name with the bits of the characters it holds once and more than once.
    struct IndexedName {
        uint32_t number;
        uint64_t once;
        uint64_t twice;
    };

    const SymbolTable& symbols_;
    std::unordered_map<std::string, std::vector<std::string>> near_names_;
    // The defined names by their length, other names and register names, made when first
    // asked for.
    std::array<std::vector<std::vector<IndexedName>>, 2> names_by_length_;
    long comparisons_left_ = 2'000'000;
};

#endif  // TEVLIN_GRAMMAR_SUGGESTIONS_H_
