// The framing of the language server protocol: each message a header of "Content-Length: N"
// (other header fields are read past), an empty line, and N bytes of JSON.
#ifndef TEVLIN_LSP_FRAMING_H_
#define TEVLIN_LSP_FRAMING_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The longest message read whole; the bytes of a longer one are read past, and it is taken as
// an empty message, which is no JSON.
constexpr size_t kMessageMax = 256 * 1024 * 1024;

// Cuts the bytes that come in into messages. A header that cannot be read is given up, and the
// bytes after it are searched for the next header.
class FrameReader {
  public:
    /// Takes bytes that came in.
    void feed(std::string_view bytes) { pending_.append(bytes); }
    /// The next whole message, or nothing until more bytes come.
    std::optional<std::string> next();

  private:
    std::string pending_;
    size_t skipping_ = 0;  // bytes of a message too long to keep that are still to come
};

/// body with its header, ready to send.
std::string Frame(std::string_view body);

#endif  // TEVLIN_LSP_FRAMING_H_
