// Every input that ever broke the assembler under the fuzzer, and a few hand-made hostile
// sources: each is assembled twice in-process and must keep the properties of every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/session.h"
#include "fuzz/invariants.h"
#include "support/tempdir.h"

namespace {

namespace fs = std::filesystem;

struct NamedSource {
    std::string name;
    std::string text;
};

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// A test name made of the letters and digits of a file name.
std::string test_name(const std::string& file_name) {
    std::string name;
    for (const char c : file_name) {
        name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name;
}

std::vector<NamedSource> fuzzer_findings() {
    std::vector<NamedSource> sources;
    if (!fs::is_directory(TEVLIN_FUZZ_REGRESSIONS_DIR)) return sources;
    for (const auto& entry : fs::directory_iterator(TEVLIN_FUZZ_REGRESSIONS_DIR)) {
        if (!entry.is_regular_file()) continue;
        sources.push_back({test_name(entry.path().filename().string()), read_file(entry.path())});
    }
    std::sort(sources.begin(), sources.end(),
              [](const NamedSource& a, const NamedSource& b) { return a.name < b.name; });
    return sources;
}

std::vector<NamedSource> hostile_sources() {
    std::string every_byte;
    for (int round = 0; round < 3; round++) {
        for (int c = 0; c < 256; c++) every_byte += static_cast<char>(c);
    }
    std::string db_values;
    for (int value = 1; value <= 40; value++) {
        db_values += (value > 1 ? "," : "") + std::to_string(value);
    }
    std::string db_lines;
    for (int line = 0; line < 300; line++) db_lines += ".DB " + db_values + "\n";
    std::string label_chain;
    for (int label = 0; label < 2000; label++) {
        label_chain += "L" + std::to_string(label) + ":\n";
        label_chain += "L" + std::to_string(label) + "_B: BRN L" + std::to_string(label + 1) + "\n";
    }
    label_chain += "L2000: BRN L0\n";
    return {
        {"EveryByteValue", every_byte},
        {"Nuls", std::string("ADD R1,R2\0 junk\n\0\nNOP\0\n", 24) + std::string(300, '\0')},
        {"CrLf", ".DSEG\r\nV: .DB 1 ; one\r\n.CSEG\r\n.ORG 0x10\r\nMAIN: MOV R1, V\r\n"},
        {"LoneCarriageReturns", "NOP\rNOP\r\rADD R1,\rR2\r"},
        {"Tabs255", std::string(255, '\t') + "NOP\n" + std::string(254, '\t') + "X: NOP\n"},
        {"HundredKilobyteLine", std::string(100000, 'A') + "\nNOP\n"},
        {"HundredKilobyteInstructionLine",
         [] {
             std::string line;
             while (line.size() < 100000) line += "ADD R1, R2 ";
             return line + "\n";
         }()},
        {"StrayQuotes", "LD R1, \"ab\nNOP\n\"\"\nADD R1,R2 ; \"\nX: .DB \"1\", 2\n\""},
        {"Utf8",
         "L\xC3\x84"
         "BEL: NOP ; caf\xC3\xA9\nMOV R1, 0x1F ; \xE2\x9C\x93\n\xEF\xBB\xBFNOP\n"},
        {"OnlyDbLines", db_lines},
        {"DataSegmentDbLines", ".DSEG\n" + db_lines + ".CSEG\n.ORG 0x200\nNOP\n"},
        {"DeepLabelChain", label_chain},
        {"OrgAtLastWord", ".ORG 1023\nNOP\nNOP\n"},
        {"OrgAtLastWordWithData", ".DSEG\nV: .DB 7\n.CSEG\n.ORG 1023\nA: NOP\nB: BRN A\n"},
        {"HugeByteReservation", ".DSEG\nX: .BYTE 2147483647\nY: .BYTE 1\n.CSEG\nLD R1, X\n"},
        {"NumbersBeyondThirtyTwoBits",
         ".EQU BIG = 99999999999\n.ORG 99999999999\nMOV R1, 99999999999\nBRN 99999999999\n"
         "LD R99999999999, 0XFFFFFFFFFFFF\n.DSEG\n.DB 99999999999\n"},
        {"BranchTargetsBeyondMemory", "BRN 1024\nCALL 0x7FFFFFFF\nBREQ 65535\n"},
        {"Empty", ""},
        {"NoFinalNewlineAfterError", "ADD R1,"},
    };
}

class Regression : public ::testing::TestWithParam<NamedSource> {};

TEST_P(Regression, KeepsEveryInvariant) {
    TempDir dir;
    const AssemblyOutput first = Assemble_source(GetParam().text, dir.path());
    const AssemblyOutput second = Assemble_source(GetParam().text, dir.path());
    EXPECT_EQ("", Describe_invariant_violations(first));
    EXPECT_EQ("", Describe_run_differences(first, second));
}

std::string param_name(const ::testing::TestParamInfo<NamedSource>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(FuzzerFindings, Regression, ::testing::ValuesIn(fuzzer_findings()),
                         param_name);
INSTANTIATE_TEST_SUITE_P(Hostile, Regression, ::testing::ValuesIn(hostile_sources()), param_name);

// The checks themselves must reject broken outputs, or every run above would pass vacuously.
TEST(RegressionInvariants, RejectBrokenOutputs) {
    TempDir dir;
    const AssemblyOutput good = Assemble_source("MAIN: ADD R1, R2\nBRN MAIN\n", dir.path());
    ASSERT_EQ("", Describe_invariant_violations(good));

    AssemblyOutput short_hex = good;
    short_hex.mem.resize(short_hex.mem.size() - 6);
    EXPECT_NE("", Describe_invariant_violations(short_hex));

    AssemblyOutput wrong_word = good;
    wrong_word.mem[0] = wrong_word.mem[0] == '0' ? '1' : '0';
    EXPECT_NE("", Describe_invariant_violations(wrong_word));

    AssemblyOutput lost_debug_line = good;
    lost_debug_line.dbg.resize(lost_debug_line.dbg.rfind('\n', lost_debug_line.dbg.size() - 2) + 1);
    EXPECT_NE("", Describe_invariant_violations(lost_debug_line));

    AssemblyOutput cut_vhdl = good;
    cut_vhdl.prog_rom.resize(cut_vhdl.prog_rom.size() / 2);
    EXPECT_NE("", Describe_invariant_violations(cut_vhdl));

    AssemblyOutput cut_report = good;
    cut_report.asl.resize(cut_report.asl.rfind("-- Directives: .DB"));
    EXPECT_NE("", Describe_invariant_violations(cut_report));

    AssemblyOutput other_run = good;
    other_run.console = "x";
    EXPECT_NE("", Describe_run_differences(good, other_run));
}

// Carriage returns before the line ends change nothing but the listed source text.
TEST(RegressionInvariants, CrLfSourceAssemblesLikeLfSource) {
    TempDir dir;
    const std::string source = ".DSEG\nV: .DB 1\n.CSEG\n.ORG 0x10\nMAIN: MOV R1, V\nBRN MAIN\n";
    std::string crlf_source;
    for (const char c : source) crlf_source += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const AssemblyOutput lf = Assemble_source(source, dir.path());
    const AssemblyOutput crlf = Assemble_source(crlf_source, dir.path());
    EXPECT_EQ(0, crlf.error_count + crlf.syntax_error_count);
    EXPECT_EQ(lf.mem, crlf.mem);
    EXPECT_EQ(lf.dbg, crlf.dbg);
}

}  // namespace
