// Numbering, printing and logging of errors, and the message text of the current line.
#ifndef TEVLIN_DIAG_DIAG_H_
#define TEVLIN_DIAG_DIAG_H_

#include <cstdio>
#include <string>

// name                   start value  meaning
extern std::string errMsg;    // ""     messages of the current line; empty when none
extern int errCnt;            // 0      errors reported in this run
extern std::FILE* consolefp;  // stderr where console messages go

// The printf that formats messages. MinGW's C++ library formats with the C99 printf of MinGW
// (so %zu works), which its compilers check as gnu_printf; printf there means Microsoft's.
#ifdef __MINGW_PRINTF_FORMAT
#define TEVLIN_PRINTF __MINGW_PRINTF_FORMAT
#else
#define TEVLIN_PRINTF printf
#endif

/// Returns the printf-style formatting of fmt and its arguments, whole whatever its length.
std::string Format_message(const char* fmt, ...) __attribute__((format(TEVLIN_PRINTF, 1, 2)));

/// Reports one error: numbers it, writes it to consolefp and errfp, appends it to errMsg,
/// raises errCnt. The text is never used as a format.
void perrMsg(const char* fmt);

/// Appends msg to errMsg (joined by a newline and twelve blanks); prints and counts nothing.
void yyerror(const char* msg);

/// Empties errMsg.
void Free_errMsg_buf();

/// Restores errMsg, errCnt and consolefp to their start values.
void Reset_diag();

#endif  // TEVLIN_DIAG_DIAG_H_
