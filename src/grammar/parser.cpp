// The line parser: reads tokens one line at a time and runs each rule's action as soon as
// the rule is complete, before the next token is requested; twice over the source.
#include <array>
#include <cstdint>
#include <utility>

#include "grammar/program.h"
#include "grammar/statements.h"

namespace {

// For each token code, the statement it begins; neither mnemonic nor directive for the tokens
// that begin none.
constexpr std::array<Keyword, kTokenLimit> kKeywords = [] {
    std::array<Keyword, kTokenLimit> keywords{};
    for (size_t row = 0; row < kMnemonicCount; row++) {
        keywords[static_cast<size_t>(Mnemonic_token(row))] = {kMnemonics[row].family,
                                                              &kMnemonics[row], DirectiveCode{}};
    }
    for (size_t row = 0; row < std::size(kDirectives); row++) {
        keywords[static_cast<size_t>(Directive_token(row))] = {kDirectives[row].family, nullptr,
                                                               kDirectives[row].code};
    }
    return keywords;
}();

// One line in progress: [SYMBOL ':'] then a keyword and its operands, or EOL.
class LineParser {
  public:
    enum class Step { kShifted, kLineDone, kRejected };

    /// Runs the actions of statements; with none, it only follows the grammar.
    explicit LineParser(Statements* statements) : statements_(statements) {}

    // Ready for the next line; the matcher is started afresh by the next keyword.
    void reset() {
        phase_ = Phase::kStart;
        labelled_ = false;
        keyword_ = nullptr;
    }

    /// Takes the next token, which starts at start in the prepared line.
    Step shift(int token, const TokenValue& value, size_t start) {
        switch (phase_) {
            case Phase::kStart:
                if (token == EOL) {
                    if (statements_ != nullptr) statements_->empty_line_done();
                    return Step::kLineDone;
                }
                if (token == SYMBOL) {
                    label_ = value.text;
                    label_start_ = start;
                    phase_ = Phase::kName;
                    return Step::kShifted;
                }
                return start_statement(token, start, false);
            case Phase::kName:
                if (token != ':') return Step::kRejected;
                if (statements_ != nullptr) statements_->label_read(label_, label_start_);
                phase_ = Phase::kLabelled;
                return Step::kShifted;
            case Phase::kLabelled:
                if (token == EOL) {
                    if (statements_ != nullptr) statements_->label_line_done(label_, label_start_);
                    return Step::kLineDone;
                }
                return start_statement(token, start, true);
            case Phase::kOperands:
                return shift_operand(token, value, start);
        }
        return Step::kRejected;
    }

    /// Adds the tokens that the line could go on with to expected; with accepted_only, only
    /// those of operand forms that the language has.
    void add_expected(TokenSet& expected, bool accepted_only = false) const {
        switch (phase_) {
            case Phase::kStart:
            case Phase::kLabelled:
                expected.set(EOL);
                if (phase_ == Phase::kStart) expected.set(SYMBOL);
                for (int token = kFirstMnemonicToken; token < kTokenLimit; token++) {
                    const Keyword* keyword = Find_keyword(token);
                    if (keyword != nullptr &&
                        (phase_ == Phase::kStart || Takes_label(keyword->family))) {
                        expected.set(static_cast<size_t>(token));
                    }
                }
                break;
            case Phase::kName:
                expected.set(':');
                break;
            case Phase::kOperands:
                matcher_.add_expected(expected, accepted_only);
                break;
        }
    }

  private:
    enum class Phase { kStart, kName, kLabelled, kOperands };

    Step start_statement(int token, size_t start, bool labelled) {
        keyword_ = Find_keyword(token);
        if (keyword_ == nullptr || (labelled && !Takes_label(keyword_->family))) {
            return Step::kRejected;
        }
        labelled_ = labelled;
        keyword_start_ = start;
        if (keyword_->family == Family::kDb && statements_ != nullptr) {
            statements_->start_db_values();
        }
        matcher_.start(keyword_->family);
        phase_ = Phase::kOperands;
        return Step::kShifted;
    }

