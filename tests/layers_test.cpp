// The layers of the code as the README's layout table gives them, one folder of src/ each:
// every #include under src/ names a header of its own folder or of a lower layer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

#include "support/session.h"

namespace {

namespace fs = std::filesystem;

TEST(Layers, EveryIncludePointsDown) {
    std::map<std::string, int> layer_of;  // folder of src/ to its layer, from the rows
    const std::string readme = Read_file(fs::path(TEVLIN_SOURCE_DIR) / "README.md");
    const std::regex row(R"(\n\| (\d+) \| `src/([a-z]+)` \|)");
    for (std::sregex_iterator it(readme.begin(), readme.end(), row), end; it != end; ++it) {
        layer_of[(*it)[2]] = std::stoi((*it)[1]);
    }
    ASSERT_FALSE(layer_of.empty());
    const std::regex include(R"(\n#include "([a-z]+)/)");
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(TEVLIN_SOURCE_DIR) / "src")) {
        if (!entry.is_regular_file()) continue;
        const std::string folder = entry.path().parent_path().filename().string();
        ASSERT_EQ(layer_of.count(folder), 1u) << entry.path() << " is in no layer";
        const std::string text = "\n" + Read_file(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), include), end; it != end; ++it) {
            const std::string target = (*it)[1];
            ASSERT_EQ(layer_of.count(target), 1u) << entry.path() << " includes from " << target;
            EXPECT_TRUE(target == folder || layer_of[target] < layer_of[folder])
                << entry.path() << " (layer " << layer_of[folder] << ") includes from " << target
                << " (layer " << layer_of[target] << ")";
        }
    }
}

}  // namespace
