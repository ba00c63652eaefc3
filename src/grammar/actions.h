// Inside the grammar: statement families, the operand-form matcher, and the actions that the
// parser runs as each part of a line is recognised.
#ifndef TEVLIN_GRAMMAR_ACTIONS_H_
#define TEVLIN_GRAMMAR_ACTIONS_H_

#include <array>
#include <string>

#include "isa/opcodes.h"
#include "scan/tokens.h"

// What a keyword begins: an instruction family (its operand forms) or a directive.
enum class Family {
    kAlu = OPS_ALU,
    kMem = OPS_MEM,
    kIo = OPS_IO,
    kBranch = OPS_BRANCH,
    kR1 = OPS_R1,
    kNa = OPS_NA,
    kSeg,
    kOrg,
    kEqu,
    kDef,
    kByte,
    kDb,
};

/// The family of the operand forms of a mnemonic.
constexpr Family Family_of_operands(OperandFamily family) { return static_cast<Family>(family); }

/// True for the six instruction families.
bool Is_instruction_family(Family family);

/// True for the statements that may follow a label: instructions, .BYTE and .DB.
bool Takes_label(Family family);

// An operand token of the line with the value the scanner gave it.
struct Operand {
    int token = 0;
    int val = 0;
    std::string str;
};

// Longest operand form, EOL included: REG ',' NUM EOL and SYMBOL '=' NUM EOL.
constexpr int kMaxFormTokens = 4;

// The operands of one line, held in place: every line of a source is parsed twice, so a heap
// list per line would cost an allocation each time.
class Operands {
  public:
    /// Appends an operand; a form holds fewer operands than tokens, so there is always room.
    void push_back(int token, const YYSTYPE& value) {
        Operand& operand = items_.at(size_++);
        operand.token = token;
        operand.val = value.val;
        operand.str.assign(value.str);
    }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const Operand& operator[](size_t i) const { return items_[i]; }
    const Operand* begin() const { return items_.data(); }
    const Operand* end() const { return items_.data() + size_; }
    /// Empties the list; the operands' texts keep their room for the next line.
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

    /// Takes the next token; on kComplete, row() is the form that the line matched.
    Result shift(int token, const YYSTYPE& value);
    /// The form that EOL completed.
    const FormRow& row() const { return *complete_; }
    /// The value-carrying tokens in line order (punctuation left out; a list keeps its first).
    const Operands& operands() const { return operands_; }

  private:
    bool extends(const FormRow& row, int token) const;
    bool continues_list(const FormRow& row, int token) const;

    Family family_ = Family::kNa;
    std::array<int, kMaxFormTokens> shifted_{};
    int count_ = 0;
    bool after_list_comma_ = false;
    const FormRow* complete_ = nullptr;
    Operands operands_;
};

/// Runs the action of a completed form: a directive in both passes, an instruction form
/// (handler or wrong-form message, leaving tmpItem) in pass 2 only.
void Run_form(const FormRow& row, int code, const Operands& operands);

/// Directive actions, run in both passes; each leaves the line's item in tmpItem in pass 2.
void Segment_directive(int code, const Operands& operands);
void Segment_argument_directive(int code, const Operands& operands);
void Org_directive(int code, const Operands& operands);
void Equ_directive(int code, const Operands& operands);
void Def_directive(int code, const Operands& operands);
void Byte_directive(int code, const Operands& operands);
void Db_directive(int code, const Operands& operands);

/// Starts the value list of a .DB line: dlist_indx = 0.
void Start_db_values();
/// Appends the low 8 bits of value to data_list_array and counts it in dlist_indx.
void Add_db_value(int value);

/// Defines name (first pass); a name already defined keeps its definition and the line gets
/// the message "Multiple definitions for label".
void Define_name(const std::string& name, int kind, int value);

/// Closes an instruction line of the second pass: takes its code address, advances
/// csegAddr and srcLineNum, clears the per-line state and the line's message.
void InstrLineAccounting();
/// Closes any other line of the second pass: advances srcLineNum, clears the per-line
/// state and the line's message; csegAddr and tmp_inst stay.
void NonInstrLineAccounting();

// Line-level actions.
/// A label has been read: pass 1 checks its length and keeps it in current_sym; pass 2
/// raises lab_flag.
void Label_shifted(const std::string& name);
/// Completes a line holding nothing but EOL.
void Empty_line_done();
/// Completes a line holding a label alone.
void Label_line_done();
/// Completes an instruction line (defining its label in pass 1).
void Instruction_line_done(bool labelled);
/// Completes a directive line; block_start is dsegAddr before the directive ran, the value
/// of a label on a .BYTE or .DB line.
void Directive_line_done(Family family, bool labelled, int block_start);

#endif  // TEVLIN_GRAMMAR_ACTIONS_H_
