// libFuzzer target: assembles arbitrary bytes twice in one scratch directory, and once more in
// the GNU form, and aborts when a run breaks a property that every run has, or when the runs
// differ in more than how the GNU form prints its messages.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/invariants.h"
#include "support/tempdir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const TempDir scratch;  // fuzz/run.sh puts it on a memory file system
    const std::string source(reinterpret_cast<const char*>(data), size);
    const AssemblyOutput first = Assemble_source(source, scratch.path());
    const AssemblyOutput second = Assemble_source(source, scratch.path());
    const AssemblyOutput gnu = Assemble_source(source, scratch.path(), true);
    const std::string violations = Describe_invariant_violations(first) +
                                   Describe_run_differences(first, second) +
                                   Describe_gnu_differences(first, gnu);
    if (!violations.empty()) {
        std::fprintf(stderr, "tevlin invariant violated:\n%s", violations.c_str());
        std::abort();
    }
    return 0;
}
