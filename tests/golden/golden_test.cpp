// End-to-end cases: each folder under tests/golden holds a source, prog.asm, and the outputs
// expected from it; a run whose output differs leaves NAME.actual beside the expected file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/session.h"
#include "support/tempdir.h"

namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::string> case_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(TEVLIN_GOLDEN_DIR)) {
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, OutputsMatch) {
    const fs::path folder = fs::path(TEVLIN_GOLDEN_DIR) / GetParam();
    TempDir dir;
    const AssemblyOutput output = Assemble_source(read_file(folder / "prog.asm"), dir.path());
    const std::pair<const char*, std::string> produced[] = {
        {"prog.err", output.err},          {"prog.asl", output.asl},
        {"prog.dbg", output.dbg},          {"prog.mem", output.mem},
        {"prog_rom.vhd", output.prog_rom}, {"xprog_rom.vhd", output.xprog_rom},
        {"stderr.txt", output.console},    {"exit_code", std::to_string(output.exit_code) + "\n"},
    };
    int compared = 0;
    for (const auto& [name, actual] : produced) {
        const fs::path expected_path = folder / name;
        if (!fs::exists(expected_path)) continue;
        compared++;
        const fs::path actual_path = folder / (std::string(name) + ".actual");
        if (read_file(expected_path) == actual) {
            fs::remove(actual_path);
            continue;
        }
        std::ofstream(actual_path, std::ios::binary) << actual;
        ADD_FAILURE() << GetParam() << "/" << name << " differs; see " << actual_path;
    }
    EXPECT_GT(compared, 0) << "no expected output in " << folder;
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, ::testing::ValuesIn(case_names()),
                         [](const auto& test_case) { return test_case.param; });

}  // namespace
