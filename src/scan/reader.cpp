// Source line reader: reads one physical line at a time, keeps it as read, splits off its
// comment and prepares the rest for the scanner; restarts the source for the second pass.
#include "scan/reader.h"

#include <algorithm>
#include <cstring>

#include "diag/diag.h"
#include "driver/state.h"
#include "global.h"

std::string lexbuf;
int lexbufpos = 0;
std::FILE* yyin = nullptr;

namespace {

constexpr int kTabWidth = 8;

// Fills lexbuf from the first code_end characters of rawLine: tabs expanded to the next
// multiple of kTabWidth, letters outside double quotes upper-cased, a newline at the end.
void prepare_line(size_t code_end) {
    // Room for the longest expansion; the capacity stays for the next line.
    lexbuf.resize(code_end * kTabWidth + 1);
    char* const begin = &lexbuf[0];
    char* out = begin;
    bool inquote = false;
    for (size_t i = 0; i < code_end; ++i) {
        char c = rawLine[i];
        if (c == '\t') {
            const size_t column = static_cast<size_t>(out - begin);
            const size_t spaces = kTabWidth - column % kTabWidth;
            std::memset(out, ' ', spaces);
            out += spaces;
            continue;
        }
        if (c == '"') inquote = !inquote;
        if (!inquote && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        *out++ = c;
    }
    *out++ = '\n';
    lexbuf.resize(static_cast<size_t>(out - begin));
}

}  // namespace

int getLine() {
    // Read like fgets with room for kLineMax characters: the text ends at the first NUL byte,
    // and a read error counts as the end of the file.
    char text[kLineMax + 1];
    if (std::fgets(text, sizeof text, yyin) == nullptr) return -1;
    rawLine.assign(text);
    if (rawLine.empty() || rawLine.back() != '\n') rawLine.push_back('\n');

    // The first ';' starts the comment, inside double quotes too.
    const size_t semicolon = rawLine.find(';');
    const size_t code_end = std::min(semicolon, rawLine.size() - 1);
    if (semicolon == std::string::npos) {
        currComment.clear();
    } else {
        currComment.assign(rawLine, semicolon, rawLine.size() - 1 - semicolon);
    }
    prepare_line(code_end);
    lexbufpos = 0;
    return 0;
}

int yygetc() {
    if (static_cast<size_t>(lexbufpos) >= lexbuf.size() && getLine() == -1) return -1;
    return static_cast<unsigned char>(lexbuf[static_cast<size_t>(lexbufpos++)]);
}

int my_input(char* buf, int maxlen) {
    if (maxlen <= 0) return 0;
    const int first = yygetc();
    if (first == -1) return 0;
    buf[0] = static_cast<char>(first);
    // The rest of the line goes over in one copy rather than a call per character.
    const size_t rest =
        std::min(static_cast<size_t>(maxlen - 1), lexbuf.size() - static_cast<size_t>(lexbufpos));
    std::memcpy(buf + 1, lexbuf.data() + lexbufpos, rest);
    lexbufpos += static_cast<int>(rest);
    return static_cast<int>(rest) + 1;
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
    return 0;
}

int IsFilenameExtensionValid(const char* fname, const char* ext) {
    const size_t name_length = std::strlen(fname);
    const size_t ext_length = std::strlen(ext);
    if (name_length < ext_length + 1) return 0;
    return std::strcmp(fname + name_length - ext_length, ext) == 0 ? 1 : 0;
}

void Reset_reader() {
    lexbuf.clear();
    lexbufpos = 0;
    yyin = nullptr;
}
