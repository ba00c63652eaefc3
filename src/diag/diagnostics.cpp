// The run's errors: numbered, printed, logged and collected for the current line.
#include "diag/diagnostics.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <iterator>
#include <utility>

namespace {

__attribute__((format(TEVLIN_PRINTF, 1, 0))) std::string vformat(const char* fmt, va_list args) {
    // Most messages fit the buffer on the stack: formatted once, allocated once.
    char fitted[256];
    va_list retry;
    va_copy(retry, args);
    const int length = std::vsnprintf(fitted, sizeof fitted, fmt, args);
    std::string text;
    if (length > 0 && static_cast<size_t>(length) < sizeof fitted) {
        text.assign(fitted, static_cast<size_t>(length));
    } else if (length > 0) {
        text.resize(static_cast<size_t>(length));
        std::vsnprintf(text.data(), text.size() + 1, fmt, retry);
    }
    va_end(retry);
    return text;
}

void write_text(std::FILE* file, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), file);
}

// The log entry of a message of a line: its heading, then the line as read, quoted.
std::string log_entry(const std::string& heading, std::string_view line_text) {
    std::string entry = heading;
    entry.append("    \n").append(18, ' ').append("\"").append(line_text).append("\"\n\n");
    return entry;
}

// A line longer than this is quoted whole in the log only by the first entry of its line, the
// others quote this much of it: a line of many errors would otherwise fill the log with copies.
constexpr size_t kRequotedLineMax = 255;

// Of a long line, only this many bytes around the marked column are shown under a message.
constexpr size_t kShownBytes = 160;

// Shows the line numbered line_number that reads text as GCC does: behind a gutter with its
// number, and under it a line that marks span, '^' under its first byte and '~' under the rest.
// Tabs are repeated in the mark's line and the bytes that go on a UTF-8 character are left
// out, so that the mark stands under its token in a terminal.
void show_source(std::string& out, int line_number, std::string_view text, Span span) {
    const size_t column = std::min(static_cast<size_t>(span.column), text.size());
    size_t from = 0;
    std::string_view shown = text;
    if (text.size() > kShownBytes) {
        from = std::min(column - std::min(column, kShownBytes / 4), text.size() - kShownBytes);
        while (from > 0 && Is_utf8_continuation(text[from])) from--;
        shown = text.substr(from, kShownBytes);
    }
    const char* const cut_front = from > 0 ? "..." : "";
    const std::string gutter = fmt::format("{:5} | ", line_number);
    out.append(gutter).append(cut_front).append(shown);
    out.append(from + shown.size() < text.size() ? "...\n" : "\n");
    out.append(gutter.size() - 2, ' ').append("| ").append(std::strlen(cut_front), ' ');
    for (size_t i = from; i < column; i++) {
        if (text[i] == '\t') {
            out += '\t';
        } else if (!Is_utf8_continuation(text[i])) {
            out += ' ';
        }
    }
    out += '^';
    const size_t end = std::min(column + static_cast<size_t>(span.length), from + shown.size());
    for (size_t i = column + 1; i < end; i++) {
        if (!Is_utf8_continuation(text[i])) out += '~';
    }
    out += '\n';
}

// The words of a message that belongs to no line, without the blank lines around them.
std::string_view words_of(std::string_view text) {
    const size_t first = std::min(text.find_first_not_of(" \n"), text.size());
    const size_t last = text.find_last_not_of(" \n");
    return text.substr(first, last + 1 - first);
}

// clang-format off
constexpr const char* kMessageCodes[] = {
    "syntax-error",
    "duplicate-name",
    "long-label",
    "undefined-name",
    "wrong-operands",
    "branch-target-range",
    "wrong-segment",
    "code-range",
    "data-range",
    "register-range",
    "value-truncated",
    "equ-range",
    "segment-argument",
    "empty-block",
    "data-full",
    "overlapping-code",
    "start-up-room",
};
// clang-format on
static_assert(std::size(kMessageCodes) == static_cast<size_t>(MessageKind::kStartUpRoom) + 1,
              "a name for every kind of message");

}  // namespace

