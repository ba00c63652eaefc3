// Scanner: turns prepared lines into tokens by the longest match over one rule table, the
// earlier rule winning a tie.
#include "scan/tokens.h"

// What the scanner builds on: the standard library and the line reader, its only input.
#include <array>
#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

#include "scan/reader.h"

YYSTYPE yylval;

namespace {

// The shapes of text a rule accepts. Letters are A to Z, hex letters A to F.
enum class Pattern : unsigned char {
    kText,             // the rule's text exactly
    kTextAtLineStart,  // the rule's text, only at the beginning of a line
    kSpaces,           // one or more spaces
    kRegName,          // R _ letter {letter | digit}
    kIndRegName,       // ( R _ letter {letter | digit} )
    kRegDecimal,       // R digit {digit}
    kRegHex,           // R hexletter {hexletter}
    kIndRegDecimal,    // ( R digit {digit} )
    kIndRegHex,        // ( R hexletter {hexletter} )
    kString,           // " one or more characters but " and newline "
    kSymbol,           // letter {letter | digit | _}
    kHexNumber,        // 0 X hexdigit {hexdigit}
    kDecimalNumber,    // digit {digit}
    kAnyChar,          // any one character but a newline
};

constexpr int kSkipped = -1;  // token of the rules whose text is dropped

struct Rule {
    Pattern pattern;
    std::string_view text;  // for kText and kTextAtLineStart
    int token;
};

// In priority order: the earlier rule wins a match of equal length.
// clang-format off
constexpr Rule kRules[] = {
    // pattern                    text      token
    {Pattern::kText,             "\n",     EOL},
    {Pattern::kText,             "\r",     kSkipped},
    {Pattern::kSpaces,           "",       kSkipped},
    {Pattern::kTextAtLineStart,  ".ORG",   ORG},
    {Pattern::kTextAtLineStart,  ".CSEG",  CSEG},
    {Pattern::kTextAtLineStart,  ".DSEG",  DSEG},
    {Pattern::kTextAtLineStart,  ".EQU",   EQU},
    {Pattern::kTextAtLineStart,  ".DEF",   DEF},
    {Pattern::kText,             ".BYTE",  BYTE},
    {Pattern::kText,             ".DB",    DB},
    {Pattern::kText,             "LSL",    LSL},
    {Pattern::kText,             "LSR",    LSR},
    {Pattern::kText,             "ROL",    ROL},
    {Pattern::kText,             "ROR",    ROR},
    {Pattern::kText,             "ASR",    ASR},
    {Pattern::kText,             "PUSH",   PUSH},
    {Pattern::kText,             "POP",    POP},
    {Pattern::kText,             "WSP",    WSP},
    {Pattern::kText,             "RSP",    RSP},
    {Pattern::kText,             "BRN",    BRN},
    {Pattern::kText,             "CALL",   CALL},
    {Pattern::kText,             "BREQ",   BREQ},
    {Pattern::kText,             "BRNE",   BRNE},
    {Pattern::kText,             "BRCS",   BRCS},
    {Pattern::kText,             "BRCC",   BRCC},
    {Pattern::kText,             "CLC",    CLC},
    {Pattern::kText,             "SEC",    SEC},
    {Pattern::kText,             "RET",    RET},
    {Pattern::kText,             "RETID",  RETID},
    {Pattern::kText,             "RETIE",  RETIE},
    {Pattern::kText,             "SEI",    SEI},
    {Pattern::kText,             "CLI",    CLI},
    {Pattern::kText,             "NOP",    NOP},
    {Pattern::kText,             "AND",    AND},
    {Pattern::kText,             "OR",     OR},
    {Pattern::kText,             "EXOR",   EXOR},
    {Pattern::kText,             "TEST",   TEST},
    {Pattern::kText,             "ADD",    ADD},
    {Pattern::kText,             "ADDC",   ADDC},
    {Pattern::kText,             "SUB",    SUB},
    {Pattern::kText,             "SUBC",   SUBC},
    {Pattern::kText,             "CMP",    CMP},
    {Pattern::kText,             "MOV",    MOV},
    {Pattern::kText,             "LD",     LD},
    {Pattern::kText,             "ST",     ST},
    {Pattern::kText,             "IN",     IN},
    {Pattern::kText,             "OUT",    OUT},
    {Pattern::kRegName,          "",       REGNAME},
    {Pattern::kIndRegName,       "",       INDREGNAME},
    {Pattern::kRegDecimal,       "",       REG},
    {Pattern::kRegHex,           "",       REG},
    {Pattern::kIndRegDecimal,    "",       INDREG},
    {Pattern::kIndRegHex,        "",       INDREG},
    {Pattern::kString,           "",       STRING},
    {Pattern::kSymbol,           "",       SYMBOL},
    {Pattern::kHexNumber,        "",       NUM},
    {Pattern::kDecimalNumber,    "",       NUM},
    {Pattern::kText,             ":",      TOK_COLON},
    {Pattern::kText,             "=",      TOK_EQUALS},
    {Pattern::kText,             ",",      TOK_COMMA},
    {Pattern::kAnyChar,          "",       OTHERCHAR},
};
// clang-format on
constexpr size_t kRuleCount = sizeof kRules / sizeof kRules[0];
static_assert(kRuleCount == 61, "one entry per scanner rule");
static_assert(kRuleCount <= 256, "rule indexes are kept in bytes");

// name                          start value  meaning
std::string line;           // ""     the prepared line being scanned
size_t pos = 0;             // 0      index in line of the next character to scan
bool at_line_start = true;  // true   beginning-of-line condition of the directives
bool input_ended = false;   // false  yywrap has ended the input

constexpr int kChunk = 512;  // room offered to my_input per call

bool is_letter(char c) { return c >= 'A' && c <= 'Z'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_hex_letter(char c) { return c >= 'A' && c <= 'F'; }
bool is_hex_digit(char c) { return is_digit(c) || is_hex_letter(c); }
bool is_letter_or_digit(char c) { return is_letter(c) || is_digit(c); }
bool is_symbol_char(char c) { return is_letter_or_digit(c) || c == '_'; }
bool is_string_char(char c) { return c != '"' && c != '\n'; }

// Number of characters from p on that satisfy accepts.
template <class Predicate>
size_t span(const char* p, const char* end, Predicate accepts) {
    const char* q = p;
    while (q < end && accepts(*q)) ++q;
    return static_cast<size_t>(q - p);
}

// Length of a register body after its R (name, decimal digits or hex letters); 0 if none.
size_t register_body_length(Pattern pattern, const char* p, const char* end) {
    switch (pattern) {
        case Pattern::kRegName:
        case Pattern::kIndRegName:
            if (end - p < 2 || p[0] != '_' || !is_letter(p[1])) return 0;
            return 2 + span(p + 2, end, is_letter_or_digit);
        case Pattern::kRegDecimal:
        case Pattern::kIndRegDecimal:
            return span(p, end, is_digit);
        default:
            return span(p, end, is_hex_letter);
    }
}

// Length of the longest text at p that the rule accepts; 0 when it accepts none.
size_t match_length(const Rule& rule, const char* p, const char* end) {
    const size_t available = static_cast<size_t>(end - p);
    switch (rule.pattern) {
        case Pattern::kTextAtLineStart:
            if (!at_line_start) return 0;
            [[fallthrough]];
        case Pattern::kText:
            if (available < rule.text.size()) return 0;
            for (size_t i = 0; i < rule.text.size(); ++i) {
                if (p[i] != rule.text[i]) return 0;
            }
            return rule.text.size();
        case Pattern::kSpaces:
            return span(p, end, [](char c) { return c == ' '; });
        case Pattern::kRegName:
        case Pattern::kRegDecimal:
        case Pattern::kRegHex: {
            if (available < 2 || p[0] != 'R') return 0;
            const size_t body = register_body_length(rule.pattern, p + 1, end);
            return body == 0 ? 0 : 1 + body;
        }
        case Pattern::kIndRegName:
        case Pattern::kIndRegDecimal:
        case Pattern::kIndRegHex: {
            if (available < 4 || p[0] != '(' || p[1] != 'R') return 0;
            const size_t body = register_body_length(rule.pattern, p + 2, end);
            if (body == 0 || 2 + body >= available || p[2 + body] != ')') return 0;
            return 3 + body;
        }
        case Pattern::kString: {
            if (available < 3 || p[0] != '"') return 0;
            const size_t body = span(p + 1, end, is_string_char);
            if (body == 0 || 1 + body >= available || p[1 + body] != '"') return 0;
            return 2 + body;
        }
        case Pattern::kSymbol:
            return is_letter(p[0]) ? 1 + span(p + 1, end, is_symbol_char) : 0;
        case Pattern::kHexNumber: {
            if (available < 3 || p[0] != '0' || p[1] != 'X') return 0;
            const size_t digits = span(p + 2, end, is_hex_digit);
            return digits == 0 ? 0 : 2 + digits;
        }
        case Pattern::kDecimalNumber:
            return span(p, end, is_digit);
        case Pattern::kAnyChar:
            return p[0] != '\n' ? 1 : 0;
    }
    return 0;
}

// Whether the rule can accept a text that begins with c.
bool can_start_with(const Rule& rule, char c) {
    switch (rule.pattern) {
        case Pattern::kText:
        case Pattern::kTextAtLineStart:
            return c == rule.text[0];
        case Pattern::kSpaces:
            return c == ' ';
        case Pattern::kRegName:
        case Pattern::kRegDecimal:
        case Pattern::kRegHex:
            return c == 'R';
        case Pattern::kIndRegName:
        case Pattern::kIndRegDecimal:
        case Pattern::kIndRegHex:
            return c == '(';
        case Pattern::kString:
            return c == '"';
        case Pattern::kSymbol:
            return is_letter(c);
        case Pattern::kHexNumber:
            return c == '0';
        case Pattern::kDecimalNumber:
            return is_digit(c);
        case Pattern::kAnyChar:
            return c != '\n';
    }
    return false;
}

// Longest text the rule can accept, SIZE_MAX for no bound.
size_t longest_possible_match(const Rule& rule) {
    switch (rule.pattern) {
        case Pattern::kText:
        case Pattern::kTextAtLineStart:
            return rule.text.size();
        case Pattern::kAnyChar:
            return 1;
        default:
            return SIZE_MAX;
    }
}

struct Candidate {
    unsigned char rule;  // index in kRules
    size_t longest;      // longest_possible_match of the rule
};
using Candidates = std::vector<Candidate>;

// For each first character, the rules that can match there, in priority order; this keeps
// the work per token independent of the number of rules.
const std::array<Candidates, 256>& rules_by_first_char() {
    static const std::array<Candidates, 256> table = [] {
        std::array<Candidates, 256> candidates;
        for (size_t c = 0; c < candidates.size(); ++c) {
            for (size_t r = 0; r < kRuleCount; ++r) {
                if (can_start_with(kRules[r], static_cast<char>(c))) {
                    candidates[c].push_back(
                        {static_cast<unsigned char>(r), longest_possible_match(kRules[r])});
                }
            }
        }
        return candidates;
    }();
    return table;
}

// Value of a decimal or hexadecimal digit string; INT_MAX when it does not fit an int.
int digits_value(std::string_view digits, int base) {
    long long value = 0;
    for (const char c : digits) {
        value = value * base + (is_digit(c) ? c - '0' : c - 'A' + 10);
        if (value > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(value);
}

// Sets yylval for a token of the given pattern and text.
void set_value(Pattern pattern, std::string_view text) {
    yylval.val = 0;
    yylval.str.clear();
    switch (pattern) {
        case Pattern::kRegName:
        case Pattern::kString:
        case Pattern::kSymbol:
            yylval.str.assign(text);
            break;
        case Pattern::kIndRegName:
            yylval.str.assign(text.substr(1, text.size() - 2));
            break;
        case Pattern::kRegDecimal:
            yylval.val = digits_value(text.substr(1), 10);
            break;
        case Pattern::kRegHex:
            yylval.val = digits_value(text.substr(1), 16);
            break;
        case Pattern::kIndRegDecimal:
            yylval.val = digits_value(text.substr(2, text.size() - 3), 10);
            break;
        case Pattern::kIndRegHex:
            yylval.val = digits_value(text.substr(2, text.size() - 3), 16);
            break;
        case Pattern::kHexNumber:
            yylval.val = digits_value(text.substr(2), 16);
            break;
        case Pattern::kDecimalNumber:
            yylval.val = digits_value(text, 10);
            break;
        case Pattern::kAnyChar:
            yylval.val = static_cast<signed char>(text[0]);
            break;
        case Pattern::kText:
        case Pattern::kTextAtLineStart:
        case Pattern::kSpaces:
            break;
    }
}

// Takes the next prepared line, whole, from my_input; false when the input has run dry.
bool load_line() {
    line.clear();
    pos = 0;
    char chunk[kChunk];
    while (line.empty() || line.back() != '\n') {
        const int count = my_input(chunk, kChunk);
        if (count == 0) break;
        line.append(chunk, static_cast<size_t>(count));
    }
    return !line.empty();
}

}  // namespace

int yylex() {
    const std::array<Candidates, 256>& candidates = rules_by_first_char();
    while (!input_ended) {
        if (pos == line.size() && !load_line()) {
            if (yywrap() != 0) {
                input_ended = true;
            } else {
                at_line_start = true;  // the second pass starts from line 1
            }
            continue;
        }
        const char* start = line.data() + pos;
        const char* end = line.data() + line.size();
        // Every character starts a match of at least one rule: a newline the first, any
        // other the last.
        size_t best = 0;
        size_t best_length = 0;
        for (const Candidate& candidate : candidates[static_cast<unsigned char>(*start)]) {
            // A later rule wins only with a longer match.
            if (candidate.longest <= best_length) continue;
            const size_t length = match_length(kRules[candidate.rule], start, end);
            if (length > best_length) {
                best = candidate.rule;
                best_length = length;
            }
        }
        const Rule& rule = kRules[best];
        pos += best_length;
        at_line_start = rule.token == EOL;
        if (rule.token == kSkipped) continue;
        set_value(rule.pattern, std::string_view(start, best_length));
        return rule.token;
    }
    yylval.val = 0;
    yylval.str.clear();
    return TOK_END;
}

bool Scanner_input_ended() { return input_ended; }

void Reset_scanner() {
    line.clear();
    pos = 0;
    at_line_start = true;
    input_ended = false;
    yylval.val = 0;
    yylval.str.clear();
}
