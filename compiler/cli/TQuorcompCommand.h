#pragma once
// The quorcomp command: argument handling and reporting around CompilePackage.
#include <iosfwd>

namespace qv {

class TQuorcompCommand {
public:
    // Exit status: the result code of the build, 2 for wrong arguments.
    int Run(int argc, char** argv);
    int Run(int argc, char** argv, std::ostream& out, std::ostream& err);
};

}  // namespace qv
