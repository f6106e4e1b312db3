// The quorcomp command as a user runs it: arguments, printed status and exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "TestProject.h"
#include "platform/FileIO.h"

namespace qv::test {
namespace {

struct Outcome {
    int status;
    std::string output;  // standard output and standard error together
};

Outcome RunQuorcomp(const std::string& arguments) {
    const std::string command = "LC_ALL=C.UTF-8 '" + std::string(QV_BIN_DIR) + "/quorcomp' " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {-1, ""};
    Outcome o{0, ""};
    std::array<char, 256> buf{};
    while (size_t n = std::fread(buf.data(), 1, buf.size(), pipe)) o.output.append(buf.data(), n);
    const int raw = ::pclose(pipe);
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return o;
}

TEST(QuorcompCommandTest, UsageErrorsExitWith2) {
    for (const char* args : {"", "a b c", "--help"}) {
        const Outcome o = RunQuorcomp(args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_NE(o.output.find("usage: quorcomp"), std::string::npos) << args;
    }
}

TEST(QuorcompCommandTest, VersionIsTheLibrarysVersion) {
    const Outcome o = RunQuorcomp("--version");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.output, "1.0.0.2\n");
}

TEST(QuorcompCommandTest, BuildsNextToTheProjectByDefaultAndReportsTheStatusText) {
    TestProject project;
    project.WriteDefault();
    const Outcome ok = RunQuorcomp("'" + project.ProjectPath() + "'");
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.output, "コンパイル完了。\n");
    EXPECT_TRUE(FileExists(project.Path("demo.run")));

    project.Remove("mainicon.ico");
    const Outcome missing = RunQuorcomp("'" + project.ProjectPath() + "' other.run");
    EXPECT_EQ(missing.status, 4);
    EXPECT_EQ(missing.output, "メインアイコンが見つかりません\n");
}

TEST(QuorcompCommandTest, AMissingProjectExitsWithItsCode) {
    const Outcome o = RunQuorcomp("/nonexistent-qv/p.ipp");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.output, "プロジェクトファイルが見つかりません\n");
}

}  // namespace
}  // namespace qv::test
