// The line parser: reads tokens one line at a time and runs each rule's action as soon as
// the rule is complete, before the next token is requested.
#include "grammar/parser.h"

#include <array>
#include <cstdint>

#include "diag/diag.h"
#include "driver/base/state.h"
#include "global.h"
#include "grammar/actions.h"
#include "isa/opcodes.h"
#include "scan/tokens.h"

int syntaxErrCnt = 0;

namespace {

// What a keyword token begins: a statement of family with its instruction or directive code.
struct Keyword {
    Family family;
    int code;
};

// The statement that each directive begins.
constexpr Family family_of(DirectiveCode code) {
    switch (code) {
        case DIR_CSEG:
        case DIR_DSEG:
            return Family::kSeg;
        case DIR_ORG:
            return Family::kOrg;
        case DIR_EQU:
            return Family::kEqu;
        case DIR_DEF:
            return Family::kDef;
        case DIR_BYTE:
            return Family::kByte;
        case DIR_DB:
            return Family::kDb;
    }
    return Family::kSeg;
}

// For each token code, the statement it begins; code 0 for the tokens that begin none.
constexpr std::array<Keyword, kTokenLimit> kKeywords = [] {
    std::array<Keyword, kTokenLimit> keywords{};
    for (size_t row = 0; row < kMnemonicCount; row++) {
        keywords[static_cast<size_t>(Mnemonic_token(row))] = {
            Family_of_operands(kMnemonics[row].family), kMnemonics[row].inst_type};
    }
    for (size_t row = 0; row < std::size(kDirectives); row++) {
        keywords[static_cast<size_t>(Directive_token(row))] = {family_of(kDirectives[row].code),
                                                               kDirectives[row].code};
    }
    return keywords;
}();

const Keyword* find_keyword(int token) {
    if (token < 0 || token >= kTokenLimit) return nullptr;
    const Keyword& keyword = kKeywords[static_cast<size_t>(token)];
    return keyword.code == 0 ? nullptr : &keyword;
}

// One line in progress: [SYMBOL ':'] then a keyword and its operands, or EOL.
class LineParser {
  public:
    enum class Step { kShifted, kLineDone, kRejected };

    bool at_line_start() const { return phase_ == Phase::kStart; }

    // Ready for the next line; the matcher is started afresh by the next keyword.
    void reset() {
        phase_ = Phase::kStart;
        labelled_ = false;
        keyword_ = nullptr;
    }

    Step shift(int token, const YYSTYPE& value) {
        switch (phase_) {
            case Phase::kStart:
                if (token == EOL) {
                    Empty_line_done();
                    return Step::kLineDone;
                }
                if (token == SYMBOL) {
                    label_ = value.str;
                    phase_ = Phase::kName;
                    return Step::kShifted;
                }
                return start_statement(token, false);
            case Phase::kName:
                if (token != ':') return Step::kRejected;
                Label_shifted(label_);
                phase_ = Phase::kLabelled;
                return Step::kShifted;
            case Phase::kLabelled:
                if (token == EOL) {
                    Label_line_done();
                    return Step::kLineDone;
                }
                return start_statement(token, true);
            case Phase::kOperands:
                return shift_operand(token, value);
        }
        return Step::kRejected;
    }

  private:
    enum class Phase { kStart, kName, kLabelled, kOperands };

    Step start_statement(int token, bool labelled) {
        keyword_ = find_keyword(token);
        if (keyword_ == nullptr || (labelled && !Takes_label(keyword_->family))) {
            return Step::kRejected;
        }
        labelled_ = labelled;
        if (keyword_->family == Family::kDb) Start_db_values();
        matcher_.start(keyword_->family);
        phase_ = Phase::kOperands;
        return Step::kShifted;
    }

    Step shift_operand(int token, const YYSTYPE& value) {
        const FormMatcher::Result result = matcher_.shift(token, value);
        if (result == FormMatcher::Result::kRejected) return Step::kRejected;
        if (keyword_->family == Family::kDb && token == NUM) Add_db_value(value.val);
        if (result == FormMatcher::Result::kShifted) return Step::kShifted;

        const Family family = keyword_->family;
        const int block_start = dsegAddr;
        Run_form(matcher_.row(), keyword_->code, matcher_.operands());
        if (Is_instruction_family(family)) {
            Instruction_line_done(labelled_);
        } else {
            Directive_line_done(family, labelled_, block_start);
        }
        return Step::kLineDone;
    }

    Phase phase_ = Phase::kStart;
    std::string label_;
    bool labelled_ = false;
    const Keyword* keyword_ = nullptr;
    FormMatcher matcher_;
};

// The one way out on a token that fits nowhere: note it on the line, count it, and give up
// the line so far together with the token; the next call starts afresh.
int syntax_error(LineParser& line) {
    yyerror("syntax error");
    syntaxErrCnt++;
    line.reset();
    return 1;
}

}  // namespace

int yyparse() {
    LineParser line;
    bool line_seen = false;
    for (;;) {
        const int token = yylex();
        if (token == TOK_END) {
            // A last line whose end was lost to a syntax error is still listed, with its messages.
            if (P2 != 0 && !errMsg.empty() && line.at_line_start()) {
                Empty_line_done();
                line_seen = true;
            }
            if (line_seen && line.at_line_start()) return 0;
            return syntax_error(line);
        }
        switch (line.shift(token, yylval)) {
            case LineParser::Step::kShifted:
                break;
            case LineParser::Step::kLineDone:
                line.reset();
                line_seen = true;
                break;
            case LineParser::Step::kRejected:
                return syntax_error(line);
        }
    }
}

void Reset_grammar() { syntaxErrCnt = 0; }
