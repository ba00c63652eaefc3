// Positions as the protocol counts them: lines split at "\n", "\r\n" or "\r", and characters as
// UTF-16 code units, or bytes where the client takes UTF-8. The assembler counts lines split at
// "\n" only and columns as bytes; a document's text is converted at the protocol's edge.
#ifndef TEVLIN_LSP_POSITIONS_H_
#define TEVLIN_LSP_POSITIONS_H_

#include <cstddef>
#include <string_view>
#include <vector>

enum class Encoding { kUtf16, kUtf8 };

struct ClientPosition {
    int line = 0;
    int character = 0;
};

// The protocol's lines of a text, which must outlive the map.
class LineMap {
  public:
    explicit LineMap(std::string_view text);

    /// The position of the byte at offset in the text (or of its end).
    ClientPosition position(size_t offset, Encoding encoding) const;
    /// The offset in the text of position, held to the line's end and to the text's.
    size_t offset(ClientPosition position, Encoding encoding) const;

  private:
    std::string_view line_text(size_t line) const;

    std::string_view text_;
    std::vector<size_t> starts_;
};

#endif  // TEVLIN_LSP_POSITIONS_H_
