// Disassembly of a program-memory image. Words that are 0 are left out, all but the one at
// address 0: source whose first instruction stood above 0 would get a start-up branch there.
#include "listing/disassembly.h"

#include "base/global.h"
#include "diag/diagnostics.h"
#include "isa/decode.h"
#include "listing/startup.h"

namespace {

// The load and store pairs at the bottom of program memory and the branch after them, as
// tevlin's start-up code places them: data addresses ascend, the branch goes upwards.
struct StartUp {
    int pairs = 0;
    int branch_at = -1;  // -1: no branch
};

StartUp find_start_up(const unsigned int* image) {
    StartUp found;
    for (int addr = 0, last_data = -1; addr + 1 < kProgWords; addr += 2) {
        const DecodedWord load = Decode_word(image[addr]);
        const DecodedWord store = Decode_word(image[addr + 1]);
        if (load.row != &kStartupLoad || load.reg_x != kStartupReg || store.row != &kStartupStore ||
            store.reg_x != kStartupReg || store.value <= last_data) {
            break;
        }
        last_data = store.value;
        found.pairs++;
    }
    const int at = 2 * found.pairs;
    const DecodedWord branch = Decode_word(image[at]);
    if (branch.row == &kStartupBranch && branch.address > at) found.branch_at = at;
    return found;
}

std::string start_up_heading(const StartUp& start_up, const unsigned int* image) {
    if (start_up.pairs == 0 && start_up.branch_at < 0) return "";
    const int last = start_up.branch_at < 0 ? 2 * start_up.pairs - 1 : start_up.branch_at;
    std::string heading = "; start-up code at 0x000";
    if (last > 0) heading += Format_message(" to 0x%03X", last);
    heading += ":";
    if (start_up.pairs > 0) {
        heading += Format_message(" stores %d data byte%s", start_up.pairs,
                                  start_up.pairs == 1 ? "" : "s");
    }
    if (start_up.branch_at >= 0) {
        heading += Format_message("%s branches to 0x%03X", start_up.pairs > 0 ? ", then" : "",
                                  Decode_word(image[start_up.branch_at]).address);
    }
    return heading + "\n";
}

std::string start_up_note(const StartUp& start_up, const unsigned int* image, int addr) {
    if (addr < 2 * start_up.pairs && addr % 2 == 1) {
        return Format_message("  start-up: data byte 0x%02X = 0x%02X",
                              Decode_word(image[addr]).value, Decode_word(image[addr - 1]).value);
    }
    return addr == start_up.branch_at ? "  start-up: on to the program" : "";
}

std::string operands(const DecodedWord& decoded, const std::vector<bool>& labelled) {
    switch (decoded.row->format) {
        case FMT_RR:
            // A memory instruction reaches data memory through its second register.
            return Format_message(
                decoded.row->family == Family::kMemory ? "r%d, (r%d)" : "r%d, r%d", decoded.reg_x,
                decoded.reg_y);
        case FMT_RI:
            return Format_message("r%d, 0x%02X", decoded.reg_x, decoded.value);
        case FMT_R1:
            return Format_message("r%d", decoded.reg_x);
        case FMT_IM:
            return Format_message(labelled[decoded.address] ? "L_%03X" : "0x%03X", decoded.address);
        case FMT_NA:
            break;
    }
    return "";
}

}  // namespace

Disassembly Disassemble_image(const unsigned int* image, const char* origin) {
    std::vector<DecodedWord> decoded(kProgWords);
    std::vector<bool> shown(kProgWords);  // printed as an instruction
    for (int addr = 0; addr < kProgWords; addr++) {
        decoded[addr] = Decode_word(image[addr]);
        shown[addr] = decoded[addr].row != nullptr && (image[addr] != 0 || addr == 0);
    }
    // Targets that hold no instruction of the source stay numbers.
    std::vector<bool> labelled(kProgWords);
    for (int addr = 0; addr < kProgWords; addr++) {
        if (shown[addr] && decoded[addr].row->format == FMT_IM) {
            labelled[decoded[addr].address] = shown[decoded[addr].address];
        }
    }
    const StartUp start_up = find_start_up(image);

    Disassembly result;
    result.source =
        Format_message("; program memory read back by tevlin-dis (format: %s)\n", origin) +
        "; every word not shown is 0\n" + start_up_heading(start_up, image) + ".CSEG\n";
    int next = -1;  // the address that follows the last instruction shown
    for (int addr = 0; addr < kProgWords; addr++) {
        if (!shown[addr]) {
            if (image[addr] == 0) continue;
            result.undecoded.push_back(addr);
            // A comment alone, its semicolon under those of the instruction lines.
            result.source +=
                Format_message("%26s; 0x%03X  0x%05X  no instruction\n", "", addr, image[addr]);
            continue;
        }
        if (addr != next) result.source += Format_message(".ORG 0x%03X\n", addr);
        next = addr + 1;
        const std::string label = labelled[addr] ? Format_message("L_%03X:", addr) : "";
        result.source +=
            Format_message("%-8s%-6s%-12s; 0x%03X  0x%05X", label.c_str(),
                           decoded[addr].row->mnemonic, operands(decoded[addr], labelled).c_str(),
                           addr, image[addr]) +
            start_up_note(start_up, image, addr) + "\n";
    }
    return result;
}
