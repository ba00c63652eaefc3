// The run's errors: numbered, printed on the console, logged in NAME.err, and collected as the
// messages of the line being assembled, for its listing entry.
#ifndef TEVLIN_DIAG_DIAGNOSTICS_H_
#define TEVLIN_DIAG_DIAGNOSTICS_H_

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "base/global.h"

// The printf that formats messages. MinGW's C++ library formats with the C99 printf of MinGW
// (so %zu works), which its compilers check as gnu_printf; printf there means Microsoft's.
#ifdef __MINGW_PRINTF_FORMAT
#define TEVLIN_PRINTF __MINGW_PRINTF_FORMAT
#else
#define TEVLIN_PRINTF printf
#endif

/// Returns the printf-style formatting of fmt and its arguments, whole whatever its length.
std::string Format_message(const char* fmt, ...) __attribute__((format(TEVLIN_PRINTF, 1, 2)));

// What a message is about; each kind has a stable name that tools may rely on.
enum class MessageKind : uint8_t {
    kSyntaxError,
    kDuplicateName,
    kLongLabel,
    kUndefinedName,
    kWrongOperands,
    kBranchTargetRange,
    kWrongSegment,
    kCodeRange,
    kDataRange,
    kRegisterRange,
    kValueTruncated,
    kEquRange,
    kSegmentArgument,
    kEmptyBlock,
    kDataFull,
    kOverlappingCode,
    kStartUpRoom,
};

/// The stable name of kind, such as "syntax-error".
const char* Message_code(MessageKind kind);

// A note that goes with a message: a place in the source and what to do there.
struct Note {
    int line = 0;
    Span span;
    std::string text;
    std::string source;  // the noted line as read, shown under the note; empty: not shown
};

// What the editors' form adds to a message of a line: the token it points at, and notes.
struct Detail {
    Span span;
    std::vector<Note> notes;
};

// One message of a run, as editors take it.
struct Message {
    MessageKind kind = MessageKind::kSyntaxError;
    int line = 0;  // 0 for a message that belongs to no line
    Span span;
    std::string text;  // the message's own words
    std::vector<Note> notes;
    int concerns_line = 0;  // for a message that belongs to no line: the line it is about
};

// Where a run prints its messages: each as it stands, or, for editors and build tools, in the
// GNU form "SOURCE:LINE:COLUMN: error: TEXT" with the line and a mark under the token and then
// its notes ("SOURCE: error: TEXT" without a line).
class Console {
  public:
    /// Prints on stream; in the GNU form when source_name is not null, naming it.
    Console(std::FILE* stream, const char* source_name) : stream_(stream), source_(source_name) {}

    /// Whether messages are printed in the GNU form, which shows their columns and notes.
    bool gnu() const { return source_ != nullptr; }
    /// Prints text, the message of line line_number that reads line_text, whose own words are
    /// message.
    void line_message(int line_number, std::string_view line_text, std::string_view text,
                      std::string_view message, const Detail& detail);
    /// Prints text, a message that belongs to no line.
    void message(std::string_view text);

  private:
    std::FILE* stream_;
    const char* source_;
};

class Diagnostics {
  public:
    /// Messages are printed on console and logged in log, each when not null, and added to
    /// collected when not null.
    Diagnostics(Console* console, std::FILE* log, std::vector<Message>* collected = nullptr)
        : console_(console), log_(log), collected_(collected) {}

    /// Whether the messages' columns and notes are wanted.
    bool wants_details() const {
        return collected_ != nullptr || (console_ != nullptr && console_->gnu());
    }

    /// Reports a numbered error of the line numbered line_number that reads line_text.
    void error(MessageKind kind, int line_number, std::string_view line_text,
               std::string_view message, Detail detail = {});
    /// Notes a syntax error among the line's messages and counts it on its own. A reported one
    /// is also printed and logged, without a number, for its line.
    void syntax_error(int line_number, std::string_view line_text, bool reported,
                      Detail detail = {});
    /// Reports an error that belongs to no line, though it may concern one: logged and printed
    /// as it stands, and counted.
    void run_error(MessageKind kind, std::string_view message, int concerns_line);

    /// The messages of the current line, each after the first on a line of its own.
    const std::string& line_messages() const { return line_messages_; }
    /// Starts the messages of the next line.
    void clear_line_messages() {
        line_messages_.clear();
        line_quoted_ = 0;
    }

    int error_count() const { return error_count_; }
    int syntax_error_count() const { return syntax_error_count_; }

  private:
    /// The line as the log quotes it: whole the first time, and the start of a long line again.
    std::string quoted_line(int line_number, std::string_view line_text);
    void add_to_line(std::string_view message);
    void log(std::string_view entry);
    void collect(MessageKind kind, int line_number, std::string_view message, Detail& detail);

    Console* console_;
    std::FILE* log_;
    std::vector<Message>* collected_;
    std::string line_messages_;
    int line_quoted_ = 0;  // the number of the line whose messages quoted it whole, 0 for none
    int error_count_ = 0;
    int syntax_error_count_ = 0;
};

#endif  // TEVLIN_DIAG_DIAGNOSTICS_H_
