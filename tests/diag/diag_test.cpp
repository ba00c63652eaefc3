#include <gtest/gtest.h>

#include <string>

#include "diag/diagnostics.h"
#include "support/capture.h"

namespace {

TEST(DiagnosticsTest, LongLinesAndMessagesAreKeptWhole) {
    const CapturedStream console_stream, log;
    Console console(console_stream.get(), nullptr);
    Diagnostics messages(console, log.get());
    const std::string line(255, 'A'), message(400, 'm');
    messages.error(7, line, message);
    EXPECT_NE(log.text().find(line + "\""), std::string::npos);
    EXPECT_NE(messages.line_messages().find(message + " "), std::string::npos);
}

}  // namespace