    Step shift_operand(int token, const TokenValue& value, size_t start) {
        const FormMatcher::Result result = matcher_.shift(token, value, start);
        if (result == FormMatcher::Result::kRejected) return Step::kRejected;
        if (statements_ == nullptr) return Step::kShifted;
        if (keyword_->family == Family::kDb && token == NUM)
            statements_->add_db_value(value.number);
        if (result == FormMatcher::Result::kShifted) return Step::kShifted;
        statements_->statement_done(*keyword_, keyword_start_, matcher_.row(), matcher_.operands(),
                                    labelled_ ? &label_ : nullptr, label_start_);
        return Step::kLineDone;
    }

    Statements* statements_;
    Phase phase_ = Phase::kStart;
    std::string_view label_;
    size_t label_start_ = 0;
    bool labelled_ = false;
    const Keyword* keyword_ = nullptr;
    size_t keyword_start_ = 0;
    FormMatcher matcher_;
};

// Both passes over the source. A token that fits nowhere is a syntax error: it is noted with
// the line's messages, and the line so far is given up together with the token; but a line
// end that fits nowhere still ends its line, as an empty one, so that every line keeps its
// number. Those of the second pass are reported.
class Parse {
  public:
    Parse(Scanner& scanner, Diagnostics& messages, Program& program)
        : scanner_(scanner),
          messages_(messages),
          explainer_(scanner, program.symbols),
          statements_(scanner, messages, program, explainer_) {}

    void run() {
        parse_pass();
        statements_.start_second_pass();
        explainer_.start_second_pass();
        messages_.clear_line_messages();
        scanner_.restart();
        parse_pass();
        // An empty source is a syntax error: its end comes before any line.
        if (!line_seen_) syntax_error();
    }

  private:
    void parse_pass() {
        for (int token = scanner_.next(value_); token != TOK_END; token = scanner_.next(value_)) {
            const size_t start = scanner_.token_start();
            LineParser::Step step = line_.shift(token, value_, start);
            if (step == LineParser::Step::kRejected) {
                syntax_error();
                if (token != EOL) continue;
                step = line_.shift(EOL, value_, start);  // at the start of a line: an empty line
            }
            if (step == LineParser::Step::kLineDone) {
                line_.reset();
                line_seen_ = true;
                errors_on_line_ = 0;
            }
        }
    }

    // With details wanted, a syntax error points at the token that came, and the first of a
    // line gets notes; in the first pass that line's names are remembered as never defined.
    void syntax_error() {
        const int line = statements_.line_number();
        const bool second_pass = statements_.second_pass();
        Detail detail;
        if (messages_.wants_details()) {
            Trouble trouble;
            trouble.focus = scanner_.token_start();
            trouble.first_on_line = errors_on_line_ == 0;
            if (trouble.first_on_line) line_.add_expected(trouble.expected);
            if (second_pass) detail = explainer_.explain(trouble, line);
            if (!second_pass && trouble.first_on_line) explainer_.remember_failed_line(line);
        }
        messages_.syntax_error(line, scanner_.line(), second_pass, std::move(detail));
        errors_on_line_++;
        line_.reset();
    }

    Scanner& scanner_;
    Diagnostics& messages_;
    Explainer explainer_;
    Statements statements_;
    LineParser line_{&statements_};
    TokenValue value_;
    bool line_seen_ = false;
    int errors_on_line_ = 0;  // syntax errors on the line being read
};

}  // namespace

const Keyword* Find_keyword(int token) {
    if (token < 0 || token >= kTokenLimit) return nullptr;
    const Keyword& keyword = kKeywords[static_cast<size_t>(token)];
    return keyword.mnemonic == nullptr && keyword.directive == 0 ? nullptr : &keyword;
}

bool Takes_label(Family family) {
    return Is_instruction_family(family) || family == Family::kByte || family == Family::kDb;
}

TokenSet Expected_after(const std::vector<int>& codes) {
    LineParser line(nullptr);
    const TokenValue value;
    TokenSet expected;
    for (const int code : codes) {
        if (line.shift(code, value, 0) != LineParser::Step::kShifted) return expected;
    }
    line.add_expected(expected, true);
    return expected;
}

void Assemble(Scanner& scanner, Diagnostics& messages, Program& program) {
    Parse(scanner, messages, program).run();
}
