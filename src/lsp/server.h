// The language server's core: it takes one message of the protocol at a time and gives the
// messages to send in answer, with nothing to wait for in between, so that a loop over the
// standard streams or a Worker in a page can drive it alike.
#ifndef TEVLIN_LSP_SERVER_H_
#define TEVLIN_LSP_SERVER_H_

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/document.h"
#include "lsp/framing.h"
#include "lsp/json.h"

class LanguageServer {
  public:
    /// The messages to send in answer to message (JSON text without its header).
    std::vector<std::string> receive(std::string_view message);

    /// Whether the client has told the server to exit.
    bool exited() const { return exited_; }
    /// The exit code then: 0 after a shutdown request, 1 without.
    int exit_code() const { return shut_down_ ? 0 : 1; }

  private:
    void notification(const std::string& method, const Json& params, std::vector<std::string>& out);
    Json request(const std::string& method, const Json& params, const Json& id);
    Json initialize(const Json& params);
    Json document_request(const std::string& method, const Json& params, const Json& id);

    std::map<std::string, std::unique_ptr<Document>> documents_;
    Encoding encoding_ = Encoding::kUtf16;
    bool initialized_ = false;
    bool shut_down_ = false;
    bool exited_ = false;
};

/// Answers the next whole message that frames holds, unless the client has told server to exit:
/// appends the framed replies to out and returns true, or returns false when there is none.
bool Answer_next_frame(LanguageServer& server, FrameReader& frames, std::string& out);

#endif  // TEVLIN_LSP_SERVER_H_
