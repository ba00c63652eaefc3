// Prints the directives and mnemonics in the form of libFuzzer's dictionaries, from the tables
// that the scanner reads, so that the fuzzer's dictionary never misses a keyword.
#include <cstdio>

#include "scan/tokens.h"

int main() {
    for (const Directive& directive : kDirectives) std::printf("\"%s\"\n", directive.text);
    for (const Mnemonic& mnemonic : kMnemonics) std::printf("\"%s\"\n", mnemonic.text);
    return 0;
}
