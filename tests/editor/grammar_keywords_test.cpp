// The editor grammar names the same keywords as the assembler's tables: every alternation of
// mnemonics in it is the mnemonic table, and its directives are the directive table, those
// of the first column apart from those taken anywhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "scan/tokens.h"
#include "support/session.h"

namespace {

using Words = std::set<std::string>;

// The words of every alternation that pattern finds in the grammar, one set per match.
std::vector<Words> alternations(const std::string& grammar, const std::string& pattern) {
    std::vector<Words> found;
    const std::regex group(pattern), word("[A-Z]+");
    for (std::sregex_iterator it(grammar.begin(), grammar.end(), group), end; it != end; ++it) {
        const std::string listed = (*it)[1];
        found.emplace_back(std::sregex_token_iterator(listed.begin(), listed.end(), word),
                           std::sregex_token_iterator());
    }
    return found;
}

TEST(EditorGrammar, NamesTheKeywordsOfTheTables) {
    const std::string grammar = Read_file(std::filesystem::path(TEVLIN_SOURCE_DIR) /
                                          "editors/vscode/syntaxes/tevlin.tmLanguage.json");
    Words mnemonics, first_column, anywhere;
    for (const Mnemonic& row : kMnemonics) mnemonics.insert(row.text);
    for (const Directive& row : kDirectives) {
        (row.at_line_start_only ? first_column : anywhere).insert(row.text + 1);
    }
    const auto mnemonic_groups = alternations(grammar, R"(\(\?i?:([A-Z|]+)\)\(\?!)");
    ASSERT_EQ(mnemonic_groups.size(), 2u);  // letters in either case, and after a stray quote
    for (const Words& words : mnemonic_groups) EXPECT_EQ(words, mnemonics);
    const auto directive_groups = alternations(grammar, R"(\\\\\.\(\?i?:([A-Z|]+)\))");
    ASSERT_EQ(directive_groups.size(), 3u);
    EXPECT_EQ(directive_groups[0], first_column);
    for (size_t i = 1; i < directive_groups.size(); i++) EXPECT_EQ(directive_groups[i], anywhere);
}

}  // namespace
