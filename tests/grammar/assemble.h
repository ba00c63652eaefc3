// Runs both passes of the parser over a source text in process and exposes what it built.
#ifndef TEVLIN_TESTS_GRAMMAR_ASSEMBLE_H_
#define TEVLIN_TESTS_GRAMMAR_ASSEMBLE_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diag/diagnostics.h"
#include "grammar/program.h"
#include "scan/scanner.h"
#include "support/capture.h"

class GrammarTest : public ::testing::Test {
  protected:
    /// Assembles source as the driver does, printing into console_, and returns the items.
    std::vector<const Item*> assemble(const std::string& source) {
        const CapturedStream stream(source);
        Scanner scanner(stream.get());
        Assemble(scanner, messages_, program_);
        std::vector<const Item*> items;
        for (const Item* item = program_.items.head(); item != nullptr; item = item->next) {
            items.push_back(item);
        }
        return items;
    }

    /// Every symbol in name order as "name=value" and "/line" per reference, space-separated.
    std::string symbols() const {
        std::vector<const Symbol*> all;
        program_.symbols.for_each([&all](const Symbol& symbol) { all.push_back(&symbol); });
        Sort_by_name(all);
        std::string text;
        for (const Symbol* symbol : all) {
            text += " " + symbol->name + "=" + std::to_string(symbol->value);
            for (const int32_t line : symbol->references) text += "/" + std::to_string(line);
        }
        return text.erase(0, 1);
    }

    CapturedStream console_;
    CapturedStream log_;
    Console console_printer_{console_.get(), nullptr};
    Diagnostics messages_{console_printer_, log_.get()};
    Program program_;
};

#endif  // TEVLIN_TESTS_GRAMMAR_ASSEMBLE_H_
