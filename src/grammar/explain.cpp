// The notes that go with a message, as one table of rules: which message a rule explains, the
// token that came, a token the line could have taken instead, a condition on the tokens around
// them, and what the note says. The first rule that fits a message gives its notes.
#include "grammar/explain.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <utility>

#include "grammar/statements.h"
#include "grammar/suggestions.h"

namespace {

// A token code that matches any token, and one that matches any mnemonic or directive.
constexpr int kAnyToken = -1;
constexpr int kKeywordToken = -2;

// A string is shown as the .DB values that would hold it up to this length.
constexpr size_t kSpeltStringMax = 16;

using Line = Explainer::Line;

// What a rule looks at: the message, its line, and the index of its token in the line.
struct Situation {
    const Trouble& trouble;
    const Line& line;
    size_t at;  // line.tokens.size() when the message's token is not among them
    Explainer& explainer;

    int code(size_t index) const {
        return index < line.tokens.size() ? line.tokens[index].code : 0;
    }
    int number(size_t index) const {
        return index < line.tokens.size() ? line.tokens[index].value.number : 0;
    }
    std::string_view text(size_t index) const { return line.tokens[index].value.text; }
    // The token at index as the user wrote it.
    std::string_view written(size_t index) const {
        const Span span = line.spans[index];
        return line.text.substr(static_cast<size_t>(span.column), static_cast<size_t>(span.length));
    }
    // Whether the token at index follows the one before it with no blank between.
    bool glued(size_t index) const {
        return index > 0 && index < line.tokens.size() &&
               line.tokens[index - 1].end == line.tokens[index].start;
    }
    bool labelled() const { return code(0) == SYMBOL && code(1) == ':'; }
    // The index of the mnemonic or directive of the statement that the message is about: the
    // last one up to its token (a line that a syntax error cut may hold several), or the number
    // of tokens when there is none.
    size_t keyword_index() const {
        for (size_t i = std::min(at + 1, line.tokens.size()); i-- > 0;) {
            if (Find_keyword(code(i)) != nullptr) return i;
        }
        return line.tokens.size();
    }
    const Keyword* keyword() const { return Find_keyword(code(keyword_index())); }
    Note note_at(size_t index, std::string text) const {
        const Span span = index < line.spans.size() ? line.spans[index] : Span{};
        return {line.number, span, std::move(text), std::string(line.text)};
    }
};

std::string quoted(std::string_view text) { return "`" + std::string(text) + "`"; }

bool is_mnemonic(int code) {
    const Keyword* keyword = Find_keyword(code);
    return keyword != nullptr && keyword->mnemonic != nullptr;
}

std::string one_of(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size(); i++) {
        text += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + quoted(names[i]);
    }
    return text;
}

// Letters and digits (and underscores when kept) of text.
std::string name_characters(std::string_view text, bool keep_underscores) {
    std::string kept;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0 || (keep_underscores && c == '_')) {
            kept += c;
        }
    }
    return kept;
}

bool written_with_hex_letters(const Situation& s, size_t index) {
    if (s.code(index) != REG) return false;
    const std::string_view written = s.written(index);
    return std::all_of(written.begin() + 1, written.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c)) != 0 &&
               std::isalpha(static_cast<unsigned char>(c)) != 0;
    });
}

// The first operand of the line written as R and hex letters.
size_t hex_register_operand(const Situation& s) {
    for (size_t i = s.keyword_index() + 1; i < s.line.tokens.size(); i++) {
        if (written_with_hex_letters(s, i)) return i;
    }
    return s.line.tokens.size();
}

// A directive that counts only in column 1, written as '.' and a name, at index.
const Directive* directive_off_column_one(const Situation& s, size_t index) {
    if (s.code(index) != OTHERCHAR || s.written(index) != "." || s.code(index + 1) != SYMBOL ||
        !s.glued(index + 1)) {
        return nullptr;
    }
    for (const Directive& directive : kDirectives) {
        if (directive.at_line_start_only && s.text(index + 1) == directive.text + 1) {
            return &directive;
        }
    }
    return nullptr;
}

bool is_word_token(int code) {
    return code == SYMBOL || code == REGNAME || code == REG || code == NUM || code == OTHERCHAR;
}

// The first operand after the keyword that is a name, or the number of tokens.
size_t symbol_operand(const Situation& s) {
    for (size_t i = s.keyword_index() + 1; i < s.line.tokens.size(); i++) {
        if (s.code(i) == SYMBOL) return i;
    }
    return s.line.tokens.size();
}

