// The language server's core: the protocol's life cycle, the open documents, and each request
// handed to the feature that answers it.
#include "lsp/server.h"

#include <optional>
#include <utility>

#include "lsp/features.h"

namespace {

// The protocol's error codes.
constexpr int kParseError = -32700;
constexpr int kInvalidRequest = -32600;
constexpr int kMethodNotFound = -32601;
constexpr int kInvalidParams = -32602;
constexpr int kServerNotInitialized = -32002;
constexpr int kRequestFailed = -32803;

constexpr int kIncrementalSync = 2;

Json error_reply(const Json& id, int code, const std::string& message) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}};
}

// The requests about an open document, each with the feature that answers it; a rename, which
// may be refused, is answered apart.
using Answer = Json (*)(const Document&, const Json&);
constexpr struct {
    const char* method;
    Answer answer;
} kAnswers[] = {
    {"textDocument/hover", Hover_at},
    {"textDocument/definition", Definition_of},
    {"textDocument/references", References_to},
    {"textDocument/documentHighlight", Highlights_of},
    {"textDocument/documentSymbol",
     [](const Document& d, const Json&) { return Document_symbols(d); }},
    {"textDocument/completion", Completion_at},
    {"textDocument/prepareRename", Prepare_rename},
    {"textDocument/semanticTokens/full",
     [](const Document& d, const Json&) { return Semantic_tokens(d); }},
};

Json capabilities(Encoding encoding) {
    return {
        {"positionEncoding", encoding == Encoding::kUtf8 ? "utf-8" : "utf-16"},
        {"textDocumentSync", {{"openClose", true}, {"change", kIncrementalSync}}},
        {"hoverProvider", true},
        {"definitionProvider", true},
        {"referencesProvider", true},
        {"documentHighlightProvider", true},
        {"documentSymbolProvider", true},
        {"completionProvider", {{"triggerCharacters", {",", "(", "."}}}},
        {"renameProvider", {{"prepareProvider", true}}},
        {"semanticTokensProvider", {{"legend", Semantic_token_legend()}, {"full", true}}},
    };
}

}  // namespace

std::vector<std::string> LanguageServer::receive(std::string_view message) {
    std::vector<std::string> out;
    const Json parsed = Json::parse(message, nullptr, false);
    if (parsed.is_discarded()) {
        out.push_back(Serialize(error_reply(nullptr, kParseError, "the message is no JSON")));
        return out;
    }
    const Json* method = Member(&parsed, "method");
    const Json* id = Member(&parsed, "id");
    const bool valid_id = id != nullptr && (id->is_string() || id->is_number_integer());
    if (method == nullptr || !method->is_string() || (id != nullptr && !valid_id)) {
        // A reply of the client to a request of the server's, or no message of the protocol.
        if (!parsed.is_object() || method != nullptr || id == nullptr) {
            out.push_back(Serialize(
                error_reply(valid_id ? *id : Json(nullptr), kInvalidRequest, "not a request")));
        }
        return out;
    }
    const Json* params = Member(&parsed, "params");
    const Json no_params = Json::object();
    const std::string name = method->get<std::string>();
    if (id == nullptr) {
        notification(name, params != nullptr ? *params : no_params, out);
        return out;
    }
    out.push_back(Serialize(request(name, params != nullptr ? *params : no_params, *id)));
    return out;
}

void LanguageServer::notification(const std::string& method, const Json& params,
                                  std::vector<std::string>& out) {
    if (method == "exit") {
        exited_ = true;
        return;
    }
    if (!initialized_ || shut_down_) return;
    const std::string uri = Text_of(Member(Member(&params, "textDocument"), "uri"));
    const int version = Number_of(Member(Member(&params, "textDocument"), "version"), 0);
    if (method == "textDocument/didOpen") {
        auto& document = documents_[uri];
        document = std::make_unique<Document>(
            uri, version, Text_of(Member(Member(&params, "textDocument"), "text")), encoding_);
        out.push_back(Diagnostics_of(*document));
    } else if (method == "textDocument/didChange") {
        const auto found = documents_.find(uri);
        if (found == documents_.end()) return;
        const Json* changes = Member(&params, "contentChanges");
        found->second->change(version, changes != nullptr ? *changes : Json::array());
        out.push_back(Diagnostics_of(*found->second));
    } else if (method == "textDocument/didClose") {
        if (documents_.erase(uri) == 0) return;
        out.push_back(Serialize({{"jsonrpc", "2.0"},
                                 {"method", "textDocument/publishDiagnostics"},
                                 {"params", {{"uri", uri}, {"diagnostics", Json::array()}}}}));
    }
}

Json LanguageServer::request(const std::string& method, const Json& params, const Json& id) {
    if (method == "initialize") {
        if (initialized_) return error_reply(id, kInvalidRequest, "already initialized");
        initialized_ = true;
        return {{"jsonrpc", "2.0"}, {"id", id}, {"result", initialize(params)}};
    }
    if (!initialized_) return error_reply(id, kServerNotInitialized, "not initialized yet");
    if (shut_down_) return error_reply(id, kInvalidRequest, "the server has shut down");
    if (method == "shutdown") {
        shut_down_ = true;
        documents_.clear();
        return {{"jsonrpc", "2.0"}, {"id", id}, {"result", nullptr}};
    }
    return document_request(method, params, id);
}

Json LanguageServer::initialize(const Json& params) {
    const Json* encodings =
        Member(Member(Member(&params, "capabilities"), "general"), "positionEncodings");
    encoding_ = Encoding::kUtf16;
    if (encodings != nullptr && encodings->is_array()) {
        for (const Json& offered : *encodings) {
            if (offered.is_string() && offered.get<std::string>() == "utf-8") {
                encoding_ = Encoding::kUtf8;
            }
        }
    }
    return {{"capabilities", capabilities(encoding_)},
            {"serverInfo", {{"name", "tevlin-lsp"}, {"version", TEVLIN_VERSION}}}};
}

Json LanguageServer::document_request(const std::string& method, const Json& params,
                                      const Json& id) {
    const bool rename = method == "textDocument/rename";
    Answer answer = nullptr;
    for (const auto& row : kAnswers) {
        if (method == row.method) answer = row.answer;
    }
    if (answer == nullptr && !rename) {
        return error_reply(id, kMethodNotFound, "tevlin-lsp does not answer " + method);
    }
    const std::string uri = Text_of(Member(Member(&params, "textDocument"), "uri"));
    const auto found = documents_.find(uri);
    if (found == documents_.end()) {
        return error_reply(id, kInvalidParams, "the document is not open: " + uri);
    }
    if (rename) {
        std::string refusal;
        Json edit = Rename(*found->second, params, refusal);
        if (edit.is_null()) return error_reply(id, kRequestFailed, refusal);
        return {{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(edit)}};
    }
    return {{"jsonrpc", "2.0"}, {"id", id}, {"result", answer(*found->second, params)}};
}

bool Answer_next_frame(LanguageServer& server, FrameReader& frames, std::string& out) {
    if (server.exited()) return false;
    const std::optional<std::string> message = frames.next();
    if (!message) return false;
    for (const std::string& reply : server.receive(*message)) out += Frame(reply);
    return true;
}
