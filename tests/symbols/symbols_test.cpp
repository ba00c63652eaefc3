#include "symbols/symbols.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Many names, so that the order comes from the byte-wise bucketing and not only from the
// comparison fallback: shared prefixes longer than the 16 bytes the sort keys hold, names that
// begin other names, digits, letters and "_" in every position.
TEST(SymbolsTest, NamesComeOutInByteOrderWhateverTheirShape) {
    std::vector<std::string> names;
    for (const std::string stem : {"K", "K_", "MASK_", "A_NAME_SHARING_SIXTEEN_", "Z"}) {
        for (int n = 0; n < 400; n += 7) names.push_back(stem + std::to_string(n));
        names.push_back(stem);
    }
    names.push_back("A_NAME_SHARING_SIXTEEN");
    names.push_back("A_NAME_SHARING_SIXTEE");
    // Inserted from the last to the first, so that the order added is no help.
    symtab_t table;
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        ASSERT_EQ(Add_sym_to_symTable(&table, *name, SYM_EQU, 1, 1, SYM_DEFINED, SEG_CODE), 1);
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> listed;
    for (const sym_t* entry : Get_symbols_in_name_order(&table)) listed.push_back(entry->sym_name);
    EXPECT_EQ(listed, names);
}

// Enough names to grow the index several times; each lookup must still find its own entry,
// and a name that merely begins or extends a present one is absent.
TEST(SymbolsTest, LookupsFindEveryNameAfterTheIndexGrows) {
    symtab_t table;
    constexpr int kNames = 5000;
    for (int n = 0; n < kNames; n++) {
        const int kind = n % 2 == 0 ? SYM_DEF : SYM_LABEL;
        Add_sym_to_symTable(&table, "N" + std::to_string(n), kind, n, n + 1, SYM_DEFINED, SEG_CODE);
    }
    EXPECT_EQ(Add_sym_to_symTable(&table, "N77", SYM_EQU, 5, 5, SYM_DEFINED, SEG_DATA), 0);
    for (int n = 0; n < kNames; n++) {
        const std::string name = "N" + std::to_string(n);
        int value = -7;
        ASSERT_EQ(Is_symbol_valid_regdef(&table, name, &value), n % 2 == 0 ? 1 : 0) << name;
        ASSERT_EQ(Is_symbol_valid_nonreg_type(&table, name, &value), n % 2 == 0 ? 0 : 1) << name;
        ASSERT_EQ(value, n) << name;
        Add_xref_to_symTab(&table, name, n + 2);
    }
    int kind = 0;
    EXPECT_EQ(Get_symbol_type(&table, "N77", &kind), 1);
    EXPECT_EQ(kind, SYM_LABEL);
    for (const char* absent : {"N", "N50000", "N4999_", "", "n1"}) {
        EXPECT_EQ(Is_symbol_in_table(&table, absent), 0) << absent;
        EXPECT_EQ(Get_symbol_value(&table, absent), -1) << absent;
        Add_xref_to_symTab(&table, absent, 9);
    }
    for (const sym_t* entry : Get_symbols_in_name_order(&table)) {
        ASSERT_EQ(entry->xref, std::vector<int32_t>{entry->val + 2}) << entry->sym_name;
    }
}

}  // namespace
