// A program large enough to grow every store of the assembler past its first block: the source
// read ahead, the items and their texts, the symbol index and its entries, the output buffers.
// Its listing, symbol report, debug file and image are predicted line by line from the
// documented formats, independently of the writers.
#include <gtest/gtest.h>

#include <cstdarg>
#include <map>
#include <string>
#include <vector>

#include "support/session.h"
#include "support/tempdir.h"

namespace {

__attribute__((format(printf, 1, 2))) std::string format(const char* fmt, ...) {
    char text[512];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    return text;
}

struct Symbol {
    int value = 0;
    int line = 0;
    std::vector<int> references;
};
using Symbols = std::map<std::string, Symbol>;  // in byte order of the names

constexpr int kConstants = 3300;    // more than three blocks of entries and index growths
constexpr int kComments = 7000;     // the instructions stand on lines numbered above 9999
constexpr int kInstructions = 700;  // from kCodeStart, most of program memory
constexpr int kDataPairs = 20;      // 40 initialised bytes: 80 start-up words and a branch
constexpr int kCodeStart = 0x140;   // the branch to it has a three-digit target

// Builds the source line by line together with everything the assembler must make of it.
class Program {
  public:
    std::string source;
    std::string entries;  // the listing's entries
    std::string startup_debug, instruction_debug;
    unsigned int image[1024] = {};
    Symbols labels, bytes, constants, data;

    int line() const { return line_; }

    // A line that gives no word; entry is its listing entry without the text.
    void plain(const std::string& text, const std::string& entry) {
        source += text + "\n";
        listed(text, entry);
    }

    void blank(const std::string& text) { plain(text, format("\n(%0*d)", 4, line_) + kBlank); }

    void instruction(const std::string& text, const char* mnemonic, unsigned int word,
                     bool labelled) {
        source += text + "\n";
        listed_instruction(text, mnemonic, word, labelled);
    }

    // A physical line of more than 255 characters: the first 255 are an instruction line, the
    // rest a line of its own.
    void split_instruction(const std::string& first, const char* mnemonic, unsigned int word,
                           const std::string& rest) {
        ASSERT_EQ(first.size(), 255u);
        source += first + rest + "\n";
        listed_instruction(first, mnemonic, word, false);
        listed(rest, format("\n(%0*d)", 4, line_) + kBlank);
    }

    void startup(int addr, const char* mnemonic, unsigned int word, int arg,
                 const std::string& text) {
        entries += format("\n-STUP-  CS-0x%0*X  0x%0*X", 3, addr, 5, word) +
                   format("  0x%0*X  || %s", 3, arg, text.c_str());
        startup_debug += format("%6s  0x%03X  0x%05X\n", mnemonic, addr, word);
        image[addr] = word;
    }

    int next_address = 0;

  private:
    static constexpr const char* kBlank = "                            || ";

    void listed(const std::string& text, const std::string& entry) {
        entries += entry + (entry.back() == ' ' ? text : "");
        line_++;
    }

    void listed_instruction(const std::string& text, const char* mnemonic, unsigned int word,
                            bool labelled) {
        const int addr = next_address++;
        entries += format("\n(%0*d)  CS-0x%0*X  0x%0*X", 4, line_, 3, addr, 5, word) +
                   (labelled ? format("  0x%0*X  || %s", 3, addr, text.c_str())
                             : format("         || %s", text.c_str()));
        instruction_debug += format("%6s  %4d  0x%03X  0x%05X\n", mnemonic, line_, addr, word);
        image[addr] = word;
        line_++;
    }

