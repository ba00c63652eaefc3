// Text of one output file, formatted in memory and handed to its stream in large pieces: the
// listing and the symbol report write millions of short lines.
#ifndef TEVLIN_BASE_TEXT_OUTPUT_H_
#define TEVLIN_BASE_TEXT_OUTPUT_H_

#include <fmt/compile.h>
#include <fmt/format.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>

class TextOutput {
  public:
    /// Hands the text to file, which stays open.
    explicit TextOutput(std::FILE* file) : file_(file) {}
    /// Appends the text to text.
    explicit TextOutput(std::string* text) : text_(text) {}
    ~TextOutput() { flush(); }
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;

    /// Appends args formatted by format, a FMT_COMPILE string checked when compiled.
    template <typename Format, typename... Args>
    void print(const Format& format, const Args&... args) {
        fmt::format_to(std::back_inserter(buffer_), format, args...);
        if (buffer_.size() >= kFlushSize) flush();
    }

    /// Appends text as it stands.
    void text(std::string_view text) {
        buffer_.append(text);
        if (buffer_.size() >= kFlushSize) flush();
    }

    /// Hands everything appended so far to the stream or the string.
    void flush() {
        if (file_ != nullptr) {
            std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
        } else {
            text_->append(buffer_.data(), buffer_.size());
        }
        buffer_.clear();
    }

  private:
    static constexpr size_t kFlushSize = size_t{1} << 16;

    std::FILE* file_ = nullptr;
    std::string* text_ = nullptr;
    fmt::memory_buffer buffer_;
};

#endif  // TEVLIN_BASE_TEXT_OUTPUT_H_
