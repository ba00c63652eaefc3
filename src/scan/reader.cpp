// Source line reader: cuts one physical line at a time from the source read in blocks, keeps
// it as read, splits off its comment and prepares the rest for the scanner; restarts the source
// for the second pass.
#include "scan/reader.h"

#include <algorithm>
#include <cstring>

#include "diag/diag.h"
#include "driver/base/state.h"
#include "global.h"

char lexbuf[kLexbufSize];
int lexbufpos = 0;
std::FILE* yyin = nullptr;

namespace {

constexpr size_t kLineRead = kLineMax;  // bytes one line read takes at most
constexpr size_t kReadAhead = 64 * 1024;

// The source is read in large blocks; lines are cut from them exactly as fgets with room for
// kLineMax characters would cut them from the stream.
// clang-format off
// name                              start value  meaning
char input[kReadAhead + 1];          // -      bytes read ahead from input_stream, and room
                                     //        for a NUL behind the last
size_t input_pos = 0;                // 0      index in input of the first byte not yet taken
size_t input_end = 0;                // 0      index in input past the last byte read
std::FILE* input_stream = nullptr;   // null   the stream the bytes in input came from
// clang-format on

// Moves the bytes not yet taken to the front of input and reads more behind them. At the end
// of the file, or after a read error, which counts as the end, nothing more arrives.
void refill() {
    const size_t kept = input_end - input_pos;
    std::memmove(input, input + input_pos, kept);
    input_pos = 0;
    input_end = kept + std::fread(input + kept, 1, kReadAhead - kept, yyin);
}

// Copies n bytes from in to out, the letters a to z upper-cased.
void copy_upper_case(char* out, const char* in, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const char c = in[i];
        out[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
}

// Writes the code part of line (up to its first ';', newline or NUL) into lexbuf: tabs
// expanded, letters outside double quotes upper-cased, then a newline. Returns the length of
// the code part. The caller puts a NUL where the line must end at the latest.
size_t prepare_code(const char* line) {
    char* out = lexbuf;
    bool inquote = false;
    const char* p = line;
    for (;;) {
        const size_t run = std::strcspn(p, "\t\";\n");
        if (inquote) {
            std::memcpy(out, p, run);
        } else {
            copy_upper_case(out, p, run);
        }
        out += run;
        p += run;
        if (*p == '\t') {
            const size_t spaces = kTabWidth - static_cast<size_t>(out - lexbuf) % kTabWidth;
            std::memset(out, ' ', spaces);
            out += spaces;
        } else if (*p == '"') {
            inquote = !inquote;
            *out++ = '"';
        } else {
            break;
        }
        ++p;
    }
    *out++ = '\n';
    *out = '\0';
    return static_cast<size_t>(p - line);
}

}  // namespace

int getLine() {
    if (input_stream != yyin) {
        input_pos = input_end = 0;
        input_stream = yyin;
    }
    if (input_end - input_pos < kLineRead) refill();
    char* const line = input + input_pos;
    const size_t limit = std::min(input_end - input_pos, kLineRead);
    if (limit == 0) return -1;

    // Like fgets: the line runs to its first newline or to limit bytes, and its text ends at
    // the first NUL byte. A NUL put behind the limit for a moment bounds the preparation.
    const char behind_limit = line[limit];
    line[limit] = '\0';
    const size_t code_end = prepare_code(line);
    line[limit] = behind_limit;
    size_t length = code_end;
    size_t text_length = code_end;
    if (code_end < limit && line[code_end] == '\n') {
        length = text_length = code_end + 1;
    } else if (code_end < limit) {
        const void* newline = std::memchr(line + code_end, '\n', limit - code_end);
        length = newline != nullptr
                     ? static_cast<size_t>(static_cast<const char*>(newline) - line) + 1
                     : limit;
        const void* nul = std::memchr(line + code_end, '\0', length - code_end);
        text_length =
            nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - line) : length;
    }
    input_pos += length;

    rawLine.clear();
    rawLine.append(line, text_length);
    if (text_length == 0 || line[text_length - 1] != '\n') rawLine.push_back('\n');
    lexbufpos = 0;
    return 0;
}

int yywrap() {
    if (P2 != 0) return 1;
    Free_errMsg_buf();
    P2 = 1;
    csegAddr = 0;
    dsegAddr = 0;
    srcLineNum = 1;
    currSeg = SEG_CODE;
    std::rewind(yyin);
    input_pos = input_end = 0;  // what was read ahead is read again from the start
    return 0;
}

int IsFilenameExtensionValid(const char* fname, const char* ext) {
    const size_t name_length = std::strlen(fname);
    const size_t ext_length = std::strlen(ext);
    if (name_length < ext_length + 1) return 0;
    return std::strcmp(fname + name_length - ext_length, ext) == 0 ? 1 : 0;
}

void Reset_reader() {
    lexbuf[0] = '\0';
    lexbufpos = 0;
    yyin = nullptr;
    input_pos = input_end = 0;
    input_stream = nullptr;
}
