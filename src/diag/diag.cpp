// Error reports: numbered, printed, logged and collected for the current line.
#include "diag/diag.h"

#include <cstdarg>
#include <vector>

#include "driver/base/files.h"
#include "driver/base/state.h"

std::string errMsg;
int errCnt = 0;
std::FILE* consolefp = stderr;

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

// The current source line without its final newline (a carriage return before it stays).
std::string line_without_newline() {
    if (!rawLine.empty() && rawLine.back() == '\n') return rawLine.substr(0, rawLine.size() - 1);
    return rawLine;
}

void write_text(std::FILE* file, const std::string& text) {
    if (file != nullptr) std::fwrite(text.data(), 1, text.size(), file);
}

}  // namespace

std::string Format_message(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = vformat(fmt, args);
    va_end(args);
    return text;
}

void perrMsg(const char* fmt) {
    const std::string line = line_without_newline();
    const int number = errCnt + 1;
    const std::string console =
        Format_message("**ERROR #%2d:  line# (%04d) => ", number, srcLineNum) + fmt + " ";
    const std::string logged = Format_message("ERROR #%2d:  line# (%04d): ", number, srcLineNum) +
                               fmt + "    \n" + std::string(18, ' ') + "\"" + line + "\"\n";
    write_text(consolefp, console + "\n");
    write_text(errfp, logged + "\n");
    yyerror(console.c_str());
    errCnt++;
}

void yyerror(const char* msg) {
    if (errMsg.empty()) {
        errMsg = msg;
        return;
    }
    errMsg += "\n";
    errMsg.append(12, ' ');
    errMsg += msg;
}

void Free_errMsg_buf() { errMsg.clear(); }

void Reset_diag() {
    errMsg.clear();
    errCnt = 0;
    consolefp = stderr;
}
