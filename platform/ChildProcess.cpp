#include "platform/ChildProcess.h"

#include <errno.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace qv {

namespace {

// Signals a host program commonly ignores or blocks; a child must start with default actions.
void ResetSignalsForChild(posix_spawnattr_t& attr) {
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    for (int sig : {SIGPIPE, SIGCHLD, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGUSR1, SIGUSR2})
        sigaddset(&defaults, sig);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
}

int DecodeStatus(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

int WaitRetrying(int pid, int* status, int options) {
    int result;
    do {
        result = waitpid(pid, status, options);
    } while (result < 0 && errno == EINTR);
    return result;
}

}  // namespace

TProcessStart StartChildProcess(const std::vector<std::string>& argv, const std::string& workDir) {
    TProcessStart start;
    if (argv.empty() || argv[0].empty()) {
        start.Error = ENOENT;
        return start;
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attr);
    if (!workDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    ResetSignalsForChild(attr);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argv[0].c_str(), &actions, &attr, args.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        start.Error = error;
    } else {
        start.Pid = pid;
    }
    return start;
}

bool IsChildProcessRunning(int pid) {
    if (pid <= 0) return false;
    siginfo_t info{};
    int result;
    do {
        result = waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT);
    } while (result < 0 && errno == EINTR);
    return result == 0 && info.si_pid == 0;  // 0: our child, not ended yet
}

bool KillChildProcess(int pid) {
    if (pid <= 0) return false;
    // Not yet reaped means the pid is still our child's, so the signal cannot hit a stranger.
    const bool running = IsChildProcessRunning(pid);
    if (running) kill(pid, SIGKILL);
    int status = 0;
    WaitRetrying(pid, &status, 0);
    return running;
}

int WaitChildProcess(int pid) {
    if (pid <= 0) return -1;
    int status = 0;
    if (WaitRetrying(pid, &status, 0) != pid) return -1;
    return DecodeStatus(status);
}

int OpenChildProcessExitFd(int pid) {
#ifdef SYS_pidfd_open
    if (pid > 0) return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#endif
    (void)pid;
    return -1;
}

}  // namespace qv
