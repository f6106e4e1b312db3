// Quorvex: the program every icon package is.
#include "runtime/TQuorvexProgram.h"

int main(int argc, char** argv) { return qv::TQuorvexProgram::Run(argc, argv); }
