// The details that editors show with a message: the token it is about, and notes that say how
// to mend the line, taken from one table of rules.
#ifndef TEVLIN_GRAMMAR_EXPLAIN_H_
#define TEVLIN_GRAMMAR_EXPLAIN_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "diag/diagnostics.h"
#include "scan/scanner.h"
#include "symbols/symbol_table.h"

// What a message is about.
struct Trouble {
    MessageKind kind = MessageKind::kSyntaxError;
    size_t focus = 0;           // where its token starts in the prepared line
    TokenSet expected;          // of a syntax error: the tokens the line could have gone on with
    bool first_on_line = true;  // of a syntax error: no other came before it on its line
};

// A name that a line with a syntax error would have defined.
struct FailedDefinition {
    int line = 0;
    Span span;
    std::string source;          // the line as read
    bool register_name = false;  // what a .DEF would have defined
};

class Explainer {
  public:
    Explainer(const Scanner& scanner, const SymbolTable& symbols)
        : scanner_(scanner), symbols_(symbols) {}

    /// Where trouble's token stands in the current line, numbered line, and the notes that
    /// explain it.
    Detail explain(const Trouble& trouble, int line);
    /// Remembers the names that the current line, numbered line, would have defined but for
    /// its syntax error; the first pass calls it, so that later lines may say why a name is not
    /// defined.
    void remember_failed_line(int line);
    /// Starts the second pass: lines are numbered from 1 again.
    void start_second_pass() { line_ = 0; }

    /// The defined names that are at most two edits away from name, of a register name when
    /// register is true and of any other name otherwise; empty when there is none near or
    /// the run has spent its budget for this search.
    std::vector<std::string> near_names(std::string_view name, bool register_name);

    const FailedDefinition* failed(std::string_view name) const;
    const SymbolTable& symbols() const { return symbols_; }

    // The current line: its tokens, their spans and its text.
    struct Line {
        int number = 0;
        std::string_view text;
        std::vector<LineToken> tokens;
        std::vector<Span> spans;
    };

  private:
    const Line& current_line(int line);

    const Scanner& scanner_;
    const SymbolTable& symbols_;
    Line current_;
    int line_ = 0;  // the number of the line current_ holds, 0 for none
    std::unordered_map<std::string, FailedDefinition> failed_;
    std::unordered_map<std::string, std::vector<std::string>> near_names_;
    // A defined name with the bits of the characters it holds once and more than once.
    struct IndexedName {
        uint32_t number;
        uint64_t once;
        uint64_t twice;
    };
    // The defined names by their length, other names and register names, made when first
    // asked for.
    std::array<std::vector<std::vector<IndexedName>>, 2> names_by_length_;
    // How many name comparisons the run may still spend on finding names near undefined ones.
    long comparisons_left_ = 2'000'000;
};

#endif  // TEVLIN_GRAMMAR_EXPLAIN_H_
