// libFuzzer target for the language server: arbitrary bytes are opened as a document and asked
// about at positions that they pick, and then fed to the server as the bytes a client sends.
// It aborts when a reply is no JSON, besides any fault the sanitizers find.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lsp/framing.h"
#include "lsp/server.h"

namespace {

void check(const std::vector<std::string>& replies) {
    for (const std::string& reply : replies) {
        if (Json::parse(reply, nullptr, false).is_discarded()) {
            std::fprintf(stderr, "tevlin-lsp sent text that is no JSON:\n%s\n", reply.c_str());
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    LanguageServer server;
    check(server.receive(R"({"jsonrpc":"2.0","id":0,"method":"initialize","params":{}})"));
    const Json document = {{"uri", "file:///fuzz.asm"}, {"version", 1}, {"text", bytes}};
    check(server.receive(Serialize({{"jsonrpc", "2.0"},
                                    {"method", "textDocument/didOpen"},
                                    {"params", {{"textDocument", document}}}})));
    const char* requests[] = {"textDocument/hover",
                              "textDocument/definition",
                              "textDocument/references",
                              "textDocument/completion",
                              "textDocument/prepareRename",
                              "textDocument/rename",
                              "textDocument/documentHighlight"};
    for (size_t i = 0; i + 1 < size && i < 64; i += 2) {
        const Json params = {
            {"textDocument", {{"uri", "file:///fuzz.asm"}}},
            {"position", {{"line", data[i] % 64}, {"character", data[i + 1] % 96}}},
            {"newName", "R_RENAMED"}};
        check(server.receive(Serialize({{"jsonrpc", "2.0"},
                                        {"id", i + 1},
                                        {"method", requests[(i / 2) % std::size(requests)]},
                                        {"params", params}})));
    }
    check(
        server.receive(Serialize({{"jsonrpc", "2.0"},
                                  {"id", "tokens"},
                                  {"method", "textDocument/semanticTokens/full"},
                                  {"params", {{"textDocument", {{"uri", "file:///fuzz.asm"}}}}}})));
    FrameReader frames;
    frames.feed(bytes);
    while (const std::optional<std::string> message = frames.next())
        check(server.receive(*message));
    return 0;
}
