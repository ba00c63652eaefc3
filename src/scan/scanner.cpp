// Scanner: turns prepared lines into tokens, reading them in place in the reader's buffer.
// The longest match wins and the earlier rule wins a tie; the first character of a token
// decides which rules can match at all.
#include "scan/scanner.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <utility>

namespace {

// The rules, in priority order (an earlier rule wins a match of equal length):
//   newline                                          EOL
//   carriage return; one or more spaces              skipped
//   .ORG .CSEG .DSEG .EQU .DEF                       at the beginning of a line only
//   .BYTE .DB                                        anywhere (the rows of kDirectives)
//   the mnemonics of kMnemonics                      spelt exactly
//   R _ letter {letter | digit}                      REGNAME
//   ( R _ letter {letter | digit} )                  INDREGNAME
//   R digit {digit}; R hexletter {hexletter}         REG
//   ( R digit {digit} ); ( R hexletter {hexletter} ) INDREG
//   " one or more characters but " and newline "     STRING
//   letter {letter | digit | _}                      SYMBOL
//   0 X hexdigit {hexdigit}; digit {digit}           NUM
//   : = ,                                            the character itself
//   any other character but a newline                OTHERCHAR
// Letters are A to Z, hex letters A to F.

// No directive is a prefix of another, so at most one matches at a time and the table order
// alone settles priority.
constexpr bool directives_prefix_free() {
    for (const Directive& a : kDirectives) {
        for (const Directive& b : kDirectives) {
            const std::string_view shorter = a.text;
            const std::string_view longer = b.text;
            if (shorter != longer && longer.substr(0, shorter.size()) == shorter) return false;
        }
    }
    return true;
}
static_assert(directives_prefix_free(), "a directive that is a prefix of another");

// Longest mnemonic; longer words need no lookup.
constexpr size_t longest_mnemonic() {
    size_t longest = 0;
    for (const Mnemonic& mnemonic : kMnemonics) {
        longest = std::max(longest, std::string_view(mnemonic.text).size());
    }
    return longest;
}
constexpr size_t kLongestMnemonic = longest_mnemonic();
static_assert(kLongestMnemonic <= sizeof(uint64_t), "a mnemonic packs into one key");

// A word of at most eight characters as one number, its first character lowest.
constexpr uint64_t pack_word(std::string_view word) {
    uint64_t key = 0;
    for (size_t i = 0; i < word.size(); ++i) {
        key |= uint64_t{static_cast<unsigned char>(word[i])} << (8 * i);
    }
    return key;
}

// The mnemonics by packed key in an open-addressed table: slot value 0 is free, any other is
// an index in kMnemonics plus one.
constexpr size_t kMnemonicSlotBits = 7;
constexpr size_t kMnemonicSlots = size_t{1} << kMnemonicSlotBits;
static_assert(kMnemonicCount < kMnemonicSlots / 2, "the mnemonic table stays sparse");

constexpr size_t mnemonic_slot(uint64_t key) {
    return static_cast<size_t>((key * 0x9E3779B97F4A7C15u) >> (64 - kMnemonicSlotBits));
}

constexpr std::array<unsigned char, kMnemonicSlots> make_mnemonic_slots() {
    std::array<unsigned char, kMnemonicSlots> slots{};
    for (size_t i = 0; i < kMnemonicCount; ++i) {
        size_t slot = mnemonic_slot(pack_word(kMnemonics[i].text));
        while (slots[slot] != 0) slot = (slot + 1) % kMnemonicSlots;
        slots[slot] = static_cast<unsigned char>(i + 1);
    }
    return slots;
}
constexpr std::array<unsigned char, kMnemonicSlots> kMnemonicSlotTable = make_mnemonic_slots();

// The token of the mnemonic spelt as word, or 0 when it is none.
int mnemonic_token(std::string_view word) {
    if (word.size() > kLongestMnemonic) return 0;
    const uint64_t key = pack_word(word);
    for (size_t slot = mnemonic_slot(key); kMnemonicSlotTable[slot] != 0;
         slot = (slot + 1) % kMnemonicSlots) {
        const size_t row = kMnemonicSlotTable[slot] - 1;
        if (kMnemonics[row].text == word) return Mnemonic_token(row);
    }
    return 0;
}

// Classes of the characters that make up words and numbers.
enum CharClass : unsigned char {
    kLetter = 1,     // A to Z
    kDigit = 2,      // 0 to 9
    kHexLetter = 4,  // A to F
    kUnderscore = 8,
};

constexpr std::array<unsigned char, 256> make_char_classes() {
    std::array<unsigned char, 256> classes{};
    for (int c = 'A'; c <= 'Z'; ++c) classes[static_cast<size_t>(c)] |= kLetter;
    for (int c = 'A'; c <= 'F'; ++c) classes[static_cast<size_t>(c)] |= kHexLetter;
    for (int c = '0'; c <= '9'; ++c) classes[static_cast<size_t>(c)] |= kDigit;
    classes['_'] |= kUnderscore;
    return classes;
}
constexpr std::array<unsigned char, 256> kCharClasses = make_char_classes();

bool in_class(char c, unsigned classes) {
    return (kCharClasses[static_cast<unsigned char>(c)] & classes) != 0;
}
bool is_letter(char c) { return in_class(c, kLetter); }
bool is_digit(char c) { return in_class(c, kDigit); }
bool is_hex_letter(char c) { return in_class(c, kHexLetter); }
bool is_hex_digit(char c) { return in_class(c, kDigit | kHexLetter); }
bool is_letter_or_digit(char c) { return in_class(c, kLetter | kDigit); }
bool is_symbol_char(char c) { return in_class(c, kLetter | kDigit | kUnderscore); }
bool is_string_char(char c) { return c != '"' && c != '\n'; }
bool is_blank(char c) { return c == ' ' || c == '\r'; }

// What the first character of a token allows.
enum class Start : unsigned char {
    kOther,   // only OTHERCHAR
    kLetter,  // a mnemonic, register, register name or symbol
    kDigit,   // a number
    kNewline,
    kBlank,  // a space or carriage return, skipped
    kColon,
    kEquals,
    kComma,
    kParenthesis,  // an indirect register, or OTHERCHAR
    kQuote,        // a string, or OTHERCHAR
    kDot,          // a directive, or OTHERCHAR
    kLineUsedUp,   // the NUL behind the line
};

constexpr std::array<Start, 256> make_starts() {
    std::array<Start, 256> starts{};
    for (int c = 'A'; c <= 'Z'; ++c) starts[static_cast<size_t>(c)] = Start::kLetter;
    for (int c = '0'; c <= '9'; ++c) starts[static_cast<size_t>(c)] = Start::kDigit;
    starts['\n'] = Start::kNewline;
    starts[' '] = Start::kBlank;
    starts['\r'] = Start::kBlank;
    starts[':'] = Start::kColon;
    starts['='] = Start::kEquals;
    starts[','] = Start::kComma;
    starts['('] = Start::kParenthesis;
    starts['"'] = Start::kQuote;
    starts['.'] = Start::kDot;
    starts['\0'] = Start::kLineUsedUp;
    return starts;
}
constexpr std::array<Start, 256> kStarts = make_starts();

Start start_of(char c) { return kStarts[static_cast<unsigned char>(c)]; }

// The first character from p on that accepts refuses. Every line ends in a newline, which
// none of the predicates here accepts, so no bound is needed.
template <class Predicate>
const char* skip(const char* p, Predicate accepts) {
    while (accepts(*p)) ++p;
    return p;
}

// The length of the prefix at p that matches text up to its NUL, or 0 when it does not all
// match; the NUL after a line stops the comparison.
size_t prefix_length(const char* p, const char* text) {
    size_t i = 0;
    for (; text[i] != '\0'; ++i) {
        if (p[i] != text[i]) return 0;
    }
    return i;
}

// Whether every character of text satisfies accepts.
template <class Predicate>
bool all_of(std::string_view text, Predicate accepts) {
    for (const char c : text) {
        if (!accepts(c)) return false;
    }
    return true;
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

// What a register body after its R (or "(R") is: a name, decimal digits or hex letters.
enum class RegisterBody { kNone, kName, kDecimal, kHex };

RegisterBody register_body(std::string_view body) {
    if (body.empty()) return RegisterBody::kNone;
    if (body.size() >= 2 && body[0] == '_' && is_letter(body[1]) &&
        all_of(body.substr(2), is_letter_or_digit)) {
        return RegisterBody::kName;
    }
    if (all_of(body, is_digit)) return RegisterBody::kDecimal;
    if (all_of(body, is_hex_letter)) return RegisterBody::kHex;
    return RegisterBody::kNone;
}

// A word of symbol characters: a mnemonic, a register or register name, or a symbol. All of
// these rules accept only symbol characters, so the whole word is the longest match and the
// earliest rule that accepts all of it wins.
__attribute__((always_inline)) inline int word_token(std::string_view word, TokenValue& value) {
    const int mnemonic = mnemonic_token(word);
    if (mnemonic != 0) return mnemonic;
    if (word[0] == 'R') {
        const std::string_view body = word.substr(1);
        switch (register_body(body)) {
            case RegisterBody::kName:
                value.text = word;
                return REGNAME;
            case RegisterBody::kDecimal:
                value.number = digits_value(body, 10);
                return REG;
            case RegisterBody::kHex:
                value.number = digits_value(body, 16);
                return REG;
            case RegisterBody::kNone:
                break;
        }
    }
    value.text = word;
    return SYMBOL;
}

// The text at p is a token of the given start; sets end past it and value, and returns its
// token. Some directives count only at the start of a line.
// Inlined into the scanner's loop, where most of the run's time goes.
__attribute__((always_inline)) inline int token_at(Start start, const char* p, bool at_line_start,
                                                   const char** end, TokenValue& value) {
    *end = p + 1;
    switch (start) {
        case Start::kLetter:
            *end = skip(p + 1, is_symbol_char);
            return word_token(std::string_view(p, static_cast<size_t>(*end - p)), value);
        case Start::kDigit:
            if (p[0] == '0' && p[1] == 'X' && is_hex_digit(p[2])) {
                *end = skip(p + 2, is_hex_digit);
                value.number =
                    digits_value(std::string_view(p + 2, static_cast<size_t>(*end - p - 2)), 16);
            } else {
                *end = skip(p, is_digit);
                value.number = digits_value(std::string_view(p, static_cast<size_t>(*end - p)), 10);
            }
            return NUM;
        case Start::kNewline:
            return EOL;
        case Start::kColon:
            return TOK_COLON;
        case Start::kEquals:
            return TOK_EQUALS;
        case Start::kComma:
            return TOK_COMMA;
        case Start::kParenthesis:
            // "(R", a register body, ")"; what the body may hold is what follows an R alone.
            if (p[1] == 'R') {
                const char* closing = skip(p + 2, is_symbol_char);
                const std::string_view body(p + 2, static_cast<size_t>(closing - p - 2));
                const RegisterBody kind =
                    *closing == ')' ? register_body(body) : RegisterBody::kNone;
                if (kind != RegisterBody::kNone) {
                    *end = closing + 1;
                    if (kind == RegisterBody::kName) {
                        value.text = std::string_view(p + 1, body.size() + 1);
                        return INDREGNAME;
                    }
                    value.number = digits_value(body, kind == RegisterBody::kDecimal ? 10 : 16);
                    return INDREG;
                }
            }
            break;
        case Start::kQuote: {
            const char* closing = skip(p + 1, is_string_char);
            if (closing > p + 1 && *closing == '"') {
                *end = closing + 1;
                value.text = std::string_view(p, static_cast<size_t>(*end - p));
                return STRING;
            }
            break;
        }
        case Start::kDot:
            for (size_t row = 0; row < std::size(kDirectives); row++) {
                const Directive& directive = kDirectives[row];
                if (p[1] != directive.text[1]) continue;
                const size_t length = prefix_length(p, directive.text);
                if (length != 0 && (at_line_start || !directive.at_line_start_only)) {
                    *end = p + length;
                    return Directive_token(row);
                }
            }
            break;
        case Start::kOther:
        case Start::kBlank:
        case Start::kLineUsedUp:
            break;
    }
    value.number = static_cast<signed char>(*p);
    return OTHERCHAR;
}

}  // namespace

int Scanner::next(TokenValue& value) {
    value.number = 0;
    value.text = {};
    for (;;) {
        const char* const line = reader_.prepared();
        const char* p = line + position_;
        Start start = start_of(*p);
        if (start == Start::kBlank) {
            p = skip(p + 1, is_blank);
            at_line_start_ = false;
            start = start_of(*p);
        }
        if (start == Start::kLineUsedUp) {
            if (ended_ || !reader_.next_line()) {
                ended_ = true;
                position_ = 0;
                return TOK_END;
            }
            position_ = 0;
            continue;
        }
        const char* end = nullptr;
        const int token = token_at(start, p, at_line_start_, &end, value);
        token_start_ = static_cast<size_t>(p - line);
        position_ = static_cast<size_t>(end - line);
        at_line_start_ = token == EOL;
        if (kept_tokens_ != nullptr) {
            kept_tokens_->push_back({line_, span_of(token_start_, position_), token, value.number});
            line_ += token == EOL ? 1 : 0;
        }
        return token;
    }
}

Span Scanner::span_of(size_t start, size_t end) const {
    if (reader_.prepared()[start] == '\n') return {reader_.code_end_column(), 0};
    const int column = reader_.column_of(start);
    return {column, reader_.column_of(end) - column};
}

std::vector<LineToken> Scanner::line_tokens() const {
    std::vector<LineToken> tokens;
    const char* const line = reader_.prepared();
    const char* p = line;
    for (;;) {
        Start start = start_of(*p);
        if (start == Start::kBlank) {
            p = skip(p + 1, is_blank);
            start = start_of(*p);
        }
        if (start == Start::kLineUsedUp) return tokens;
        LineToken& token = tokens.emplace_back();
        const char* end = nullptr;
        token.code = token_at(start, p, p == line, &end, token.value);
        token.start = static_cast<size_t>(p - line);
        token.end = static_cast<size_t>(end - line);
        if (token.code == EOL) return tokens;
        p = end;
    }
}

void Scanner::restart() {
    reader_.rewind();
    ended_ = false;
    kept_tokens_ = std::exchange(next_pass_tokens_, nullptr);
    line_ = 1;
}
