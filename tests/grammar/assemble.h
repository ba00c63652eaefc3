// Runs both passes of the parser over a source text in process and exposes what it built.
#ifndef TEVLIN_TESTS_GRAMMAR_ASSEMBLE_H_
#define TEVLIN_TESTS_GRAMMAR_ASSEMBLE_H_

#include <gtest/gtest.h>

#include "diag/diag.h"
#include "driver/assembler.h"
#include "grammar/parser.h"
#include "listing/items/srclist.h"
#include "scan/reader.h"
#include "scan/tokens.h"
#include "support/capture.h"
#include "symbols/symbols.h"

class GrammarTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset_all_state(); }
    void TearDown() override { Reset_all_state(); }

    /// Parses source as the driver does, printing into console_, and returns the list's items.
    std::vector<const srcItem_t*> assemble(const std::string& source) {
        std::fputs(source.c_str(), source_.get());
        std::rewind(source_.get());
        yyin = source_.get();
        consolefp = console_.get();
        SrcList = Create_srcList();
        Symbol_Table = Create_symTable();
        // Bounded, so that a parser that never reaches the end stops (and the test fails).
        for (int calls = 0; calls < 1000 && !Scanner_input_ended(); calls++) yyparse();
        std::vector<const srcItem_t*> items;
        for (auto* item = SrcList->head; item != nullptr; item = item->next) items.push_back(item);
        return items;
    }

    /// Every symbol in name order as "name=value" and "/line" per reference, space-separated.
    static std::string symbols() {
        std::string text;
        std::vector<const sym_t*> entries;
        for (const auto& block : Symbol_Table->blocks) {
            for (const sym_t& entry : block) entries.push_back(&entry);
        }
        Sort_symbols_by_name(&entries);
        for (const sym_t* entry : entries) {
            text += " " + entry->sym_name + "=" + std::to_string(entry->val);
            for (const int32_t line : entry->xref) text += "/" + std::to_string(line);
        }
        return text.erase(0, 1);
    }

    CapturedStream console_;
    CapturedStream source_;
};

#endif  // TEVLIN_TESTS_GRAMMAR_ASSEMBLE_H_
