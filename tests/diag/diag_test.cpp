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

TEST_F(DiagTest, ErrorGoesToConsoleLogAndLineMessage) {
    srcLineNum = 12;
    errCnt = 2;
    rawLine = "\tadd r1, r40 ; sum\n";
    perrMsg("Register must be in range [0,31]");

    EXPECT_EQ(console_.text(), "**ERROR # 3:  line# (0012) => Register must be in range [0,31] \n");
    EXPECT_EQ(log_.text(),
              "ERROR # 3:  line# (0012): Register must be in range [0,31]    \n"
              "                  \"\tadd r1, r40 ; sum\"\n\n");
    EXPECT_EQ(errMsg, "**ERROR # 3:  line# (0012) => Register must be in range [0,31] ");
    EXPECT_EQ(errCnt, 3);
}

TEST_F(DiagTest, MessageTextIsNeverAFormat) {
    rawLine = "x %s %n\n";
    perrMsg("label \"%s%d%n\" has not been defined!");
    EXPECT_EQ(errMsg, "**ERROR # 1:  line# (0001) => label \"%s%d%n\" has not been defined! ");
    EXPECT_NE(log_.text().find("\"x %s %n\""), std::string::npos);
}

TEST_F(DiagTest, OnlyTheFinalNewlineIsDroppedFromTheLoggedLine) {
    rawLine = "NOP\r\n";
    perrMsg("m");
    EXPECT_EQ(log_.text(), "ERROR # 1:  line# (0001): m    \n                  \"NOP\r\"\n\n");
}

TEST_F(DiagTest, MessagesOfOneLineAreJoinedUnderEachOther) {
    rawLine = "ADD R40, R33\n";
    perrMsg("first");
    perrMsg("second");
    yyerror("syntax error");
    EXPECT_EQ(errMsg,
              "**ERROR # 1:  line# (0001) => first \n"
              "            **ERROR # 2:  line# (0001) => second \n"
              "            syntax error");
    Free_errMsg_buf();
    EXPECT_TRUE(errMsg.empty());
}

TEST_F(DiagTest, SyntaxErrorTextIsNeitherPrintedNorCounted) {
    yyerror("syntax error");
    EXPECT_EQ(errCnt, 0);
    EXPECT_EQ(console_.text(), "");
    EXPECT_EQ(log_.text(), "");
    EXPECT_EQ(errMsg, "syntax error");
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

TEST_F(DiagTest, PostErrorFormatsOneNumber) {
    posterror("value %d", 42);
    EXPECT_EQ(errMsg, "value 42");
    EXPECT_EQ(errCnt, 0);
}

}  // namespace
