#include "listing/startup.h"

void Insert_start_up_code(srcList_t*, const unsigned char*, const unsigned char*, int, int) {}
