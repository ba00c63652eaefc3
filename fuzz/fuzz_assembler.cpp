// libFuzzer target: assembles arbitrary bytes twice in one scratch directory and aborts when a
// run breaks a property that every run has, or when the two runs differ.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/scratch.h"
#include "support/invariants.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Make_scratch_dir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string source(reinterpret_cast<const char*>(data), size);
    const AssemblyOutput first = Assemble_in_scratch_dir(source);
    const AssemblyOutput second = Assemble_in_scratch_dir(source);
    const std::string violations =
        Describe_invariant_violations(first) + Describe_run_differences(first, second);
    if (!violations.empty()) {
        std::fprintf(stderr, "tevlin invariant violated:\n%s", violations.c_str());
        std::abort();
    }
    return 0;
}
