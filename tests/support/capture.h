// Temporary streams for tests: hand one to the code under test, then read back what it wrote.
#ifndef TEVLIN_TESTS_SUPPORT_CAPTURE_H_
#define TEVLIN_TESTS_SUPPORT_CAPTURE_H_

#include <cstdio>
#include <string>

class CapturedStream {
  public:
    CapturedStream() : stream_(std::tmpfile()) {}
    /// A stream that holds text, read from its start.
    explicit CapturedStream(const std::string& text) : CapturedStream() {
        std::fwrite(text.data(), 1, text.size(), stream_);
        std::rewind(stream_);
    }
    ~CapturedStream() {
        if (stream_ != nullptr) std::fclose(stream_);
    }
    CapturedStream(const CapturedStream&) = delete;
    CapturedStream& operator=(const CapturedStream&) = delete;

    std::FILE* get() const { return stream_; }

    /// Everything written so far.
    std::string text() const {
        std::string content(static_cast<size_t>(std::ftell(stream_)), '\0');
        std::rewind(stream_);
        content.resize(std::fread(content.data(), 1, content.size(), stream_));
        return content;
    }

  private:
    std::FILE* stream_;
};

#endif  // TEVLIN_TESTS_SUPPORT_CAPTURE_H_
