// The hand-made fields must give exactly what the printf formats they replace give.
#include "driver/base/text_buffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "support/capture.h"

namespace {

// The four printf fields, separated by bars: "%0*d", "%*d", "%-*d" and "%0*X".
std::string printf_fields(long long value, int width) {
    char text[128];
    std::snprintf(text, sizeof text, "%0*lld|%*lld|%-*lld|%0*llX", width, value, width, value,
                  width, value, width, value & 0xFFFFFFFF);
    return text;
}

TEST(TextBufferTest, FieldsMatchPrintf) {
    const long long values[] = {0, 5, -5, 9, 10, 1023, 10000, -10000, INT_MAX, INT_MIN};
    for (const long long value : values) {
        for (const int width : {0, 1, 3, 4, 5, 12}) {
            SCOPED_TRACE(std::to_string(value) + " width " + std::to_string(width));
            CapturedStream out;
            {
                TextBuffer buffer(out.get());
                for (const auto fill : {TextBuffer::Fill::kZeros, TextBuffer::Fill::kBlanksBefore,
                                        TextBuffer::Fill::kBlanksAfter}) {
                    buffer.decimal(value, width, fill);
                    buffer.text("|");
                }
                buffer.hex(static_cast<uint32_t>(value), width);
            }
            EXPECT_EQ(out.text(), printf_fields(value, width));
        }
    }
}

TEST(TextBufferTest, LongTextsKeepTheirOrder) {
    CapturedStream out;
    const std::string long_text(200000, 'x');
    {
        TextBuffer buffer(out.get());
        buffer.padded("AB", 5, true);
        buffer.text(long_text);
        buffer.padded("CD", 40, false);
    }
    EXPECT_EQ(out.text(), "AB   " + long_text + std::string(38, ' ') + "CD");
}

}  // namespace
