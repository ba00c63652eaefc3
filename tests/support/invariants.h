// Properties that every assembly run has, whatever its source: shared by the fuzz target and
// the regression tests.
#ifndef TEVLIN_TESTS_SUPPORT_INVARIANTS_H_
#define TEVLIN_TESTS_SUPPORT_INVARIANTS_H_

#include <string>

#include "support/session.h"

/// Returns one line per property that the run breaks, or an empty text when it has them all.
std::string Describe_invariant_violations(const AssemblyOutput& run);

/// Returns one line per output in which two runs on the same source differ, or an empty text.
std::string Describe_run_differences(const AssemblyOutput& first, const AssemblyOutput& second);

/// Returns one line per way in which a run in the GNU form differs from the same run in tevlin's
/// own form beyond how the messages are printed (the files, the number of messages), or an
/// empty text.
std::string Describe_gnu_differences(const AssemblyOutput& native, const AssemblyOutput& gnu);

#endif  // TEVLIN_TESTS_SUPPORT_INVARIANTS_H_
