// Runs both passes of the parser over a source text in process and exposes what it built.
#ifndef TEVLIN_TESTS_GRAMMAR_ASSEMBLE_H_
#define TEVLIN_TESTS_GRAMMAR_ASSEMBLE_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diag/diag.h"
#include "driver/assembler.h"
#include "driver/files.h"
#include "grammar/parser.h"
#include "listing/srclist.h"
#include "scan/reader.h"
#include "scan/tokens.h"
#include "support/capture.h"
#include "symbols/symbols.h"

class GrammarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Reset_all_state();
        consolefp = console_.get();
        errfp = log_.get();
    }
    void TearDown() override {
        errfp = nullptr;
        yyin = nullptr;
        Reset_all_state();
    }

    /// Parses source as the driver does and returns the items of the list.
    std::vector<const srcItem_t*> assemble(const std::string& source) {
        std::fwrite(source.data(), 1, source.size(), source_.get());
        std::rewind(source_.get());
        yyin = source_.get();
        SrcList = Create_srcList();
        Symbol_Table = Create_symTable();
        // Bounded, so that a parser that never reaches the end fails instead of hanging.
        for (int calls = 0; calls < 1000 && !Scanner_input_ended(); calls++) yyparse();
        EXPECT_TRUE(Scanner_input_ended());
        std::vector<const srcItem_t*> items;
        for (const srcItem_t* item = SrcList->head; item != nullptr; item = item->next) {
            items.push_back(item);
        }
        return items;
    }

    /// The entry of name (an absent name throws, which fails the test).
    static const sym_t& sym(const std::string& name) { return Symbol_Table->entries.at(name); }

    /// How often text occurs in what was printed on the console.
    size_t console_count(const std::string& text) const {
        const std::string console = console_.text();
        size_t count = 0;
        for (size_t at = console.find(text); at != std::string::npos;
             at = console.find(text, at + 1)) {
            count++;
        }
        return count;
    }

    CapturedStream console_;
    CapturedStream log_;
    CapturedStream source_;
};

// Whether an item's message contains text.
inline bool has_message(const srcItem_t* item, const std::string& text) {
    return item->err_msg.find(text) != std::string::npos;
}

#endif  // TEVLIN_TESTS_GRAMMAR_ASSEMBLE_H_
