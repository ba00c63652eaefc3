// End-to-end cases: each folder under tests/golden holds a source, prog.asm, and all that the
// tevlin command must give for it: exit code, standard output and error, and every output file
// (an empty expected file: the output must be empty); each folder under tests/golden_dis holds
// one file for tevlin-dis and what it must give for it. The built commands run as separate
// processes in a fresh directory, as a user runs them; an output that differs is left as
// NAME.actual beside the expected file. Each folder under tests/golden_gnu holds a source and
// what --error-format=gnu prints for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/process.h"
#include "support/session.h"
#include "support/tempdir.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> case_folders(const char* root = TEVLIN_GOLDEN_DIR) {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(root)) {
        if (entry.is_directory()) folders.push_back(entry.path());
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

// Whether the file name in folder holds actual; if not, actual is left beside it.
bool expected(const fs::path& folder, const std::string& name, const std::string& actual) {
    const fs::path actual_path = folder / (name + ".actual");
    if (fs::exists(folder / name) && Read_file(folder / name) == actual) {
        fs::remove(actual_path);
        return true;
    }
    std::ofstream(actual_path, std::ios::binary) << actual;
    return false;
}

// The folders are read when the test runs, so a new case needs no rebuild.
TEST(Golden, EveryCaseGivesItsOutputs) {
    ASSERT_FALSE(case_folders().empty());
    for (const fs::path& folder : case_folders()) {
        TempDir dir;
        dir.write("prog.asm", Read_file(folder / "prog.asm"));
        const ProcessResult run = Run_program(TEVLIN_BINARY, {"prog.asm"}, dir.path());
        EXPECT_TRUE(expected(folder, "exit_code", std::to_string(run.exit_code) + "\n")) << folder;
        EXPECT_TRUE(expected(folder, "stdout.txt", run.out)) << folder;
        EXPECT_TRUE(expected(folder, "stderr.txt", run.err)) << folder;
        for (const OutputFile& row : kOutputFiles) {
            const std::string name = Output_name(row, "prog.asm");
            EXPECT_TRUE(fs::exists(dir.file(name)) &&
                        expected(folder, name, Read_file(dir.file(name))))
                << folder << "/" << name;
        }
    }
}

TEST(Golden, EveryImageGivesItsSource) {
    ASSERT_FALSE(case_folders(TEVLIN_GOLDEN_DIS_DIR).empty());
    for (const fs::path& folder : case_folders(TEVLIN_GOLDEN_DIS_DIR)) {
        TempDir dir;
        std::string image;  // the one file that is no expectation
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name == "exit_code" || name.find(".txt") != std::string::npos) continue;
            image = name;
            dir.write(name, Read_file(entry.path()));
        }
        const ProcessResult run = Run_program(TEVLIN_DIS_BINARY, {image}, dir.path());
        EXPECT_TRUE(expected(folder, "exit_code", std::to_string(run.exit_code) + "\n")) << folder;
        EXPECT_TRUE(expected(folder, "stdout.txt", run.out)) << folder;
        EXPECT_TRUE(expected(folder, "stderr.txt", run.err)) << folder;
    }
}

