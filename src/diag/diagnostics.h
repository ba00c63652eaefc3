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

class Diagnostics {
  public:
    /// Messages go to console; the numbered ones are logged in log as well.
    Diagnostics(std::FILE* console, std::FILE* log) : console_(console), log_(log) {}

    /// Reports a numbered error of the line numbered line_number that reads line_text.
    void error(int line_number, std::string_view line_text, std::string_view message);
    /// Notes a syntax error among the line's messages; it is counted on its own.
    void syntax_error();
    /// Reports an error that belongs to no line: logged and printed as it stands, and counted.
    void run_error(std::string_view message);

    /// The messages of the current line, each after the first on a line of its own.
    const std::string& line_messages() const { return line_messages_; }
    void clear_line_messages() { line_messages_.clear(); }

    int error_count() const { return error_count_; }
    int syntax_error_count() const { return syntax_error_count_; }

  private:
    void add_to_line(std::string_view message);

    std::FILE* console_;
    std::FILE* log_;
    std::string line_messages_;
    int error_count_ = 0;
    int syntax_error_count_ = 0;
};

#endif  // TEVLIN_DIAG_DIAGNOSTICS_H_