// The note at a name that a line with a syntax error would have defined.
Note failed_definition_note(const FailedDefinition& failed) {
    std::string text = quoted(std::string_view(failed.source)
                                  .substr(static_cast<size_t>(failed.span.column),
                                          static_cast<size_t>(failed.span.length)));
    if (failed.register_name) {
        text +=
            " was to be a register name here, but this `.DEF` has an error: a register name "
            "begins with R_ and a letter";
    } else {
        text += " is written here, but this line has an error, so it was never defined";
    }
    return {failed.line, failed.span, text, failed.source};
}

// ---- conditions ----

bool minus_before_number(const Situation& s) {
    return s.written(s.at) == "-" && s.code(s.at + 1) == NUM && s.glued(s.at + 1);
}

bool directive_after_label(const Situation& s) {
    return s.labelled() && directive_off_column_one(s, s.at) != nullptr;
}

bool directive_off_column_one_here(const Situation& s) {
    return directive_off_column_one(s, s.at) != nullptr;
}

bool glued_to_name(const Situation& s) {
    const auto name = [&s](size_t i) { return s.code(i) == SYMBOL || s.code(i) == REGNAME; };
    return (s.glued(s.at) && name(s.at - 1)) || (s.glued(s.at + 1) && name(s.at + 1));
}

bool came_with_hex_letters(const Situation& s) { return written_with_hex_letters(s, s.at); }

bool has_hex_register_operand(const Situation& s) {
    return hex_register_operand(s) < s.line.tokens.size();
}

bool in_def(const Situation& s) {
    const Keyword* keyword = s.keyword();
    return keyword != nullptr && keyword->family == Family::kDef;
}

bool after_mnemonic_at_start(const Situation& s) { return s.at == 1 && is_mnemonic(s.code(0)); }

bool first_word_near_mnemonic(const Situation& s) {
    return s.code(0) == SYMBOL && !Near_mnemonics(s.text(0)).empty();
}

bool near_mnemonic(const Situation& s) { return !Near_mnemonics(s.text(s.at)).empty(); }

// A name of two words, the punctuation the line waits for coming after them.
bool blank_in_name(const Situation& s) {
    if (s.code(s.at - 1) != SYMBOL || s.glued(s.at)) return false;
    const int punctuation = s.trouble.expected.test(':') ? ':' : '=';
    for (size_t i = s.at + 1; i < s.line.tokens.size(); i++) {
        if (s.code(i) == punctuation) return true;
    }
    return false;
}

bool names_failed_register(const Situation& s) {
    const size_t index = symbol_operand(s);
    if (index == s.line.tokens.size()) return false;
    const FailedDefinition* failed = s.explainer.failed(s.text(index));
    return failed != nullptr && failed->register_name;
}

bool names_other_than_register(const Situation& s) {
    const Keyword* keyword = s.keyword();
    if (keyword == nullptr || keyword->mnemonic == nullptr || keyword->family == Family::kBranch) {
        return false;
    }
    const size_t index = s.keyword_index() + 1;
    return s.code(index) == SYMBOL && s.explainer.symbols().find(s.text(index)) != nullptr;
}

bool in_mnemonic(const Situation& s) { return is_mnemonic(s.code(s.keyword_index())); }

bool in_operands_of_mnemonic(const Situation& s) {
    return is_mnemonic(s.code(s.keyword_index())) && s.at > s.keyword_index();
}

bool in_operands_of_directive(const Situation& s) {
    const Keyword* keyword = s.keyword();
    return keyword != nullptr && keyword->mnemonic == nullptr && s.at > s.keyword_index();
}

bool undefined_failed_definition(const Situation& s) {
    return s.at < s.line.tokens.size() && s.explainer.failed(s.text(s.at)) != nullptr;
}

bool undefined_near_name(const Situation& s) {
    return s.at < s.line.tokens.size() &&
           !s.explainer.suggestions().near_names(s.text(s.at), s.code(s.at) != SYMBOL).empty();
}

bool defined_before(const Situation& s) {
    return s.at < s.line.tokens.size() && s.explainer.symbols().find(s.text(s.at)) != nullptr;
}

// ---- notes ----

void string_note(const Situation& s, Detail& detail) {
    const std::string_view written = s.written(s.at);
    std::string text = quoted(written) +
                       " is a string, which the language does not have: `.DB` takes numbers, one "
                       "byte each";
    const std::string_view inside = written.substr(1, written.size() - 2);
    if (inside.size() <= kSpeltStringMax) {
        std::string values;
        for (const char c : inside) {
            values += Format_message("%s0x%02X", values.empty() ? "" : ", ",
                                     static_cast<unsigned char>(c));
        }
        text += ", as in " + quoted(".DB " + values);
    }
    detail.notes.push_back(s.note_at(s.at, text));
}