TEST(Golden, GnuFormatShowsColumnsAndNotes) {
    ASSERT_FALSE(case_folders(TEVLIN_GOLDEN_GNU_DIR).empty());
    for (const fs::path& folder : case_folders(TEVLIN_GOLDEN_GNU_DIR)) {
        TempDir dir;
        dir.write("prog.asm", Read_file(folder / "prog.asm"));
        const ProcessResult run =
            Run_program(TEVLIN_BINARY, {"--error-format=gnu", "prog.asm"}, dir.path());
        EXPECT_EQ(run.exit_code, 0) << folder;
        EXPECT_TRUE(expected(folder, "stderr.txt", run.err)) << folder;
    }
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// What the token that a message points at must be, by the message: $1 to $3 stand for what the
// message's groups took.
// clang-format off
const struct { const char* message; const char* marked; } kMarkedTokens[] = {
    {R"m(syntax error)m",                                     R"m(\S*)m"},
    {R"m((\w+) label "(\w+)" has not been defined!)m",        R"m(\(?$2\)?)m"},
    {R"m((\w+) label "(\w+)" must be \.DEF type!)m",          R"m($2)m"},
    {R"m((\w+) problems with label "(\w+)" and "(\w+)" !)m",   R"m(\(?($2|$3)\)?)m"},
    {R"m((\w+) value \d+ is out of range!)m",                  R"m(\d+|0X[0-9A-F]+)m"},
    {R"m(Multiple definitions for label: (\w+))m",            R"m($1)m"},
    {R"m(Labels must be 32 char or less)m",                   R"m(\w{33,})m"},
    {R"m((First r|Second r|R)egister must be in range .*)m", R"m(R\w+)m"},
    {R"m(Register value greate than .*)m",                    R"m(\w+)m"},
    {R"m(Code segment range: .*)m",                           R"m(\d+|0X[0-9A-F]+|\w+)m"},
    {R"m(Data segment range: .*|\.EQU value must be .*)m",    R"m(\d+|0X[0-9A-F]+)m"},
    {R"m(Instructions must be specified .*|Overlapping .*)m", R"m([A-Z]+)m"},
    {R"m(\.(BYTE|DB) directive .*)m",                         R"m(\.$1)m"},
    {R"m(CSEG directive must not have arguments!)m",          R"m(\.[CD]SEG)m"},
    {R"m(([A-Z]{2,5}) .*)m",                                  R"m($1)m"},  // a wrong form
};
// clang-format on

// Every message of the error cases in the GNU form names a column, and the mark under its line
// covers the token that the message is about, such as the name it quotes.
TEST(Golden, EveryColumnMarksTheTokenOfItsMessage) {
    const std::regex located(R"(prog\.asm:(\d+):(\d+): error: (.*))");
    int checked = 0;
    for (const fs::path& folder : case_folders()) {
        const std::vector<std::string> source = lines_of(Read_file(folder / "prog.asm"));
        TempDir dir;
        dir.write("prog.asm", Read_file(folder / "prog.asm"));
        const ProcessResult run =
            Run_program(TEVLIN_BINARY, {"--error-format=gnu", "prog.asm"}, dir.path());
        EXPECT_EQ(run.exit_code, 0) << folder;
        const std::vector<std::string> printed = lines_of(run.err);
        for (size_t i = 0; i + 2 < printed.size(); i++) {
            std::smatch place;
            if (!std::regex_match(printed[i], place, located)) continue;
            const std::string& message = place[3];
            const std::string& marks = printed[i + 2];
            const size_t length = std::count(marks.begin(), marks.end(), '~') + 1;
            const size_t number = std::stoul(place[1]);
            const std::string line = number <= source.size() ? source[number - 1] : "";
            const std::string marked = upper(line.substr(std::stoul(place[2]) - 1, length));
            bool known = false;
            for (const auto& row : kMarkedTokens) {
                std::smatch words;
                if (!std::regex_match(message, words, std::regex(row.message))) continue;
                known = true;
                const std::string token = words.format(row.marked);
                EXPECT_TRUE(std::regex_match(marked, std::regex(token)) &&
                            (marked.empty() || marks.find('^') != std::string::npos))
                    << folder << ": " << printed[i] << " marks \"" << marked << "\"";
                break;
            }
            EXPECT_TRUE(known) << "no expectation for: " << message;
            checked++;
        }
    }
    EXPECT_GT(checked, 100);
}

// Assembled in one process, one case after another, each case gives what a fresh process
// gives: a run carries nothing over to the next.
TEST(Golden, RunsInOneProcessMatchFreshProcesses) {
    TempDir dir;
    for (const fs::path& folder : case_folders()) {
        const AssemblyOutput run = Assemble_source(Read_file(folder / "prog.asm"), dir.path());
        EXPECT_TRUE(Read_file(folder / "stderr.txt") == run.console) << folder;
        for (size_t id = 0; id < kOutputFileCount; id++) {
            const std::string file = Output_name(kOutputFiles[id], "prog.asm");
            EXPECT_TRUE(Read_file(folder / file) == run.files[id]) << folder << "/" << file;
        }
    }
}

}  // namespace