    int line_ = 1;
};

// Names that begin other names, with digits and "_" in the same place, and names that share
// more than their first 16 characters.
std::string constant_name(int k) {
    if (k % 4 == 0) return format("K%d", k);
    if (k % 4 == 1) return format("K_%d", k);
    return format("CONSTANTS_SHARE_A_LONG_PREFIX_%d", k);
}

std::string section(const char* title, const Symbols& symbols, const char* none_used) {
    std::string text =
        std::string(title) + "\n------------------------------------------------------------ \n";
    for (const auto& [name, symbol] : symbols) {
        text +=
            format("%-*s 0x%0*X   (%0*d)  ||  ", 14, name.c_str(), 3, symbol.value, 4, symbol.line);
        for (size_t i = 0; i < symbol.references.size(); i++) {
            if (i > 0 && i % 10 == 0) text += "\n                               ||  ";
            text += format("%0*d ", 4, symbol.references[i]);
        }
        text += "\n";
    }
    return symbols.empty() ? text + none_used : text;
}

Program make_program() {
    Program p;
    p.blank("; a large program");
    for (int i = 0; i < kConstants; i++) {
        const int k = (i * 7919) % kConstants;  // the names arrive out of order
        const std::string name = constant_name(k);
        const std::string text = format(".EQU %s = %d ; %s", name.c_str(), k % 256,
                                        std::string(static_cast<size_t>(k % 190), 'c').c_str());
        p.constants[name] = {k % 256, p.line(), {}};
        p.plain(text,
                format("\n(%0*d)                       %0*d ", 4, p.line(), 3, k % 256) + " || ");
        if (i % 64 == 0) p.blank("");
    }
    p.plain(".DSEG", format("\n(%0*d)", 4, p.line()) + "                            || ");
    unsigned char values[2 * kDataPairs];
    for (int d = 0; d < kDataPairs; d++) {
        values[2 * d] = static_cast<unsigned char>(d * 37 + 5);
        values[2 * d + 1] = static_cast<unsigned char>(d * 11 + 200);
        const std::string name = format("B%02d", d);
        p.data[name] = {2 * d, p.line(), {}};
        p.plain(
            format("%s: .DB %d, %d", name.c_str(), values[2 * d], values[2 * d + 1]),
            format("\n(%0*d)  DS-0x%0*X             %0*X", 4, p.line(), 3, 2 * d, 3, 2) + "  || ");
    }
    for (int i = 0; i < kComments; i++) p.blank(format("; comment %d", i));
    p.plain(".CSEG", format("\n(%0*d)", 4, p.line()) + "                            || ");
    p.plain(".ORG 0x140",
            format("\n(%0*d)                       %0*d ", 4, p.line(), 3, kCodeStart) + " || ");

    p.entries += "\n" + std::string(91, '-');
    for (int d = 0; d < 2 * kDataPairs; d++) {
        p.startup(2 * d, "MOV", 0x36000u + values[d], values[d],
                  format("             MOV     r0,0x%02X     ; write dseg data to reg", values[d]));
        p.startup(2 * d + 1, "ST", 0x3A000u + static_cast<unsigned>(d), d,
                  format("             ST      r0,0x%02X     ; place reg data in mem ", d));
    }
    p.startup(4 * kDataPairs, "BRN", 0x8000u + (kCodeStart << 3), kCodeStart,
              format("             BRN     0x%02X        ; jump to start of .cseg in program mem ",
                     kCodeStart));
    p.entries += "\n" + std::string(91, '-');

    p.next_address = kCodeStart;
    for (int c = 0; c < kInstructions; c++) {
        const bool labelled = c % 3 == 0;
        const std::string label = labelled ? format("L%04d:", c) : "";
        if (labelled) {
            Symbol& symbol = p.labels[format("L%04d", c)];  // may hold forward references
            symbol.value = kCodeStart + c;
            symbol.line = p.line();
        }
        std::string text;
        if (c % 5 == 3) {
            const int target = (c + 37) % kInstructions / 3 * 3;  // forward or back
            const std::string name = format("L%04d", target);
            p.labels[name].references.push_back(p.line());
            text = label + "\tBRN\t" + name;
            p.instruction(text, "BRN", 0x08000u | static_cast<unsigned>(kCodeStart + target) << 3,
                          labelled);
        } else if (c % 5 == 4) {
            p.instruction(label + "\tNOP\t; " + std::string(static_cast<size_t>(c % 230), 'n'),
                          "NOP", 0x18003, labelled);
        } else {
            const std::string name = c % 7 == 0 ? "K0" : constant_name(c * 13 % kConstants);
            const Symbol& constant = p.constants[name];
            p.constants[name].references.push_back(p.line());
            text = format("%s\tADD\tR%d, %s ; add", label.c_str(), c % 32, name.c_str());
            if (c % 11 == 0) {
                for (char& ch : text) ch = static_cast<char>(std::tolower(ch));
            }
            p.instruction(text, "ADD",
                          0x28000u | static_cast<unsigned>(c % 32) << 8 |
                              static_cast<unsigned>(constant.value),
                          labelled);
        }
    }
    p.split_instruction("NOP ;" + std::string(250, 'x'), "NOP", 0x18003, "; the rest");
    p.split_instruction("NOP ;" + std::string(250, 'y'), "NOP", 0x18003, "");
    p.plain(".DSEG", format("\n(%0*d)", 4, p.line()) + "                            || ");
    p.bytes["TAIL"] = {4 * kDataPairs / 2, p.line(), {}};
    p.plain("TAIL: .BYTE 16",
            format("\n(%0*d)  DS-0x%0*X             %0*X", 4, p.line(), 3, 2 * kDataPairs, 3, 16) +
                "  || ");
    return p;
}

TEST(Scale, ALargeProgramIsListedReportedAndImagedCompletely) {
    const Program p = make_program();
    ASSERT_GT(p.source.size(), 3u * 64 * 1024);
    TempDir dir;
    const AssemblyOutput run = Assemble_source(p.source, dir.path());
    ASSERT_EQ(run.console, "");

    const size_t first_entry = run.asl.find("\n(0001)");
    const size_t report = run.asl.find("\n\n\n\n\nSymbol Table Key");
    ASSERT_NE(first_entry, std::string::npos);
    ASSERT_NE(report, std::string::npos);
    EXPECT_TRUE(run.asl.compare(first_entry, report - first_entry, p.entries + "\n") == 0);

    const std::string sections =
        section("\n-- Labels", p.labels, "--> No labels used\n") +
        section("\n\n-- Directives: .BYTE", p.bytes, "--> No \".BYTE\" directives used\n") +
        section("\n\n-- Directives: .EQU", p.constants, "--> No \".EQU\" directives used\n") +
        section("\n\n-- Directives: .DEF", {}, "--> No \".DEF\" directives used\n") +
        section("\n\n-- Directives: .DB", p.data, "--> No \".DB\" directives used\n");
    const size_t labels = run.asl.find("\n-- Labels", report);
    ASSERT_NE(labels, std::string::npos);
    EXPECT_TRUE(run.asl.compare(labels, std::string::npos, sections) == 0);

    EXPECT_EQ(run.dbg, p.startup_debug + "\n" + p.instruction_debug);
    std::string mem;
    for (const unsigned int word : p.image) mem += format("%05X\n", word);
    EXPECT_EQ(run.mem, mem);
}

}  // namespace
