// The run's errors: numbered, printed, logged and collected for the current line.
#include "diag/diagnostics.h"

#include <algorithm>
#include <cstdarg>
#include <vector>

namespace {

__attribute__((format(TEVLIN_PRINTF, 1, 0))) std::string vformat(const char* fmt, va_list args) {
    va_list probe;
    va_copy(probe, args);
    const int length = std::vsnprintf(nullptr, 0, fmt, probe);
    va_end(probe);
    if (length <= 0) return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), fmt, args);
    return std::string(text.data(), static_cast<size_t>(length));
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

}  // namespace

std::string Format_message(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = vformat(fmt, args);
    va_end(args);
    return text;
}

void Console::line_message(int line_number, std::string_view text, std::string_view message) {
    if (source_ == nullptr) {
        write_text(stream_, text);
        return;
    }
    std::string gnu = Format_message("%s:%d: error: ", source_, line_number);
    write_text(stream_, gnu.append(message).append("\n"));
}

void Console::message(std::string_view text) {
    if (source_ == nullptr) {
        write_text(stream_, text);
        return;
    }
    const size_t first = std::min(text.find_first_not_of(" \n"), text.size());
    const size_t last = text.find_last_not_of(" \n");
    const std::string_view words = text.substr(first, last + 1 - first);
    write_text(stream_, std::string(source_).append(": error: ").append(words).append("\n"));
}

void Diagnostics::error(int line_number, std::string_view line_text, std::string_view message) {
    const int number = error_count_ + 1;
    std::string text = Format_message("**ERROR #%2d:  line# (%04d) => ", number, line_number);
    text.append(message).append(" ");
    const std::string heading =
        Format_message("ERROR #%2d:  line# (%04d): ", number, line_number).append(message);
    console_.line_message(line_number, text + "\n", message);
    write_text(log_, log_entry(heading, line_text));
    add_to_line(text);
    error_count_++;
}

void Diagnostics::syntax_error(int line_number, std::string_view line_text, bool reported) {
    constexpr std::string_view kSyntaxError = "syntax error";
    if (reported) {
        const std::string text = Format_message("**ERROR:  line# (%04d) => ", line_number);
        console_.line_message(line_number, text + std::string(kSyntaxError) + " \n", kSyntaxError);
        const std::string heading = Format_message("ERROR:  line# (%04d): ", line_number);
        write_text(log_, log_entry(heading + std::string(kSyntaxError), line_text));
    }
    add_to_line(kSyntaxError);
    syntax_error_count_++;
}

void Diagnostics::run_error(std::string_view message) {
    write_text(log_, message);
    console_.message(message);
    error_count_++;
}

void Diagnostics::add_to_line(std::string_view message) {
    if (!line_messages_.empty()) line_messages_.append("\n").append(12, ' ');
    line_messages_.append(message);
}
