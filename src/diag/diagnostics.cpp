// The run's errors: numbered, printed, logged and collected for the current line.
#include "diag/diagnostics.h"

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

}  // namespace

std::string Format_message(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = vformat(fmt, args);
    va_end(args);
    return text;
}

void Diagnostics::error(int line_number, std::string_view line_text, std::string_view message) {
    const int number = error_count_ + 1;
    std::string console = Format_message("**ERROR #%2d:  line# (%04d) => ", number, line_number);
    console.append(message).append(" ");
    std::string logged = Format_message("ERROR #%2d:  line# (%04d): ", number, line_number);
    logged.append(message).append("    \n").append(18, ' ');
    logged.append("\"").append(line_text).append("\"\n\n");
    write_text(console_, console + "\n");
    write_text(log_, logged);
    add_to_line(console);
    error_count_++;
}

void Diagnostics::syntax_error() {
    add_to_line("syntax error");
    syntax_error_count_++;
}

void Diagnostics::run_error(std::string_view message) {
    write_text(log_, message);
    write_text(console_, message);
    error_count_++;
}

void Diagnostics::add_to_line(std::string_view message) {
    if (!line_messages_.empty()) line_messages_.append("\n").append(12, ' ');
    line_messages_.append(message);
}
