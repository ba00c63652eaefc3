// Every input that ever broke the assembler under the fuzzer, and hand-made hostile sources:
// each is assembled twice in-process, and once more in the GNU form, and must keep the
// properties of every run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/invariants.h"
#include "support/session.h"
#include "support/tempdir.h"

namespace {

void expect_invariants(const std::string& source) {
    TempDir dir;
    const AssemblyOutput first = Assemble_source(source, dir.path());
    const AssemblyOutput second = Assemble_source(source, dir.path());
    EXPECT_EQ("", Describe_invariant_violations(first));
    EXPECT_EQ("", Describe_run_differences(first, second));
    EXPECT_EQ("", Describe_gnu_differences(first, Assemble_source(source, dir.path(), true)));
}

TEST(FuzzRegressions, FindingsAndHostileSourcesKeepTheInvariants) {
    std::vector<std::pair<std::string, std::string>> sources = {
        {"binary", std::string("\x00\x01\x7F\x80\xFF\xFE\x1B ADD\xC0\r\x0B;\xA0", 16)},
        {"NULs", std::string("ADD R1,R2\0 junk\n\0\nNOP\0\n", 24) + std::string(300, '\0')},
        {"CR-LF", ".DSEG\r\nV: .DB 1 ; one\r\n.CSEG\r\n.ORG 0x10\r\nMAIN: MOV R1, V\r\n"},
        {"255 tabs", std::string(255, '\t') + "NOP\n" + std::string(254, '\t') + "X: NOP\n"},
        {"100 kB line", std::string(100000, 'A') + "\nNOP\n"},
        {"long lines of errors",
         std::string(100000, ',') + "\n" + std::string(50000, '\t') + "x:\n"},
        {"stray quotes", "LD R1, \"ab\nNOP\n\"\"\nADD R1,R2 ; \"\nX: .DB \"1\", 2\n\""},
        {"UTF-8", "L\xC3\x84_X: NOP ; caf\xC3\xA9\nMOV R1, 0x1F ; \xE2\x9C\x93\n\xEF\xBB\xBFNOP\n"},
        {"huge .BYTE", ".DSEG\nX: .BYTE 2147483647\nY: .BYTE 1\n.CSEG\nLD R1, X\n"},
        {"11 digits", ".ORG 99999999999\nMOV R1, 99999999999\n.DSEG\n.DB 99999999999\n"},
        {".ORG at the last word", ".ORG 1023\nNOP\nNOP\n"},
        {"no final line end after an error", "ADD R1,"},
        {"a statement after a cut label", "a#b: in\na b: in\nx: y: ADD\n"},
    };
    for (const auto& entry : std::filesystem::directory_iterator(TEVLIN_FUZZ_REGRESSIONS_DIR)) {
        sources.emplace_back(entry.path().filename().string(), Read_file(entry.path()));
    }
    for (const auto& [name, source] : sources) {
        SCOPED_TRACE(name);
        expect_invariants(source);
    }
}

// A program that grows every store past its first block: the source read ahead, the items and
// their texts, the symbols and their index, the output buffers. Names that share their first 16
// bytes must still come in order in the symbol report.
TEST(FuzzRegressions, AProgramOfTenThousandLinesKeepsTheInvariants) {
    std::string source = ".DSEG\n";
    for (int i = 0; i < 40; i++)
        source += "D" + std::to_string(i) + ": .DB " + std::to_string(i) + "\n";
    source += ".CSEG\n.ORG 0x100\n";
    for (int i = 0; i < 3300; i++) {
        source += ".EQU SHARED_BY_ALL_NAMES_" + std::to_string(3299 - i) + " = " +
                  std::to_string(i % 256) + "\n";
    }
    for (int i = 0; i < 7000; i++) source += "; " + std::string(253, 'c') + "; long comment\n";
    for (int i = 0; i < 350; i++) {
        source += "L" + std::to_string(i) + ": ADD R1, SHARED_BY_ALL_NAMES_" + std::to_string(i) +
                  "\nBRN L" + std::to_string(i) + "\n";
    }
    TempDir dir;
    const AssemblyOutput run = Assemble_source(source, dir.path());
    ASSERT_TRUE(run.clean()) << run.console;
    EXPECT_EQ("", Describe_invariant_violations(run));
    const std::string& listing = run.file(kListingFile);
    const size_t first = listing.find("\nSHARED_BY_ALL_NAMES_0 ") + 1;
    const size_t last = listing.find("\n\n", first);
    std::string previous;
    int names = 0;
    for (size_t at = first; at < last; at = listing.find('\n', at) + 1, names++) {
        const std::string name = listing.substr(at, listing.find(' ', at) - at);
        EXPECT_LT(previous, name);
        previous = name;
    }
    EXPECT_EQ(names, 3300);
}

}  // namespace
