// The details that editors show with a message: the token it is about, and notes that say how
// to mend the line, taken from one table of rules.
#ifndef TEVLIN_GRAMMAR_EXPLAIN_H_
#define TEVLIN_GRAMMAR_EXPLAIN_H_

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "diag/diagnostics.h"
#include "grammar/suggestions.h"
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

    /// The names near a misspelt one.
    NameSuggestions& suggestions() { return suggestions_; }
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
    NameSuggestions suggestions_{symbols_};
};

#endif  // TEVLIN_GRAMMAR_EXPLAIN_H_
