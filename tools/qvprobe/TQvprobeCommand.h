#pragma once
// qvprobe: a diagnostic tool that prints what a package carries, read by the viewer's own rules
// for the package information.
//   qvprobe            the resources of the running program itself (a package that is a copy of
//                      qvprobe prints its own contents)
//   qvprobe PACKAGE    the resources of that file
// Output: "title: <packname>", then "icon <i>: <name> (<n> images)" for every icon, in order.
// Exit status: 0 done, 1 no package or a damaged one (the reason on standard error), 2 usage.
#include <ostream>
#include <string>
#include <vector>

namespace qv {

class TQvprobeCommand {
public:
    static constexpr int KOk = 0;
    static constexpr int KFailed = 1;
    static constexpr int KUsage = 2;

    TQvprobeCommand(std::ostream& out, std::ostream& err) : FOut(out), FErr(err) {}

    // args without the program name.
    int Run(const std::vector<std::string>& args);

private:
    int Probe();

    std::ostream& FOut;
    std::ostream& FErr;
};

}  // namespace qv
