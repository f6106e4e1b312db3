#include "tests/support/TestCommand.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace qv::test {

TCommandOutcome RunCommandLine(const std::string& commandLine) {
    FILE* pipe = ::popen(commandLine.c_str(), "r");
    if (pipe == nullptr) return {};
    TCommandOutcome outcome;
    std::array<char, 4096> buf{};
    while (size_t n = std::fread(buf.data(), 1, buf.size(), pipe)) outcome.Output.append(buf.data(), n);
    const int raw = ::pclose(pipe);
    outcome.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return outcome;
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace qv::test
