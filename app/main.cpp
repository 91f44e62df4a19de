// zerulin: the role lookup window.
#include "app/start_program.h"

int main(int argc, char** argv) { zerulin::StartProgram(argc, argv); }
