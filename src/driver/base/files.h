// The seven streams of one run and the names they were opened under.
#ifndef TEVLIN_DRIVER_BASE_FILES_H_
#define TEVLIN_DRIVER_BASE_FILES_H_

#include <cstdio>

// name                    start value  meaning
extern std::FILE* infp;        // null  the source
extern std::FILE* errfp;       // null  NAME.err, the error log
extern std::FILE* listfp;      // null  NAME.asl, listing and symbol report
extern std::FILE* dbgfp;       // null  NAME.dbg
extern std::FILE* vhdlfp;      // null  prog_rom.vhd
extern std::FILE* vhdlfpx;     // null  xprog_rom.vhd
extern std::FILE* raw_hex_fp;  // null  NAME.mem

/// Closes whatever streams are still open and sets every handle to null.
void Reset_files();

#endif  // TEVLIN_DRIVER_BASE_FILES_H_
