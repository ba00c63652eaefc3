// A fresh temporary directory per test, removed afterwards.
#ifndef TEVLIN_TESTS_SUPPORT_TEMPDIR_H_
#define TEVLIN_TESTS_SUPPORT_TEMPDIR_H_

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

class TempDir {
  public:
    TempDir() {
        std::random_device random;
        do {
            path_ = (std::filesystem::temp_directory_path() /
                     ("tevlin-test-" + std::to_string(random())))
                        .string();
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    void write(const std::string& name, const std::string& content) const {
        std::ofstream(file(name), std::ios::binary) << content;
    }

  private:
    std::string path_;
};

#endif  // TEVLIN_TESTS_SUPPORT_TEMPDIR_H_
