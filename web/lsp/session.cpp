// tevlin-lsp as a WebAssembly module, for the page's worker and for tevlin-lsp.mjs under Node.js:
// a session holds one language server and takes either one message at a time (the page) or the
// bytes of the protocol's stream (a command on standard input), and gives the text to send.
#include <emscripten/emscripten.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "lsp/framing.h"
#include "lsp/server.h"

struct Session {
    LanguageServer server;
    FrameReader frames;
    std::string out;  // what the last call gives, until the next call
};

extern "C" {

EMSCRIPTEN_KEEPALIVE Session* session_create() { return new Session; }

/// The messages to send in answer to message (size bytes of JSON), each ended by a line feed,
/// which the JSON text of a message never holds.
EMSCRIPTEN_KEEPALIVE const char* session_receive(Session* session, const char* message,
                                                 size_t size) {
    session->out.clear();
    for (const std::string& reply : session->server.receive(std::string_view(message, size))) {
        session->out += reply;
        session->out += '\n';
    }
    return session->out.c_str();
}

/// Takes size bytes of the stream; the framed messages to send in answer to the whole messages
/// that have come, as the native program writes them. Messages after the client's exit are left.
EMSCRIPTEN_KEEPALIVE const char* session_feed(Session* session, const char* bytes, size_t size) {
    session->out.clear();
    session->frames.feed(std::string_view(bytes, size));
    while (Answer_next_frame(session->server, session->frames, session->out)) {
    }
    return session->out.c_str();
}

/// Whether the client has told the server to exit.
EMSCRIPTEN_KEEPALIVE int session_exited(const Session* session) {
    return session->server.exited() ? 1 : 0;
}

/// The exit code, whether the client told the server to exit or closed the stream.
EMSCRIPTEN_KEEPALIVE int session_exit_code(const Session* session) {
    return session->server.exit_code();
}
}
