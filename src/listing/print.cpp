#include "listing/print.h"

void Print_srcList(const srcList_t*, std::FILE*) {}
void Print_srcList_key(std::FILE*) {}
void Print_srcItem_short(const srcItem_t*, std::FILE*) {}
void Generate_srcList_debug_file(const srcList_t*, std::FILE*) {}
void xGenerate_srcList_debug_file(const srcList_t*, std::FILE*) {}
