// Cuts the byte stream of the protocol into messages, and frames the messages sent.
#include "lsp/framing.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace {

constexpr std::string_view kHeaderEnd = "\r\n\r\n";
constexpr std::string_view kLength = "content-length:";

// The value of the Content-Length field of header, or nothing when it has none that reads as a
// number.
std::optional<uint64_t> content_length(std::string_view header) {
    for (size_t start = 0; start < header.size();) {
        const size_t end = std::min(header.find("\r\n", start), header.size());
        const std::string_view field = header.substr(start, end - start);
        start = end + 2;
        if (field.size() < kLength.size()) continue;
        bool named = true;
        for (size_t i = 0; i < kLength.size(); i++) {
            named = named && std::tolower(static_cast<unsigned char>(field[i])) == kLength[i];
        }
        if (!named) continue;
        std::string_view digits = field.substr(kLength.size());
        while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
        while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
        if (digits.empty() || digits.size() > 15) return std::nullopt;
        uint64_t length = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9') return std::nullopt;
            length = length * 10 + static_cast<uint64_t>(c - '0');
        }
        return length;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FrameReader::next() {
    for (;;) {
        if (skipping_ > 0) {
            const size_t skipped = std::min(skipping_, pending_.size());
            pending_.erase(0, skipped);
            skipping_ -= skipped;
            if (skipping_ > 0) return std::nullopt;
            return std::string();
        }
        const size_t header_end = pending_.find(kHeaderEnd);
        if (header_end == std::string::npos) {
            // Keep what may still become a header; a line this long is none.
            if (pending_.size() > 64 * 1024) pending_.erase(0, pending_.size() - kHeaderEnd.size());
            return std::nullopt;
        }
        const std::optional<uint64_t> length =
            content_length(std::string_view(pending_).substr(0, header_end));
        const size_t body = header_end + kHeaderEnd.size();
        if (!length) {
            pending_.erase(0, body);
            continue;
        }
        if (*length > kMessageMax) {
            pending_.erase(0, body);
            skipping_ = static_cast<size_t>(*length);
            continue;
        }
        if (pending_.size() - body < *length) return std::nullopt;
        std::string message = pending_.substr(body, static_cast<size_t>(*length));
        pending_.erase(0, body + static_cast<size_t>(*length));
        return message;
    }
}

std::string Frame(std::string_view body) {
    std::string framed = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    framed.append(body);
    return framed;
}
