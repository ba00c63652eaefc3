// A scratch directory for the fuzz targets' in-process assembly runs, removed at exit.
#ifndef TEVLIN_FUZZ_SCRATCH_H_
#define TEVLIN_FUZZ_SCRATCH_H_

#include <string>

#include "support/session.h"

/// Makes the scratch directory; aborts when it cannot be made.
void Make_scratch_dir();

/// Assembles source in the scratch directory, emptied first, and returns every output.
AssemblyOutput Assemble_in_scratch_dir(const std::string& source);

#endif  // TEVLIN_FUZZ_SCRATCH_H_
