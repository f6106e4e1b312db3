// qvprobe: prints the title and icons a package carries (see TQvprobeCommand).
#include <iostream>

#include "tools/qvprobe/TQvprobeCommand.h"

int main(int argc, char** argv) {
    qv::TQvprobeCommand command(std::cout, std::cerr);
    const int status = command.Run(std::vector<std::string>(argv + 1, argv + argc));
    std::cout.flush();
    return std::cout ? status : qv::TQvprobeCommand::KFailed;
}
