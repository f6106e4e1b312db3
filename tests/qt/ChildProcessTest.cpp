#include "platform/ChildProcess.h"

#include <gtest/gtest.h>

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/FileIO.h"

namespace qv {
namespace {

std::string Text(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(ChildProcess, ArgumentsReachTheProgramVerbatimInItsFolder) {
    char pattern[] = "/tmp/qvchildXXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    // No shell between us and the program: quotes, spaces and $(...) arrive as they were given.
    const TProcessStart start = StartChildProcess(
        {"/bin/sh", "-c", "printf %s \"$1\" > arg.txt; pwd > pwd.txt; exit 7", "sh", "a b;$(x) \"q\""}, dir);
    ASSERT_TRUE(start.Started()) << start.Error;
    EXPECT_EQ(WaitChildProcess(start.Pid), 7);
    EXPECT_EQ(Text(ReadWholeFile(dir + "/arg.txt")), "a b;$(x) \"q\"");
    EXPECT_EQ(Text(ReadWholeFile(dir + "/pwd.txt")), dir + "\n");
    EXPECT_EQ(WaitChildProcess(start.Pid), -1);  // reaped once
    std::system(("rm -rf '" + dir + "'").c_str());
}

TEST(ChildProcess, StartFailuresReportTheError) {
    EXPECT_EQ(StartChildProcess({"/nonexistent/upx", "-9"}, "").Error, ENOENT);
    EXPECT_FALSE(StartChildProcess({"/nonexistent/upx"}, "").Started());
    EXPECT_EQ(StartChildProcess({}, "").Error, ENOENT);
    char plain[] = "/tmp/qvplainXXXXXX";  // made without execute permission
    const int fd = mkstemp(plain);
    ASSERT_GE(fd, 0);
    close(fd);
    EXPECT_EQ(StartChildProcess({plain}, "").Error, EACCES);
    unlink(plain);
    EXPECT_NE(StartChildProcess({"/bin/true"}, "/nonexistent-folder").Error, 0);
}

TEST(ChildProcess, KillEndsARunningChildOnlyOnce) {
    const TProcessStart start = StartChildProcess({"/bin/sleep", "30"}, "");
    ASSERT_TRUE(start.Started());
    EXPECT_TRUE(IsChildProcessRunning(start.Pid));
    EXPECT_TRUE(KillChildProcess(start.Pid));
    EXPECT_FALSE(IsChildProcessRunning(start.Pid));
    EXPECT_FALSE(KillChildProcess(start.Pid));  // reaped: the pid is no longer ours to signal
    EXPECT_FALSE(IsChildProcessRunning(getpid()));
    EXPECT_FALSE(KillChildProcess(getppid()));  // never a process we did not start
}

TEST(ChildProcess, AskingWhetherItRunsKeepsTheExitStatus) {
    const TProcessStart start = StartChildProcess({"/bin/sh", "-c", "exit 3"}, "");
    ASSERT_TRUE(start.Started());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (IsChildProcessRunning(start.Pid) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(IsChildProcessRunning(start.Pid));
    EXPECT_EQ(WaitChildProcess(start.Pid), 3);
}

TEST(ChildProcess, SignalEndAndExitDescriptor) {
    const TProcessStart start = StartChildProcess({"/bin/sleep", "30"}, "");
    ASSERT_TRUE(start.Started());
    const int fd = OpenChildProcessExitFd(start.Pid);
    if (fd >= 0) {
        pollfd waiting{fd, POLLIN, 0};
        EXPECT_EQ(poll(&waiting, 1, 0), 0);  // still running: not readable
    }
    kill(start.Pid, SIGTERM);
    if (fd >= 0) {
        pollfd waiting{fd, POLLIN, 0};
        EXPECT_EQ(poll(&waiting, 1, 10000), 1);
        close(fd);
    }
    EXPECT_EQ(WaitChildProcess(start.Pid), 128 + SIGTERM);
}

}  // namespace
}  // namespace qv