const char* Message_code(MessageKind kind) { return kMessageCodes[static_cast<size_t>(kind)]; }

std::string Format_message(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = vformat(fmt, args);
    va_end(args);
    return text;
}

void Console::line_message(int line_number, std::string_view line_text, std::string_view text,
                           std::string_view message, const Detail& detail) {
    if (source_ == nullptr) {
        write_text(stream_, text);
        return;
    }
    std::string gnu =
        fmt::format("{}:{}:{}: error: ", source_, line_number, detail.span.column + 1);
    gnu.append(message).append("\n");
    show_source(gnu, line_number, line_text, detail.span);
    for (const Note& note : detail.notes) {
        fmt::format_to(std::back_inserter(gnu), "{}:{}:{}: note: ", source_, note.line,
                       note.span.column + 1);
        gnu.append(note.text).append("\n");
        const bool elsewhere = note.line != line_number || note.span.column != detail.span.column;
        if (!note.source.empty() && elsewhere) show_source(gnu, note.line, note.source, note.span);
    }
    write_text(stream_, gnu);
}

void Console::message(std::string_view text) {
    if (source_ == nullptr) {
        write_text(stream_, text);
        return;
    }
    write_text(stream_,
               std::string(source_).append(": error: ").append(words_of(text)).append("\n"));
}

void Diagnostics::error(MessageKind kind, int line_number, std::string_view line_text,
                        std::string_view message, Detail detail) {
    const int number = error_count_ + 1;
    std::string text = fmt::format("**ERROR #{:2d}:  line# ({:04d}) => ", number, line_number);
    text.append(message).append(" ");
    const std::string heading =
        fmt::format("ERROR #{:2d}:  line# ({:04d}): ", number, line_number).append(message);
    if (console_ != nullptr)
        console_->line_message(line_number, line_text, text + "\n", message, detail);
    log(log_entry(heading, quoted_line(line_number, line_text)));
    add_to_line(text);
    collect(kind, line_number, message, detail);
    error_count_++;
}

void Diagnostics::syntax_error(int line_number, std::string_view line_text, bool reported,
                               Detail detail) {
    constexpr std::string_view kSyntaxError = "syntax error";
    if (reported) {
        const std::string text = fmt::format("**ERROR:  line# ({:04d}) => ", line_number);
        if (console_ != nullptr) {
            console_->line_message(line_number, line_text, text + std::string(kSyntaxError) + " \n",
                                   kSyntaxError, detail);
        }
        const std::string heading = fmt::format("ERROR:  line# ({:04d}): ", line_number);
        log(log_entry(heading + std::string(kSyntaxError), quoted_line(line_number, line_text)));
        collect(MessageKind::kSyntaxError, line_number, kSyntaxError, detail);
    }
    add_to_line(kSyntaxError);
    syntax_error_count_++;
}

void Diagnostics::run_error(MessageKind kind, std::string_view message, int concerns_line) {
    log(message);
    if (console_ != nullptr) console_->message(message);
    if (collected_ != nullptr) {
        Message& collected = collected_->emplace_back();
        collected.kind = kind;
        collected.text = words_of(message);
        collected.concerns_line = concerns_line;
    }
    error_count_++;
}

std::string Diagnostics::quoted_line(int line_number, std::string_view line_text) {
    if (line_text.size() <= kRequotedLineMax || line_quoted_ != line_number) {
        line_quoted_ = line_number;
        return std::string(line_text);
    }
    return std::string(line_text.substr(0, kRequotedLineMax)) + "...";
}

void Diagnostics::add_to_line(std::string_view message) {
    if (!line_messages_.empty()) line_messages_.append("\n").append(12, ' ');
    line_messages_.append(message);
}

void Diagnostics::log(std::string_view entry) {
    if (log_ != nullptr) write_text(log_, entry);
}

void Diagnostics::collect(MessageKind kind, int line_number, std::string_view message,
                          Detail& detail) {
    if (collected_ == nullptr) return;
    Message& collected = collected_->emplace_back();
    collected.kind = kind;
    collected.line = line_number;
    collected.span = detail.span;
    collected.text = message;
    collected.notes = std::move(detail.notes);
}
