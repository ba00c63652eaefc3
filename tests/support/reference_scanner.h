// The scanner's rules as one table in priority order, matched the plain way: every rule is
// tried at each position, the longest match wins and the earlier rule wins a tie. Slow, and
// kept as the reference that the fast scanner must agree with.
#ifndef TEVLIN_TESTS_SUPPORT_REFERENCE_SCANNER_H_
#define TEVLIN_TESTS_SUPPORT_REFERENCE_SCANNER_H_

#include <string>
#include <string_view>
#include <vector>

struct Token {
    int code = 0;
    int val = 0;
    std::string str;

    bool operator==(const Token& other) const {
        return code == other.code && val == other.val && str == other.str;
    }
};

/// The tokens of one prepared line (as the reader leaves it: comment cut, tabs expanded,
/// upper-cased, ending in a newline) by the rule table, up to and including EOL.
std::vector<Token> Reference_tokens(std::string_view line);

/// The tokens of the first pass over source: by the scanner when by_reference is false, else
/// by the rule table over the lines that the reader prepares. Resets all state before and after.
std::vector<Token> First_pass_tokens(const std::string& source, bool by_reference);

#endif  // TEVLIN_TESTS_SUPPORT_REFERENCE_SCANNER_H_
