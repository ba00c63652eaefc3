// Entry point of tevlin-lsp: the language server over standard input and output, one message
// of the protocol after another, until the client tells it to exit or closes its input.
#include <cstdio>
#include <string>
#include <string_view>

#include "lsp/framing.h"
#include "lsp/server.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr char kHelp[] = R"(Usage: tevlin-lsp

The language server of the tevlin assembler: editors that speak the Language
Server Protocol start it and talk to it over its standard input and output.
It assembles each open document from the editor's memory after every change,
with the same front end as tevlin, and answers with its messages and their
notes, hover, definitions, references, an outline, completion, renaming and
semantic tokens. It reads and writes no file.

Options (each alone on the command line):
  -h, --help     print this help and exit
  --version      print the version and exit

Exit codes: 0 after the client's shutdown and exit, 1 otherwise.
The manual page tevlin-lsp(1) and the README show how editors start it.
)";

// Reads what standard input has, waiting for at least one byte; 0 at its end.
long read_input(char* buffer, unsigned size) {
#ifdef _WIN32
    return _read(0, buffer, size);
#else
    return static_cast<long>(::read(0, buffer, size));
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::fputs("tevlin-lsp " TEVLIN_VERSION "\n", stdout);
        return 0;
    }
    if (argc != 1) {
        std::fputs(kHelp, stderr);
        return 1;
    }
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    LanguageServer server;
    FrameReader frames;
    char buffer[64 * 1024];
    for (long got; !server.exited() && (got = read_input(buffer, sizeof buffer)) > 0;) {
        frames.feed(std::string_view(buffer, static_cast<size_t>(got)));
        for (std::string out; Answer_next_frame(server, frames, out); out.clear()) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            std::fflush(stdout);
        }
    }
    return server.exit_code();
}