void negative_note(const Situation& s, Detail& detail) {
    const int value = s.number(s.at + 1);
    const std::string written = std::string(s.written(s.at)) + std::string(s.written(s.at + 1));
    std::string text = "numbers are never negative: ";
    if (value == 0) {
        text += "write " + quoted("0");
    } else if (value <= 256) {
        text += "write the byte " + quoted(Format_message("0x%02X", 256 - value)) + " for " +
                quoted(written);
    } else {
        text += "a byte holds 0 to 255";
    }
    detail.notes.push_back(s.note_at(s.at, text));
}

void label_before_directive_note(const Situation& s, Detail& detail) {
    const std::string directive = "." + std::string(s.written(s.at + 1));
    detail.notes.push_back(
        s.note_at(s.at, "a label can stand only before an instruction, `.BYTE` or `.DB`: write " +
                            quoted(directive) + " on a line of its own, in column 1"));
}

void column_one_note(const Situation& s, Detail& detail) {
    const std::string directive = "." + std::string(s.written(s.at + 1));
    detail.notes.push_back(s.note_at(
        s.at, quoted(directive) + " counts only at the start of a line: write it in column 1"));
}

void name_character_note(const Situation& s, Detail& detail) {
    size_t first = s.at;
    while (s.glued(first) && is_word_token(s.code(first - 1))) first--;
    size_t last = s.at;
    while (s.glued(last + 1) && is_word_token(s.code(last + 1))) last++;
    const Span start = s.line.spans[first];
    const Span end = s.line.spans[last];
    const std::string_view word =
        s.line.text.substr(static_cast<size_t>(start.column),
                           static_cast<size_t>(end.column + end.length - start.column));
    // A character of several bytes is shown whole: its first byte is the token that came.
    const size_t at = static_cast<size_t>(s.line.spans[s.at].column);
    size_t bytes = 1;
    while (at + bytes < s.line.text.size() && Is_utf8_continuation(s.line.text[at + bytes]) &&
           (static_cast<unsigned char>(s.line.text[at]) & 0xC0) == 0xC0) {
        bytes++;
    }
    std::string text = quoted(s.line.text.substr(at, bytes)) +
                       " cannot be part of a name, which holds letters, digits and underscores";
    const std::string name = name_characters(word, true);
    if (!name.empty() && std::isalpha(static_cast<unsigned char>(name[0])) != 0) {
        text += ": write " + quoted(name) + " for " + quoted(word);
    }
    detail.notes.push_back(s.note_at(s.at, text));
}

void register_lookalike_note(const Situation& s, Detail& detail) {
    const size_t index = written_with_hex_letters(s, s.at) ? s.at : hex_register_operand(s);
    detail.notes.push_back(s.note_at(
        index, quoted(s.written(index)) + " reads as register " + std::to_string(s.number(index)) +
                   ", since R followed by nothing but the letters A to F names a register: "
                   "pick a name that does not read as one"));
}

void register_name_note(const Situation& s, Detail& detail) {
    const Span keyword = s.line.spans[s.keyword_index()];
    const Span name = s.line.spans[s.at];
    const Span end = s.line.spans.back();
    const std::string_view text = s.line.text;
    const std::string written =
        std::string(text.substr(static_cast<size_t>(keyword.column),
                                static_cast<size_t>(name.column - keyword.column))) +
        "R_" + name_characters(s.written(s.at), false) +
        std::string(text.substr(static_cast<size_t>(name.column + name.length),
                                static_cast<size_t>(end.column - name.column - name.length)));
    detail.notes.push_back(
        s.note_at(s.at,
                  "a register name begins with R_ and a letter, then letters and digits: "
                  "write " +
                      quoted(written)));
}

void colon_note(const Situation& s, Detail& detail) {
    detail.notes.push_back(s.note_at(
        0, "a label ends with a colon: write " + quoted(std::string(s.written(0)) + ":")));
}

void keyword_as_label_note(const Situation& s, Detail& detail) {
    detail.notes.push_back(s.note_at(
        0, quoted(s.written(0)) + " is a mnemonic and cannot be a label: pick another name"));
}

