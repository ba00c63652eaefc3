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
        std::fflush(stream_);
        std::string content;
        std::rewind(stream_);
        char chunk[4096];
        size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, stream_)) > 0) content.append(chunk, got);
        std::fseek(stream_, 0, SEEK_END);
        return content;
    }

  private:
    std::FILE* stream_;
};

#endif  // TEVLIN_TESTS_SUPPORT_CAPTURE_H_
