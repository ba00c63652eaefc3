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

struct Keyword {
    int token;
    Family family;
    int code;  // instruction code or directive code
};

// clang-format off
constexpr Keyword kKeywords[] = {
    {AND,   Family::kAlu,    INST_AND},   {OR,    Family::kAlu,    INST_OR},
    {EXOR,  Family::kAlu,    INST_EXOR},  {TEST,  Family::kAlu,    INST_TEST},
    {ADD,   Family::kAlu,    INST_ADD},   {ADDC,  Family::kAlu,    INST_ADDC},
    {SUB,   Family::kAlu,    INST_SUB},   {SUBC,  Family::kAlu,    INST_SUBC},
    {CMP,   Family::kAlu,    INST_CMP},   {MOV,   Family::kAlu,    INST_MOV},
    {LD,    Family::kMem,    INST_LD},    {ST,    Family::kMem,    INST_ST},
    {IN,    Family::kIo,     INST_IN},    {OUT,   Family::kIo,     INST_OUT},
    {BRN,   Family::kBranch, INST_BRN},   {CALL,  Family::kBranch, INST_CALL},
    {BREQ,  Family::kBranch, INST_BREQ},  {BRNE,  Family::kBranch, INST_BRNE},
    {BRCS,  Family::kBranch, INST_BRCS},  {BRCC,  Family::kBranch, INST_BRCC},
    {PUSH,  Family::kR1,     INST_PUSH},  {POP,   Family::kR1,     INST_POP},
    {WSP,   Family::kR1,     INST_WSP},   {RSP,   Family::kR1,     INST_RSP},
    {LSL,   Family::kR1,     INST_LSL},   {LSR,   Family::kR1,     INST_LSR},
    {ROL,   Family::kR1,     INST_ROL},   {ROR,   Family::kR1,     INST_ROR},
    {ASR,   Family::kR1,     INST_ASR},
    {CLC,   Family::kNa,     INST_CLC},   {SEC,   Family::kNa,     INST_SEC},
    {RET,   Family::kNa,     INST_RET},   {RETID, Family::kNa,     INST_RETID},
    {RETIE, Family::kNa,     INST_RETIE}, {SEI,   Family::kNa,     INST_SEI},
    {CLI,   Family::kNa,     INST_CLI},   {NOP,   Family::kNa,     INST_NOP},
    {CSEG,  Family::kSeg,    DIR_CSEG},   {DSEG,  Family::kSeg,    DIR_DSEG},
    {ORG,   Family::kOrg,    DIR_ORG},    {EQU,   Family::kEqu,    DIR_EQU},
    {DEF,   Family::kDef,    DIR_DEF},    {BYTE,  Family::kByte,   DIR_BYTE},
    {DB,    Family::kDb,     DIR_DB},
};
// clang-format on

constexpr int kTokenLimit = DB + 1;  // DB closes the token codes

// For each token code, the index of its keyword in kKeywords, -1 for the other tokens.
constexpr std::array<int8_t, kTokenLimit> kKeywordIndex = [] {
    std::array<int8_t, kTokenLimit> index{};
    for (int8_t& entry : index) entry = -1;
    for (size_t i = 0; i < sizeof kKeywords / sizeof kKeywords[0]; i++) {
        index[static_cast<size_t>(kKeywords[i].token)] = static_cast<int8_t>(i);
    }
    return index;
}();

const Keyword* find_keyword(int token) {
    if (token < 0 || token >= kTokenLimit) return nullptr;
    const int index = kKeywordIndex[static_cast<size_t>(token)];
    return index < 0 ? nullptr : &kKeywords[index];
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
