// qvres: the debugging and scripting tool for module resources (see TQvresCommand).
#include <iostream>

#include "tools/qvres/TQvresCommand.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    qv::TQvresCommand command(std::cout, std::cerr);
    const int status = command.Run(std::vector<std::string>(argv + 1, argv + argc));
    std::cout.flush();
    return std::cout ? status : qv::TQvresCommand::KFailed;
}
