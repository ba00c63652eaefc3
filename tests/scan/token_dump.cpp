// Lists the tokens that the reader and scanner find in the first pass over one source: one line
// per token with its line, column and length in the source as written, and its class. The
// editor grammar's differential test compares this list with the grammar's scopes.
#include <cstdio>
#include <string>
#include <vector>

#include "driver/assembler.h"
#include "driver/base/state.h"
#include "scan/reader.h"
#include "scan/tokens.h"
#include "support/session.h"

namespace {

// The class of a token as the editor colours it; null for the line end, which is no token
// there.
const char* token_class(int code) {
    if (code >= Mnemonic_token(0) && code < Mnemonic_token(kMnemonicCount)) return "MNEMONIC";
    if (code >= Directive_token(0) && code < kTokenLimit) return "DIRECTIVE";
    switch (code) {
        case EOL:
            return nullptr;
        case REG:
            return "REG";
        case INDREG:
            return "INDREG";
        case REGNAME:
            return "REGNAME";
        case INDREGNAME:
            return "INDREGNAME";
        case NUM:
            return "NUM";
        case SYMBOL:
            return "SYMBOL";
        case STRING:
            return "STRING";
        case OTHERCHAR:
            return "OTHERCHAR";
        case TOK_COLON:
            return "COLON";
        case TOK_COMMA:
            return "COMMA";
        case TOK_EQUALS:
            return "EQUALS";
        default:
            return "UNKNOWN";
    }
}

// Where one line of the reader lies in the source, and which source byte each column of the
// prepared line came from (a tab gives several columns).
struct ReaderLine {
    size_t length = 0;       // source bytes the reader took for the line
    size_t code_length = 0;  // bytes before the comment, the line end or a NUL
    std::vector<size_t> byte_of_column;
};

// The reader takes a line up to and including its newline, but at most kLineMax bytes; the
// prepared copy stops at the first ';', newline or NUL, and a tab runs to the next tab stop.
ReaderLine locate_line(const std::string& source, size_t start) {
    ReaderLine line;
    while (start + line.length < source.size() && line.length < static_cast<size_t>(kLineMax)) {
        if (source[start + line.length++] == '\n') break;
    }
    size_t i = 0;
    for (; i < line.length; ++i) {
        const char c = source[start + i];
        if (c == ';' || c == '\n' || c == '\0') break;
        const size_t columns =
            c == '\t' ? kTabWidth - line.byte_of_column.size() % kTabWidth : size_t{1};
        line.byte_of_column.insert(line.byte_of_column.end(), columns, i);
    }
    line.code_length = i;
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SOURCE\n", argv[0]);
        return 2;
    }
    std::FILE* stream = std::fopen(argv[1], "rb");
    if (stream == nullptr) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 2;
    }
    const std::string source = Read_file(argv[1]);
    Reset_all_state();
    yyin = stream;

    // Position of the reader line being scanned: its start in the source, its physical line
    // (an over-long line is read in pieces) and the column of the piece in that line.
    size_t line_start = 0, line_number = 1, piece_column = 0;
    ReaderLine line;
    bool line_loaded = false;  // false until the first token of the next reader line
    int previous_end = 0;      // column in lexbuf where the previous token ended

    for (int code = yylex(); code != TOK_END && P2 == 0; code = yylex()) {
        if (!line_loaded) {
            line = locate_line(source, line_start);
            line_loaded = true;
            previous_end = 0;
            // The reader keeps the line as read, up to a NUL; any other text means that it cut
            // the line elsewhere and the positions below would be wrong.
            const std::string located = source.substr(line_start, line.length);
            const std::string text = located.substr(0, located.find('\0'));
            if (rawLine.compare(0, text.size(), text) != 0) {
                std::fprintf(stderr, "%s: the reader's line %zu is not where it was expected\n",
                             argv[1], line_number);
                return 1;
            }
        }
        // The scanner skips blanks before a token, and only spaces and carriage returns.
        int start = previous_end;
        while (lexbuf[start] == ' ' || lexbuf[start] == '\r') ++start;
        const int end = lexbufpos;
        previous_end = end;

        if (const char* name = token_class(code)) {
            const size_t first = line.byte_of_column[static_cast<size_t>(start)];
            const size_t last = line.byte_of_column[static_cast<size_t>(end - 1)];
            std::printf("%zu %zu %zu %s\n", line_number, piece_column + first, last + 1 - first,
                        name);
        }
        if (code != EOL) continue;

        // The comment runs from the first ';' to the end of the line's text.
        if (line.code_length < rawLine.size() && rawLine[line.code_length] == ';') {
            std::printf("%zu %zu %zu COMMENT\n", line_number, piece_column + line.code_length,
                        rawLine.size() - 1 - line.code_length);
        }
        line_start += line.length;
        if (source[line_start - 1] == '\n') {
            ++line_number;
            piece_column = 0;
        } else {
            piece_column += line.length;
        }
        line_loaded = false;
    }
    Reset_all_state();
    std::fclose(stream);
    return 0;
}
