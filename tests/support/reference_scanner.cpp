// The rule table of the scanner and its plain longest-match walk.
#include "support/reference_scanner.h"

#include <climits>
#include <cstdio>

#include "driver/assembler.h"
#include "driver/base/state.h"
#include "scan/reader.h"
#include "scan/tokens.h"

namespace {

// The shapes of text a rule accepts. Letters are A to Z, hex letters A to F.
enum class Pattern {
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

// In priority order: the earlier rule wins a match of equal length. The directives and the
// mnemonics come from the tables the scanner uses.
const std::vector<Rule>& rules() {
    static const std::vector<Rule> table = [] {
        std::vector<Rule> rules = {
            {Pattern::kText, "\n", EOL},
            {Pattern::kText, "\r", kSkipped},
            {Pattern::kSpaces, "", kSkipped},
        };
        for (size_t row = 0; row < std::size(kDirectives); row++) {
            const Directive& directive = kDirectives[row];
            rules.push_back(
                {directive.at_line_start_only ? Pattern::kTextAtLineStart : Pattern::kText,
                 directive.text, Directive_token(row)});
        }
        for (size_t row = 0; row < kMnemonicCount; row++) {
            rules.push_back({Pattern::kText, kMnemonics[row].text, Mnemonic_token(row)});
        }
        // clang-format off
        rules.insert(rules.end(), {
            // pattern                    text   token
            {Pattern::kRegName,          "",    REGNAME},
            {Pattern::kIndRegName,       "",    INDREGNAME},
            {Pattern::kRegDecimal,       "",    REG},
            {Pattern::kRegHex,           "",    REG},
            {Pattern::kIndRegDecimal,    "",    INDREG},
            {Pattern::kIndRegHex,        "",    INDREG},
            {Pattern::kString,           "",    STRING},
            {Pattern::kSymbol,           "",    SYMBOL},
            {Pattern::kHexNumber,        "",    NUM},
            {Pattern::kDecimalNumber,    "",    NUM},
            {Pattern::kText,             ":",   TOK_COLON},
            {Pattern::kText,             "=",   TOK_EQUALS},
            {Pattern::kText,             ",",   TOK_COMMA},
            {Pattern::kAnyChar,          "",    OTHERCHAR},
        });
        // clang-format on
        return rules;
    }();
    return table;
}

bool is_letter(char c) { return c >= 'A' && c <= 'Z'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_hex_letter(char c) { return c >= 'A' && c <= 'F'; }
bool is_letter_or_digit(char c) { return is_letter(c) || is_digit(c); }

// The number of characters of text from at on that satisfy accepts.
template <class Predicate>
size_t span(std::string_view text, size_t at, Predicate accepts) {
    size_t end = at;
    while (end < text.size() && accepts(text[end])) ++end;
    return end - at;
}

// The length of a register body at `at` (after R or "(R"), or 0 when there is none.
size_t register_body(Pattern pattern, std::string_view text, size_t at) {
    switch (pattern) {
        case Pattern::kRegName:
        case Pattern::kIndRegName:
            if (at + 1 >= text.size() || text[at] != '_' || !is_letter(text[at + 1])) return 0;
            return 2 + span(text, at + 2, is_letter_or_digit);
        case Pattern::kRegDecimal:
        case Pattern::kIndRegDecimal:
            return span(text, at, is_digit);
        default:
            return span(text, at, is_hex_letter);
    }
}

// The length of the longest text at `at` that the rule accepts; 0 when it accepts none.
size_t match_length(const Rule& rule, std::string_view text, size_t at, bool at_line_start) {
    const std::string_view rest = text.substr(at);
    switch (rule.pattern) {
        case Pattern::kTextAtLineStart:
            if (!at_line_start) return 0;
            [[fallthrough]];
        case Pattern::kText:
            return rest.substr(0, rule.text.size()) == rule.text ? rule.text.size() : 0;
        case Pattern::kSpaces:
            return span(text, at, [](char c) { return c == ' '; });
        case Pattern::kRegName:
        case Pattern::kRegDecimal:
        case Pattern::kRegHex: {
            if (rest.empty() || rest[0] != 'R') return 0;
            const size_t body = register_body(rule.pattern, text, at + 1);
            return body == 0 ? 0 : 1 + body;
        }
        case Pattern::kIndRegName:
        case Pattern::kIndRegDecimal:
        case Pattern::kIndRegHex: {
            if (rest.substr(0, 2) != "(R") return 0;
            const size_t body = register_body(rule.pattern, text, at + 2);
            return body != 0 && rest.size() > 2 + body && rest[2 + body] == ')' ? 3 + body : 0;
        }
        case Pattern::kString: {
            if (rest.empty() || rest[0] != '"') return 0;
            const size_t body = span(text, at + 1, [](char c) { return c != '"' && c != '\n'; });
            return body != 0 && rest.size() > 1 + body && rest[1 + body] == '"' ? 2 + body : 0;
        }
        case Pattern::kSymbol:
            if (rest.empty() || !is_letter(rest[0])) return 0;
            return 1 + span(text, at + 1, [](char c) { return is_letter_or_digit(c) || c == '_'; });
        case Pattern::kHexNumber: {
            if (rest.substr(0, 2) != "0X") return 0;
            const size_t digits =
                span(text, at + 2, [](char c) { return is_digit(c) || is_hex_letter(c); });
            return digits == 0 ? 0 : 2 + digits;
        }
        case Pattern::kDecimalNumber:
            return span(text, at, is_digit);
        case Pattern::kAnyChar:
            return !rest.empty() && rest[0] != '\n' ? 1 : 0;
    }
    return 0;
}

// The value of a decimal or hexadecimal digit string; INT_MAX when it does not fit an int.
int digits_value(std::string_view digits, int base) {
    long long value = 0;
    for (const char c : digits) {
        value = value * base + (is_digit(c) ? c - '0' : c - 'A' + 10);
        if (value > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(value);
}

Token token_of(const Rule& rule, std::string_view text) {
    Token token{rule.token, 0, {}};
    switch (rule.pattern) {
        case Pattern::kRegName:
        case Pattern::kString:
        case Pattern::kSymbol:
            token.str = text;
            break;
        case Pattern::kIndRegName:
            token.str = text.substr(1, text.size() - 2);
            break;
        case Pattern::kRegDecimal:
        case Pattern::kRegHex:
            token.val = digits_value(text.substr(1), rule.pattern == Pattern::kRegHex ? 16 : 10);
            break;
        case Pattern::kIndRegDecimal:
        case Pattern::kIndRegHex:
            token.val = digits_value(text.substr(2, text.size() - 3),
                                     rule.pattern == Pattern::kIndRegHex ? 16 : 10);
            break;
        case Pattern::kHexNumber:
            token.val = digits_value(text.substr(2), 16);
            break;
        case Pattern::kDecimalNumber:
            token.val = digits_value(text, 10);
            break;
        case Pattern::kAnyChar:
            token.val = static_cast<signed char>(text[0]);
            break;
        case Pattern::kText:
        case Pattern::kTextAtLineStart:
        case Pattern::kSpaces:
            break;
    }
    return token;
}

// Makes source the whole content of the reader's input, from all state at its start.
struct LoadedSource {
    explicit LoadedSource(const std::string& source) : stream(std::tmpfile()) {
        Reset_all_state();
        std::fwrite(source.data(), 1, source.size(), stream);
        std::rewind(stream);
        yyin = stream;
    }
    ~LoadedSource() {
        Reset_all_state();
        std::fclose(stream);
    }
    LoadedSource(const LoadedSource&) = delete;
    LoadedSource& operator=(const LoadedSource&) = delete;

    std::FILE* stream;
};

}  // namespace

std::vector<Token> Reference_tokens(std::string_view line) {
    std::vector<Token> tokens;
    bool at_line_start = true;
    for (size_t at = 0; at < line.size();) {
        const Rule* best = nullptr;
        size_t best_length = 0;
        for (const Rule& rule : rules()) {
            const size_t length = match_length(rule, line, at, at_line_start);
            if (length > best_length) {
                best = &rule;
                best_length = length;
            }
        }
        if (best == nullptr) break;  // only a NUL, which no prepared line holds
        at_line_start = best->token == EOL;
        if (best->token != kSkipped)
            tokens.push_back(token_of(*best, line.substr(at, best_length)));
        at += best_length;
    }
    return tokens;
}

std::vector<Token> First_pass_tokens(const std::string& source, bool by_reference) {
    const LoadedSource loaded(source);
    std::vector<Token> tokens;
    if (by_reference) {
        while (getLine() == 0) {
            const std::vector<Token> line = Reference_tokens(lexbuf);
            tokens.insert(tokens.end(), line.begin(), line.end());
        }
        return tokens;
    }
    for (int code = yylex(); code != TOK_END && P2 == 0; code = yylex()) {
        tokens.push_back({code, yylval.val, yylval.str});
    }
    return tokens;
}
