// The quorcomp command as a user runs it: arguments, printed status and exit status.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/TestCommand.h"
#include "tests/support/TestProject.h"
#include "platform/FileIO.h"

namespace qv::test {
namespace {

using Outcome = TCommandOutcome;

// Standard output and standard error together.
Outcome RunQuorcomp(const std::string& arguments) {
    return RunCommandLine("LC_ALL=C.UTF-8 " + ShellQuoted(std::string(QV_BIN_DIR) + "/quorcomp") + " " + arguments +
                          " 2>&1");
}

TEST(QuorcompCommandTest, UsageErrorsExitWith2) {
    for (const char* args : {"", "a b c", "--help"}) {
        const Outcome o = RunQuorcomp(args);
        EXPECT_EQ(o.Status, 2) << args;
        EXPECT_NE(o.Output.find("usage: quorcomp"), std::string::npos) << args;
    }
}

TEST(QuorcompCommandTest, VersionIsTheLibrarysVersion) {
    const Outcome o = RunQuorcomp("--version");
    EXPECT_EQ(o.Status, 0);
    EXPECT_EQ(o.Output, "1.0.0.2\n");
}

TEST(QuorcompCommandTest, BuildsNextToTheProjectByDefaultAndReportsTheStatusText) {
    TestProject project;
    project.WriteDefault();
    const Outcome ok = RunQuorcomp("'" + project.ProjectPath() + "'");
    EXPECT_EQ(ok.Status, 0);
    EXPECT_EQ(ok.Output, "コンパイル完了。\n");
    EXPECT_TRUE(FileExists(project.Path("demo.run")));

    project.Remove("mainicon.ico");
    const Outcome missing = RunQuorcomp("'" + project.ProjectPath() + "' other.run");
    EXPECT_EQ(missing.Status, 4);
    EXPECT_EQ(missing.Output, "メインアイコンが見つかりません\n");
}

TEST(QuorcompCommandTest, AMissingProjectExitsWithItsCode) {
    const Outcome o = RunQuorcomp("/nonexistent-qv/p.ipp");
    EXPECT_EQ(o.Status, 1);
    EXPECT_EQ(o.Output, "プロジェクトファイルが見つかりません\n");
}

}  // namespace
}  // namespace qv::test