void mnemonic_suggestion_note(const Situation& s, size_t index, Detail& detail) {
    detail.notes.push_back(s.note_at(index, quoted(s.written(index)) +
                                                " is not a mnemonic: did you mean " +
                                                one_of(Near_mnemonics(s.text(index))) + "?"));
}

void first_word_note(const Situation& s, Detail& detail) { mnemonic_suggestion_note(s, 0, detail); }

void word_here_note(const Situation& s, Detail& detail) {
    mnemonic_suggestion_note(s, s.at, detail);
}

void blank_in_name_note(const Situation& s, Detail& detail) {
    const std::string joined =
        std::string(s.written(s.at - 1)) + "_" + std::string(s.written(s.at));
    detail.notes.push_back(
        s.note_at(s.at - 1, "a name cannot hold a blank: write " + quoted(joined)));
}

void failed_register_note(const Situation& s, Detail& detail) {
    const std::string_view name = s.text(symbol_operand(s));
    detail.notes.push_back(failed_definition_note(*s.explainer.failed(name)));
}

void not_a_register_note(const Situation& s, Detail& detail) {
    const size_t index = s.keyword_index() + 1;
    const Symbol& symbol = *s.explainer.symbols().find(s.text(index));
    detail.notes.push_back(s.note_at(
        index, quoted(s.written(index)) + " is a " + Kind_word(symbol.kind) + ", defined on line " +
                   std::to_string(symbol.line) +
                   ", not a register: registers are r0 to r31 and the names that `.DEF` gives "
                   "them, which begin with R_"));
}

void forms_note(const Situation& s, Detail& detail) {
    const size_t index = s.keyword_index();
    const std::string forms = Written_forms(*s.keyword());
    const bool operands = forms.find(' ') != std::string::npos;
    detail.notes.push_back(s.note_at(
        index,
        quoted(s.written(index)) +
            (operands ? " takes " + forms : " takes no operands: write " + forms + " alone")));
}

void failed_definition_here_note(const Situation& s, Detail& detail) {
    detail.notes.push_back(failed_definition_note(*s.explainer.failed(s.text(s.at))));
}

void near_name_note(const Situation& s, Detail& detail) {
    const std::vector<std::string> names =
        s.explainer.suggestions().near_names(s.text(s.at), s.code(s.at) != SYMBOL);
    detail.notes.push_back(s.note_at(s.at, "did you mean " + one_of(names) + "?"));
}

void first_definition_note(const Situation& s, Detail& detail) {
    const Symbol& symbol = *s.explainer.symbols().find(s.text(s.at));
    detail.notes.push_back({symbol.line, Definition_span(symbol),
                            quoted(s.written(s.at)) + " is first defined here", ""});
}

using Condition = bool (*)(const Situation&);
using Writer = void (*)(const Situation&, Detail&);

struct NoteRule {
    MessageKind message;
    int came;        // the token the message is about
    int expected;    // a token that the line could have taken there
    Condition also;  // null when the rule needs nothing more
    Writer note;
};

using K = MessageKind;

// clang-format off
constexpr NoteRule kNoteRules[] = {
    // message          came           expected       also                          note
    {K::kSyntaxError,   STRING,        kAnyToken,     nullptr,                      string_note},
    {K::kSyntaxError,   OTHERCHAR,     kAnyToken,     minus_before_number,          negative_note},
    {K::kSyntaxError,   OTHERCHAR,     kAnyToken,     directive_after_label,        label_before_directive_note},
    {K::kSyntaxError,   OTHERCHAR,     kAnyToken,     directive_off_column_one_here, column_one_note},
    {K::kSyntaxError,   OTHERCHAR,     kAnyToken,     glued_to_name,                name_character_note},
    {K::kSyntaxError,   REG,           kAnyToken,     came_with_hex_letters,        register_lookalike_note},
    {K::kRegisterRange, REG,           kAnyToken,     came_with_hex_letters,        register_lookalike_note},
    {K::kWrongOperands, kAnyToken,     kAnyToken,     has_hex_register_operand,     register_lookalike_note},
    {K::kSyntaxError,   SYMBOL,        REGNAME,       in_def,                       register_name_note},
    {K::kSyntaxError,   kKeywordToken, ':',           nullptr,                      colon_note},
    {K::kSyntaxError,   ':',           kAnyToken,     after_mnemonic_at_start,      keyword_as_label_note},
    {K::kSyntaxError,   kAnyToken,     ':',           first_word_near_mnemonic,     first_word_note},
    {K::kSyntaxError,   SYMBOL,        kKeywordToken, near_mnemonic,                word_here_note},
    {K::kSyntaxError,   SYMBOL,        ':',           blank_in_name,                blank_in_name_note},
    {K::kSyntaxError,   SYMBOL,        '=',           blank_in_name,                blank_in_name_note},
    {K::kSyntaxError,   kAnyToken,     kAnyToken,     names_failed_register,        failed_register_note},
    {K::kSyntaxError,   kAnyToken,     kAnyToken,     names_other_than_register,    not_a_register_note},
    {K::kWrongOperands, kAnyToken,     kAnyToken,     names_other_than_register,    not_a_register_note},
    {K::kSyntaxError,   kAnyToken,     kAnyToken,     in_operands_of_mnemonic,      forms_note},
    {K::kWrongOperands, kAnyToken,     kAnyToken,     in_mnemonic,                  forms_note},
    {K::kSyntaxError,   kAnyToken,     kAnyToken,     in_operands_of_directive,     forms_note},
    {K::kUndefinedName, kAnyToken,     kAnyToken,     undefined_failed_definition,  failed_definition_here_note},
    {K::kUndefinedName, kAnyToken,     kAnyToken,     undefined_near_name,          near_name_note},
    {K::kDuplicateName, kAnyToken,     kAnyToken,     defined_before,               first_definition_note},
};
// clang-format on

