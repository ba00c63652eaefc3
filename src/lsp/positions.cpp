// Converts between byte offsets of a text and the protocol's lines and characters.
#include "lsp/positions.h"

#include <algorithm>
#include <cstring>

namespace {

// The number of bytes of the UTF-8 character that starts with lead, 1 for a byte that starts
// none; the text of a document came as JSON, so its UTF-8 is well formed.
size_t utf8_length(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

LineMap::LineMap(std::string_view text) : text_(text), starts_{0} {
    const bool carriage_returns = text.find('\r') != std::string_view::npos;
    for (size_t i = 0; i < text.size(); i++) {
        if (!carriage_returns) {
            const void* newline = std::memchr(text.data() + i, '\n', text.size() - i);
            if (newline == nullptr) break;
            i = static_cast<size_t>(static_cast<const char*>(newline) - text.data());
        } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            i++;
        }
        if (text[i] == '\n' || text[i] == '\r') starts_.push_back(i + 1);
    }
}

std::string_view LineMap::line_text(size_t line) const {
    const size_t start = starts_[line];
    size_t end = line + 1 < starts_.size() ? starts_[line + 1] : text_.size();
    while (end > start && (text_[end - 1] == '\n' || text_[end - 1] == '\r')) end--;
    return text_.substr(start, end - start);
}

ClientPosition LineMap::position(size_t offset, Encoding encoding) const {
    offset = std::min(offset, text_.size());
    const size_t line =
        static_cast<size_t>(std::upper_bound(starts_.begin(), starts_.end(), offset) -
                            starts_.begin()) -
        1;
    const std::string_view before = text_.substr(starts_[line], offset - starts_[line]);
    if (encoding == Encoding::kUtf8) {
        return {static_cast<int>(line), static_cast<int>(before.size())};
    }
    int units = 0;
    for (size_t i = 0; i < before.size();) {
        const size_t length = utf8_length(static_cast<unsigned char>(before[i]));
        units += length == 4 ? 2 : 1;
        i += length;
    }
    return {static_cast<int>(line), units};
}

size_t LineMap::offset(ClientPosition position, Encoding encoding) const {
    if (position.line < 0) return 0;
    if (static_cast<size_t>(position.line) >= starts_.size()) return text_.size();
    const size_t line = static_cast<size_t>(position.line);
    const std::string_view text = line_text(line);
    const size_t wanted = static_cast<size_t>(std::max(position.character, 0));
    if (encoding == Encoding::kUtf8) return starts_[line] + std::min(wanted, text.size());
    size_t units = 0;
    size_t i = 0;
    while (i < text.size() && units < wanted) {
        const size_t length = utf8_length(static_cast<unsigned char>(text[i]));
        units += length == 4 ? 2 : 1;
        i = std::min(i + length, text.size());
    }
    return starts_[line] + i;
}
