#pragma once
// Child processes started with an argument vector (no shell, no command-line parsing), tracked by
// their process id. A child stays ours until it is reaped, so a pid is only ever killed while it
// still names the child we started: once reaped, every call below leaves the pid alone.
#include <string>
#include <vector>

namespace qv {

struct TProcessStart {
    int Pid = 0;    // > 0 when the child runs
    int Error = 0;  // errno of the failed start (the program is missing, not executable, ...)
    bool Started() const { return Pid > 0; }
};

// argv[0] is the program's path (taken as it is: no search along $PATH). workDir empty: the
// caller's current folder. The child gets the caller's environment and default signal actions.
TProcessStart StartChildProcess(const std::vector<std::string>& argv, const std::string& workDir);

// True while the child runs. A child that has ended is not reaped here: it stays a zombie (its
// pid stays ours) until KillChildProcess or WaitChildProcess reaps it.
bool IsChildProcessRunning(int pid);

// Sends a kill signal to a child that still runs, and reaps the child whether it ran or had
// ended; true when it was running and got killed.
bool KillChildProcess(int pid);

// Waits for the child to end and reaps it: its exit status, 128 + the signal that ended it, or
// -1 when pid is no child of ours (already reaped, never started).
int WaitChildProcess(int pid);

// A descriptor that becomes readable when the child ends (Linux pidfd), or -1 when the kernel
// offers none; the caller closes it.
int OpenChildProcessExitFd(int pid);

}  // namespace qv
