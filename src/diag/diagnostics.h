// The run's errors: numbered, printed on the console, logged in NAME.err, and collected as the
// messages of the line being assembled, for its listing entry.
#ifndef TEVLIN_DIAG_DIAGNOSTICS_H_
#define TEVLIN_DIAG_DIAGNOSTICS_H_

#include <cstdio>
#include <string>
#include <string_view>

// The printf that formats messages. MinGW's C++ library formats with the C99 printf of MinGW
// (so %zu works), which its compilers check as gnu_printf; printf there means Microsoft's.
#ifdef __MINGW_PRINTF_FORMAT
#define TEVLIN_PRINTF __MINGW_PRINTF_FORMAT
#else
#define TEVLIN_PRINTF printf
#endif

/// Returns the printf-style formatting of fmt and its arguments, whole whatever its length.
std::string Format_message(const char* fmt, ...) __attribute__((format(TEVLIN_PRINTF, 1, 2)));

// Where a run prints its messages: each as it stands, or, for editors and build tools, in the
// GNU form "SOURCE:LINE: error: TEXT" ("SOURCE: error: TEXT" without a line), one a line.
class Console {
  public:
    /// Prints on stream; in the GNU form when source_name is not null, naming it.
    Console(std::FILE* stream, const char* source_name) : stream_(stream), source_(source_name) {}

    /// Prints text, the message of line line_number, whose own words are message.
    void line_message(int line_number, std::string_view text, std::string_view message);
    /// Prints text, a message that belongs to no line.
    void message(std::string_view text);

  private:
    std::FILE* stream_;
    const char* source_;
};

class Diagnostics {
  public:
    /// Messages are printed on console; they are logged in log as well.
    Diagnostics(Console& console, std::FILE* log) : console_(console), log_(log) {}

    /// Reports a numbered error of the line numbered line_number that reads line_text.
    void error(int line_number, std::string_view line_text, std::string_view message);
    /// Notes a syntax error among the line's messages and counts it on its own. A reported one
    /// is also printed and logged, without a number, for its line.
    void syntax_error(int line_number, std::string_view line_text, bool reported);
    /// Reports an error that belongs to no line: logged and printed as it stands, and counted.
    void run_error(std::string_view message);

    /// The messages of the current line, each after the first on a line of its own.
    const std::string& line_messages() const { return line_messages_; }
    void clear_line_messages() { line_messages_.clear(); }

    int error_count() const { return error_count_; }
    int syntax_error_count() const { return syntax_error_count_; }

  private:
    void add_to_line(std::string_view message);

    Console& console_;
    std::FILE* log_;
    std::string line_messages_;
    int error_count_ = 0;
    int syntax_error_count_ = 0;
};

#endif  // TEVLIN_DIAG_DIAGNOSTICS_H_
