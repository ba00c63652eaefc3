// Fixture for tests that read a source: load() makes a text the whole content of yyin.
#ifndef TEVLIN_TESTS_SCAN_SOURCE_FIXTURE_H_
#define TEVLIN_TESTS_SCAN_SOURCE_FIXTURE_H_

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver/assembler.h"
#include "scan/reader.h"
#include "support/capture.h"

class SourceFixture : public ::testing::Test {
  protected:
    void TearDown() override { Reset_all_state(); }

    // Resets all state and reads source from a fresh stream.
    void load(const std::string& source) {
        Reset_all_state();
        source_ = std::make_unique<CapturedStream>();
        std::fwrite(source.data(), 1, source.size(), source_->get());
        std::rewind(source_->get());
        yyin = source_->get();
    }

    std::unique_ptr<CapturedStream> source_;
};

#endif  // TEVLIN_TESTS_SCAN_SOURCE_FIXTURE_H_
