// Source line reader: prepares one physical line at a time for the scanner and turns the
// end of the first pass into the start of the second.
#ifndef TEVLIN_SCAN_READER_H_
#define TEVLIN_SCAN_READER_H_

#include <cstdio>

#include "global.h"

constexpr int kTabWidth = 8;  // tabs stop at every multiple of this column
// Room for a line of tabs only, each expanded to kTabWidth spaces, its newline and the NUL.
constexpr int kLexbufSize = kLineMax * kTabWidth + 2;

// clang-format off
// name                      start value  meaning
extern char lexbuf[kLexbufSize];  // ""   prepared line: comment cut, tabs expanded,
                                  //      upper-cased, ending in a newline; NUL-terminated;
                                  //      the scanner reads it in place
extern int lexbufpos;             // 0    index in lexbuf of the next character for the
                                  //      scanner; at the NUL the line is used up
extern std::FILE* yyin;           // null the source stream
// clang-format on

/// Reads and prepares the next line into rawLine and lexbuf; 0, or -1 at end
/// of file (the buffers then keep their contents).
int getLine();

/// At the end of the first pass starts the second (P2, counters, segment, message, rewind)
/// and returns 0; at the end of the second returns 1.
int yywrap();

/// Returns 1 when fname is longer than ext and ends in it (case-sensitive), else 0.
int IsFilenameExtensionValid(const char* fname, const char* ext);

/// Restores lexbuf, lexbufpos and yyin to their start values and drops the bytes read ahead.
void Reset_reader();

#endif  // TEVLIN_SCAN_READER_H_
