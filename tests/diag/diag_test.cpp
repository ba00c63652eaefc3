#include "diag/diag.h"

#include <gtest/gtest.h>

#include "driver/assembler.h"
#include "driver/base/files.h"
#include "driver/base/state.h"
#include "support/capture.h"

namespace {

class DiagTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Reset_all_state();
        consolefp = console_.get();
        errfp = log_.get();
    }
    void TearDown() override {
        errfp = nullptr;
        Reset_all_state();
    }

    CapturedStream console_;
    CapturedStream log_;
};

TEST_F(DiagTest, LongLinesAndMessagesAreKeptWhole) {
    rawLine = std::string(255, 'A') + "\n";
    const std::string message(400, 'm');
    perrMsg(message.c_str());
    EXPECT_NE(log_.text().find(std::string(255, 'A') + "\""), std::string::npos);
    EXPECT_NE(errMsg.find(message + " "), std::string::npos);
}

}  // namespace
