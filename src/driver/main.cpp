// Entry point of the tevlin command.
#include "driver/assembler.h"

int main(int argc, char** argv) { return Run_tevlin(argc, argv); }
