// The symbol table: definitions in the first pass, references in the second, ordered by name.
#include "symbols/symbols.h"

#include <cstdio>

#include "diag/diag.h"

symtab_t* Symbol_Table = nullptr;

namespace {

const sym_t* find_entry(const symtab_t* symTab, const std::string& name) {
    const auto found = symTab->entries.find(name);
    return found == symTab->entries.end() ? nullptr : &found->second;
}

}  // namespace

symtab_t* Create_symTable() { return new symtab_t; }

sym_t Create_symItem(const std::string& name, int type, int val, int lineNum, int def_ref,
                     int curr_seg) {
    sym_t the_sym;
    the_sym.sym_name = name;
    the_sym.is_defined = static_cast<int8_t>(def_ref);
    the_sym.where_defined = static_cast<int8_t>(curr_seg);
    the_sym.type = type;
    if (def_ref == SYM_REFERENCED) {
        the_sym.val = 0;
        the_sym.lineNum = -1;
        the_sym.xref.push_back(lineNum);
    } else {
        the_sym.val = val;
        the_sym.lineNum = lineNum;
    }
    return the_sym;
}

int Add_sym_to_symTable(symtab_t* symTab, const std::string& name, int type, int val, int lineNum,
                        int def_ref, int curr_seg) {
    const auto inserted = symTab->entries.try_emplace(name);
    if (!inserted.second) return 0;
    inserted.first->second = Create_symItem(name, type, val, lineNum, def_ref, curr_seg);
    return 1;
}

int Add_symbol_def_to_symTab(symtab_t* symTab, const std::string& name, int val, int lineNum) {
    const auto found = symTab->entries.find(name);
    if (found == symTab->entries.end()) return 1;
    sym_t& the_sym = found->second;
    if (the_sym.val == 0) {
        the_sym.val = val;
        the_sym.lineNum = lineNum;
        return 1;
    }
    if (the_sym.val == val) return 1;
    the_sym.val = SYM_VAL_CONFLICT;
    return SYM_VAL_CONFLICT;
}

void Add_xref_to_symTab(symtab_t* symTab, const std::string& name, int lineNum) {
    const auto found = symTab->entries.find(name);
    if (found != symTab->entries.end()) Add_to_xrefs(&found->second, lineNum);
}

void Add_to_xrefs(sym_t* the_sym, int lineNum) { the_sym->xref.push_back(lineNum); }

int Is_symbol_in_table(const symtab_t* symTab, const std::string& symbol) {
    return find_entry(symTab, symbol) != nullptr ? 1 : 0;
}

int Is_symbol_valid_regdef(const symtab_t* symTab, const std::string& symbol, int* tmp_val) {
    const sym_t* the_sym = find_entry(symTab, symbol);
    if (the_sym == nullptr || the_sym->type != SYM_DEF) return 0;
    *tmp_val = the_sym->val;
    return 1;
}

int Is_symbol_valid_nonreg_type(const symtab_t* symTab, const std::string& symbol, int* tmp_val) {
    const sym_t* the_sym = find_entry(symTab, symbol);
    if (the_sym == nullptr || the_sym->type == SYM_DEF) return 0;
    *tmp_val = the_sym->val;
    return 1;
}

int Get_symbol_value(const symtab_t* symTab, const std::string& symbol) {
    const sym_t* the_sym = find_entry(symTab, symbol);
    return the_sym == nullptr ? -1 : the_sym->val;
}

int Get_symbol_type(const symtab_t* symTab, const std::string& symbol, int* symbol_type) {
    const sym_t* the_sym = find_entry(symTab, symbol);
    if (the_sym == nullptr) return 0;
    *symbol_type = the_sym->type;
    return 1;
}

// An entry counts as undefined when it was made by a reference and never defined.
int Verify_symbol_definitions(const symtab_t* symTab, int print_info) {
    bool found_undefined = false;
    for (const auto& entry : symTab->entries) {
        const sym_t& the_sym = entry.second;
        if (the_sym.is_defined != SYM_REFERENCED || the_sym.lineNum != -1) continue;
        found_undefined = true;
        if (print_info != 0) {
            std::printf("\nSymbol \"%s\" not defined: ", the_sym.sym_name.c_str());
            std::printf("xref(s):");
            std::printf("\n");
        }
    }
    if (found_undefined) {
        std::printf("\n");
    } else if (print_info != 0) {
        std::printf("\nAll symbols were defined\n\n");
    }
    return found_undefined ? 0 : 1;
}

void Delete_symbol_table(symtab_t* symTab) {
    if (symTab == nullptr) {
        std::fputs("\n ERR: tried to delete empty symbol table\n", consolefp);
        return;
    }
    delete symTab;
}

void Reset_symbols() {
    delete Symbol_Table;
    Symbol_Table = nullptr;
}
