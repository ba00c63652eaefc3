#include "diag/diag.h"

#include <gtest/gtest.h>

#include "driver/assembler.h"
#include "driver/files.h"
#include "driver/state.h"
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

TEST_F(DiagTest, ErrorsAreNumberedPrintedLoggedAndJoinedOnTheirLine) {
    srcLineNum = 12;
    errCnt = 2;
    rawLine = "\tadd r1, %s ; sum\r\n";
    perrMsg("Register must be in range [0,31]");
    perrMsg("label \"%s%n\" has not been defined!");
    yyerror("syntax error");

    EXPECT_EQ(console_.text(),
              "**ERROR # 3:  line# (0012) => Register must be in range [0,31] \n"
              "**ERROR # 4:  line# (0012) => label \"%s%n\" has not been defined! \n");
    EXPECT_EQ(log_.text(),
              "ERROR # 3:  line# (0012): Register must be in range [0,31]    \n"
              "                  \"\tadd r1, %s ; sum\r\"\n\n"
              "ERROR # 4:  line# (0012): label \"%s%n\" has not been defined!    \n"
              "                  \"\tadd r1, %s ; sum\r\"\n\n");
    EXPECT_EQ(errMsg,
              "**ERROR # 3:  line# (0012) => Register must be in range [0,31] \n"
              "            **ERROR # 4:  line# (0012) => label \"%s%n\" has not been defined! \n"
              "            syntax error");
    EXPECT_EQ(errCnt, 4);  // the syntax error is not counted
    Free_errMsg_buf();
    EXPECT_TRUE(errMsg.empty());
}

TEST_F(DiagTest, WarningLayouts) {
    srcLineNum = 7;
    rawLine = "NOP ; x\n";
    pwarnMsg("careful");
    EXPECT_EQ(console_.text(), "WARNING # 1 line# (0007) => careful\n");
    EXPECT_EQ(log_.text(), "WARNING # 1 line# (0007): careful    \"NOP ; x\" \n");
    EXPECT_EQ(errMsg, "WARNING # 1 line# (0007) => careful\n");
    EXPECT_EQ(warnCnt, 1);
    EXPECT_EQ(errCnt, 0);
}

TEST_F(DiagTest, LongLinesAndMessagesAreKeptWhole) {
    rawLine = std::string(255, 'A') + "\n";
    const std::string message(400, 'm');
    perrMsg(message.c_str());
    EXPECT_NE(log_.text().find(std::string(255, 'A') + "\""), std::string::npos);
    EXPECT_NE(errMsg.find(message + " "), std::string::npos);
}

}  // namespace
