// A scratch directory for the fuzz targets' in-process assembly runs, removed at exit.
#include "fuzz/scratch.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

std::string scratch_dir;

void remove_scratch_dir() {
    std::error_code ignored;
    std::filesystem::remove_all(scratch_dir, ignored);
}

}  // namespace

void Make_scratch_dir() {
    scratch_dir = (std::filesystem::temp_directory_path() / "tevlin-fuzz-XXXXXX").string();
    if (mkdtemp(scratch_dir.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    std::atexit(remove_scratch_dir);
}

// Removes the files of the previous run first: rewriting a file in place can make the file
// system flush it to disk on close, which slows every run down to disk speed.
AssemblyOutput Assemble_in_scratch_dir(const std::string& source) {
    for (const auto& entry : std::filesystem::directory_iterator(scratch_dir)) {
        std::filesystem::remove(entry.path());
    }
    return Assemble_source(source, scratch_dir);
}
