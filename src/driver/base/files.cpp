// The seven streams of one run.
#include "driver/base/files.h"

#include <initializer_list>

std::FILE* infp = nullptr;
std::FILE* errfp = nullptr;
std::FILE* listfp = nullptr;
std::FILE* dbgfp = nullptr;
std::FILE* vhdlfp = nullptr;
std::FILE* vhdlfpx = nullptr;
std::FILE* raw_hex_fp = nullptr;

void Reset_files() {
    for (std::FILE** stream : {&infp, &errfp, &listfp, &dbgfp, &vhdlfp, &vhdlfpx, &raw_hex_fp}) {
        if (*stream != nullptr) std::fclose(*stream);
        *stream = nullptr;
    }
}
