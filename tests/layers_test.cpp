// The layers of the code as the README's layout table gives them: every #include under src/
// names a header of its own folder or of a lower layer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Folder {
    std::string path;  // "src/diag"
    int layer;
};

// The rows "| N | `src/a`, `src/b` | ... |" of the README.
std::vector<Folder> layers_in_readme() {
    std::ifstream readme(fs::path(TEVLIN_SOURCE_DIR) / "README.md");
    const std::regex row(R"(^\| (\d+) \| (.*?) \|)");
    const std::regex folder("`(src/[^`]+)`");
    std::vector<Folder> folders;
    std::smatch cells;
    for (std::string line; std::getline(readme, line);) {
        if (!std::regex_search(line, cells, row)) continue;
        const int layer = std::stoi(cells[1]);
        const std::string listed = cells[2];
        for (std::sregex_iterator it(listed.begin(), listed.end(), folder), end; it != end; ++it) {
            folders.push_back({(*it)[1], layer});
        }
    }
    return folders;
}

// The folder of the table that holds path, or null.
const Folder* folder_of(const std::vector<Folder>& folders, const std::string& path) {
    for (const Folder& folder : folders) {
        if (path.rfind(folder.path + "/", 0) == 0) return &folder;
    }
    return nullptr;
}

TEST(Layers, EveryIncludePointsDown) {
    const std::vector<Folder> folders = layers_in_readme();
    ASSERT_FALSE(folders.empty());
    const std::regex include(R"(^#include "([^"]+)\")");
    const fs::path root(TEVLIN_SOURCE_DIR);
    for (const auto& entry : fs::recursive_directory_iterator(root / "src")) {
        if (!entry.is_regular_file()) continue;
        const std::string file = fs::relative(entry.path(), root).generic_string();
        const Folder* own = folder_of(folders, file);
        ASSERT_NE(own, nullptr) << file << " is in no layer";
        std::ifstream text(entry.path());
        std::smatch match;
        for (std::string line; std::getline(text, line);) {
            if (!std::regex_search(line, match, include)) continue;
            const Folder* target = folder_of(folders, "src/" + match[1].str());
            ASSERT_NE(target, nullptr) << file << " includes " << match[1] << ", in no layer";
            EXPECT_TRUE(target == own || target->layer < own->layer)
                << file << " (layer " << own->layer << ") includes " << match[1] << " (layer "
                << target->layer << ")";
        }
    }
}

}  // namespace
