// Inside the grammar: what a keyword begins, the operand-form matcher, and the statement
// actions that the parser runs as each line is recognised, in each pass.
#ifndef TEVLIN_GRAMMAR_STATEMENTS_H_
#define TEVLIN_GRAMMAR_STATEMENTS_H_

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "diag/diagnostics.h"
#include "grammar/explain.h"
#include "grammar/program.h"
#include "isa/opcodes.h"
#include "items/items.h"
#include "scan/scanner.h"

// What a keyword token begins: a statement of a family, with its mnemonic or directive.
struct Keyword {
    Family family;
    const Mnemonic* mnemonic;  // null for a directive
    DirectiveCode directive;   // 0 for a mnemonic
};

/// The keyword that token is, or null.
const Keyword* Find_keyword(int token);

/// True for the statements that may follow a label: instructions, .BYTE and .DB.
bool Takes_label(Family family);

/// The forms of the statement that keyword begins, as one writes them: "`ADD rX, rY` or
/// `ADD rX, value`".
std::string Written_forms(const Keyword& keyword);

// An operand token of the line with the value the scanner gave it and where it starts in the
// prepared line.
struct Operand {
    int token = 0;
    int number = 0;
    std::string_view text;
    size_t start = 0;
};

// Longest operand form, EOL included: REG ',' NUM EOL and SYMBOL '=' NUM EOL.
constexpr int kMaxFormTokens = 4;

// The operands of one line, held in place: every line of a source is parsed twice, so a heap
// list per line would cost an allocation each time.
class Operands {
  public:
    /// Appends an operand; a form holds fewer operands than tokens, so there is always room.
    void push_back(int token, const TokenValue& value, size_t start) {
        Operand& operand = items_.at(size_++);
        operand.token = token;
        operand.number = value.number;
        operand.text = value.text;
        operand.start = start;
    }
    size_t size() const { return size_; }
    const Operand& operator[](size_t i) const { return items_[i]; }
    const Operand* begin() const { return items_.data(); }
    const Operand* end() const { return items_.data() + size_; }
    /// Empties the list.
    void clear() { size_ = 0; }

  private:
    std::array<Operand, kMaxFormTokens> items_;
    size_t size_ = 0;
};

struct FormRow;

// Matches the tokens after a keyword against the operand forms of its family: a token that
// extends no form's prefix is refused; EOL completes exactly one form.
class FormMatcher {
  public:
    enum class Result { kRejected, kShifted, kComplete };

    /// Starts matching the operands of a statement of family.
    void start(Family family);

    /// Takes the next token, which starts at start in the prepared line; on kComplete, row() is
    /// the form that the line matched.
    Result shift(int token, const TokenValue& value, size_t start);
    /// Adds the tokens that would extend a form to expected; with accepted_only, only forms
    /// that the language has, not those that are reported as wrong.
    void add_expected(TokenSet& expected, bool accepted_only = false) const;
    /// The form that EOL completed.
    const FormRow& row() const { return *complete_; }
    /// The value-carrying tokens in line order (punctuation left out; a list keeps its first).
    const Operands& operands() const { return operands_; }

  private:
    bool extends(const FormRow& row, int token) const;
    bool continues_list(const FormRow& row, int token) const;

    Family family_ = Family::kNoOperand;
    std::array<int, kMaxFormTokens> shifted_{};
    int count_ = 0;
    bool after_list_comma_ = false;
    const FormRow* complete_ = nullptr;
    Operands operands_;
};

// Where the pass has got to.
struct Position {
    bool second_pass = false;
    int line = 1;  // the number of the line being assembled
    int code_address = 0;
    int data_address = 0;
    Segment segment = SEG_CODE;
};

// The statement actions. In the first pass they define names and advance the addresses; in
// the second they check every statement, encode the instructions, fill data memory and give
// each line its item, with the line's messages.
class Statements {
  public:
    Statements(const Scanner& scanner, Diagnostics& messages, Program& program,
               Explainer& explainer)
        : scanner_(scanner), messages_(messages), program_(program), explainer_(explainer) {}

    /// Starts the second pass: addresses, line number and segment as at the start.
    void start_second_pass();
    bool second_pass() const { return position_.second_pass; }
    /// The number of the line being assembled.
    int line_number() const { return position_.line; }

    /// A label that starts at label_start in the prepared line has been read; the first pass
    /// checks its length.
    void label_read(std::string_view label, size_t label_start);
    /// Completes a line holding nothing but its end.
    void empty_line_done();
    /// Completes a line holding a label alone.
    void label_line_done(std::string_view label, size_t label_start);
    /// Runs the statement of a completed form, whose keyword starts at keyword_start, and
    /// completes its line; label is null when the line has none.
    void statement_done(const Keyword& keyword, size_t keyword_start, const FormRow& form,
                        const Operands& operands, const std::string_view* label,
                        size_t label_start);

    /// Starts the values of a .DB line.
    void start_db_values() { db_count_ = 0; }
    /// Adds a value of a .DB line: its low 8 bits, kept while data memory has room for them.
    void add_db_value(int value);

    // The directive actions, run in both passes; each returns the fields of its line's item.
    ItemFields segment(DirectiveCode code, const Operands& operands);
    ItemFields segment_with_argument(DirectiveCode code, const Operands& operands);
    ItemFields org(DirectiveCode code, const Operands& operands);
    ItemFields equ(DirectiveCode code, const Operands& operands);
    ItemFields def(DirectiveCode code, const Operands& operands);
    ItemFields byte(DirectiveCode code, const Operands& operands);
    ItemFields db(DirectiveCode code, const Operands& operands);

  private:
    /// Reports message, of kind, about the token that starts at focus in the prepared line.
    void error(MessageKind kind, const std::string& message, size_t focus);
    void define(std::string_view name, SymbolKind kind, int value, size_t focus);
    void complete_line(const ItemFields& fields, bool labelled, bool instruction);

    // The actions of a completed form (in forms.cpp): a directive's in both passes, an
    // instruction's in the second.
    ItemFields directive(const FormRow& form, DirectiveCode code, const Operands& operands);
    ItemFields instruction(const FormRow& form, const Mnemonic& mnemonic, const Operands& operands);

    // The checks and encoding of an instruction (in instructions.cpp).
    ItemFields encode(const Mnemonic& mnemonic, InstFormat format, const Operands& operands,
                      int first, int second);
    ItemFields wrong_form(MessageKind kind, const Mnemonic& mnemonic, const std::string& reason,
                          size_t focus);
    bool check_placement();

    // Whether a block of count bytes from the data address stays inside data memory.
    bool block_fits(int count) const;
    void advance_data_address(int count);

    const Scanner& scanner_;
    Diagnostics& messages_;
    Program& program_;
    Explainer& explainer_;
    Position position_;
    size_t keyword_start_ = 0;  // where the keyword of the line being completed starts
    std::array<uint8_t, kDataBytes> db_values_{};
    unsigned int db_count_ = 0;  // values of the .DB line, those beyond db_values_ included
};

#endif  // TEVLIN_GRAMMAR_STATEMENTS_H_
