#pragma once
// Runs a program the way a user's shell does and collects what it prints.
#include <string>

namespace qv::test {

struct TCommandOutcome {
    int Status = -1;     // the exit status; -1 when the program did not exit by itself
    std::string Output;  // its standard output (add 2>&1 to the line for standard error too)
};

// commandLine is given to /bin/sh as it stands.
TCommandOutcome RunCommandLine(const std::string& commandLine);

// text in single quotes for the shell.
std::string ShellQuoted(const std::string& text);

}  // namespace qv::test