// The index of the token of line that starts at focus, or the number of tokens.
size_t index_of(const Line& line, size_t focus) {
    const auto found =
        std::lower_bound(line.tokens.begin(), line.tokens.end(), focus,
                         [](const LineToken& token, size_t start) { return token.start < start; });
    return found != line.tokens.end() && found->start == focus
               ? static_cast<size_t>(found - line.tokens.begin())
               : line.tokens.size();
}

bool matches(int rule_token, int code) {
    if (rule_token == kAnyToken) return true;
    if (rule_token == kKeywordToken) return Find_keyword(code) != nullptr;
    return rule_token == code;
}

bool expects(int rule_token, const TokenSet& expected) {
    if (rule_token == kAnyToken) return true;
    if (rule_token != kKeywordToken) return expected.test(static_cast<size_t>(rule_token));
    for (size_t code = 0; code < expected.size(); code++) {
        if (expected.test(code) && Find_keyword(static_cast<int>(code)) != nullptr) return true;
    }
    return false;
}

}  // namespace

const Explainer::Line& Explainer::current_line(int line) {
    if (line_ != line) {
        line_ = line;
        current_.number = line;
        current_.text = scanner_.line();
        current_.tokens = scanner_.line_tokens();
        current_.spans.clear();
        for (const LineToken& token : current_.tokens) {
            current_.spans.push_back(scanner_.span_of(token.start, token.end));
        }
    }
    return current_;
}

Detail Explainer::explain(const Trouble& trouble, int line) {
    const Line& current = current_line(line);
    const size_t at = index_of(current, trouble.focus);
    Detail detail;
    if (at < current.tokens.size()) detail.span = current.spans[at];
    if (trouble.kind == MessageKind::kSyntaxError && !trouble.first_on_line) return detail;
    const Situation situation{trouble, current, at, *this};
    const int came = at < current.tokens.size() ? current.tokens[at].code : TOK_END;
    for (const NoteRule& rule : kNoteRules) {
        if (rule.message == trouble.kind && matches(rule.came, came) &&
            expects(rule.expected, trouble.expected) &&
            (rule.also == nullptr || rule.also(situation))) {
            rule.note(situation, detail);
            break;
        }
    }
    return detail;
}

void Explainer::remember_failed_line(int line) {
    const Line& current = current_line(line);
    const auto remember = [&](size_t index, bool register_name) {
        failed_.emplace(
            std::string(current.tokens[index].value.text),
            FailedDefinition{line, current.spans[index], std::string(current.text), register_name});
    };
    const int first = current.tokens.empty() ? 0 : current.tokens[0].code;
    const int second = current.tokens.size() < 2 ? 0 : current.tokens[1].code;
    const Keyword* keyword = Find_keyword(first);
    const bool names_second =
        keyword != nullptr && (keyword->family == Family::kDef || keyword->family == Family::kEqu);
    if (first == SYMBOL) {
        remember(0, false);
    } else if (names_second && (second == SYMBOL || second == REGNAME)) {
        remember(1, keyword->family == Family::kDef);
    }
}

const FailedDefinition* Explainer::failed(std::string_view name) const {
    const auto found = failed_.find(std::string(name));
    return found == failed_.end() ? nullptr : &found->second;
}
