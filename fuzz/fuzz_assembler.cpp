// libFuzzer target: assembles arbitrary bytes twice in one scratch directory and aborts when a
// run breaks a property that every run has, when the two runs differ, or when the scanner and
// the plain rule table read different tokens.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/invariants.h"
#include "support/reference_scanner.h"
#include "support/session.h"

namespace {

std::string scratch_dir;

void remove_scratch_dir() {
    std::error_code ignored;
    std::filesystem::remove_all(scratch_dir, ignored);
}

// Removes the files of the previous run first: rewriting a file in place can make the file
// system flush it to disk on close, which slows every run down to disk speed.
AssemblyOutput assemble_in_clean_dir(const std::string& source) {
    for (const auto& entry : std::filesystem::directory_iterator(scratch_dir)) {
        std::filesystem::remove(entry.path());
    }
    return Assemble_source(source, scratch_dir);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    scratch_dir = (std::filesystem::temp_directory_path() / "tevlin-fuzz-XXXXXX").string();
    if (mkdtemp(scratch_dir.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    std::atexit(remove_scratch_dir);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string source(reinterpret_cast<const char*>(data), size);
    const AssemblyOutput first = assemble_in_clean_dir(source);
    const AssemblyOutput second = assemble_in_clean_dir(source);
    std::string violations =
        Describe_invariant_violations(first) + Describe_run_differences(first, second);
    if (First_pass_tokens(source, false) != First_pass_tokens(source, true)) {
        violations += "the scanner and the rule table read different tokens\n";
    }
    if (!violations.empty()) {
        std::fprintf(stderr, "tevlin invariant violated:\n%s", violations.c_str());
        std::abort();
    }
    return 0;
}
