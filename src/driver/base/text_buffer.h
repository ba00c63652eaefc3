// Output text built in memory with printf's fixed-width fields and handed to a stream in large
// pieces: the listing and the symbol report write millions of short fields.
#ifndef TEVLIN_DRIVER_BASE_TEXT_BUFFER_H_
#define TEVLIN_DRIVER_BASE_TEXT_BUFFER_H_

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

class TextBuffer {
  public:
    // How a number narrower than its field is filled out, as printf's "%0*d", "%*d", "%-*d".
    enum class Fill { kZeros, kBlanksBefore, kBlanksAfter };
    // Room for the digits of any number, its sign and the widest field.
    static constexpr size_t kFieldRoom = 32;

    explicit TextBuffer(std::FILE* file) : file_(file) {}
    ~TextBuffer() { flush(); }
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    /// Appends text as it stands.
    void text(std::string_view text) {
        if (text.size() > kSize - used_) {
            write_through(text);
            return;
        }
        std::memcpy(bytes_ + used_, text.data(), text.size());
        used_ += text.size();
    }
    /// Appends text padded with blanks to width: on the right when left_aligned (as "%-*s"),
    /// else on the left (as "%*s").
    void padded(std::string_view text, int width, bool left_aligned);
    /// Appends value in decimal, at least width (up to 31) characters, filled out as fill says.
    void decimal(int64_t value, int width, Fill fill);
    /// Appends value in upper-case hexadecimal, zero-padded to width (up to 31) (as "%0*X").
    void hex(uint32_t value, int width);
    /// Hands everything appended so far to the stream.
    void flush();

  private:
    static constexpr size_t kSize = size_t{1} << 16;

    void write_through(std::string_view text);
    void put_field(const char* first, size_t length);
    void pad(size_t used, int width);

    std::FILE* file_;
    size_t used_ = 0;
    char bytes_[kSize];
};

#endif  // TEVLIN_DRIVER_BASE_TEXT_BUFFER_H_
