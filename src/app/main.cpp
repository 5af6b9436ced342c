#include "app/program.h"

int main(int argc, char** argv) { return zolmera::runProgram(argc, argv); }
