// quorcomp: builds a project into a package from the command line, for scripted builds.
#include "compiler/cli/TQuorcompCommand.h"

int main(int argc, char** argv) { return qv::TQuorcompCommand().Run(argc, argv); }
