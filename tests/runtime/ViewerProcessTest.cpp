// Packages started as their own processes under the offscreen platform, asked to report what
// their window shows: the program start's title rules, and errors that end up in the report
// instead of waiting for a click.
#include <filesystem>

#include "platform/FileIO.h"

#include "tests/support/TestCommand.h"
#include "ViewerTestSupport.h"

namespace qv::test {
namespace {

using ViewerProcessTest = ViewerTest;

TCommandOutcome RunReporting(const std::string& package) {
    return RunCommandLine("QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 QUORVEX_REPORT_SHOWN=1 " + ShellQuoted(package));
}

TEST_F(ViewerProcessTest, WithoutAPackageNameTheTitleComesFromTheFileName) {
    FProject.WriteInfo({"packname=", "iconcount=0"});
    const std::string package = FProject.Path("MyIcons.Pack.run");
    std::filesystem::rename(Build(), package);
    const TCommandOutcome o = RunReporting(package);
    EXPECT_EQ(o.Status, 0);
    EXPECT_NE(o.Output.find("\ntitle: Quorvex\napplication_title: Myicons\n"), std::string::npos) << o.Output;
    EXPECT_EQ(o.Output.find("error:"), std::string::npos) << o.Output;
}

TEST_F(ViewerProcessTest, ErrorBoxesOfADamagedPackageGoIntoTheReport) {
    const std::string package = Build();
    EditPackage(package, [](TResources& r) { RemoveResource(r, RT_RCDATA, "ICONPACKINFO"); });
    const TCommandOutcome o = RunReporting(package);
    EXPECT_EQ(o.Status, 0);
    EXPECT_NE(o.Output.find("error: Resource \"ICONPACKINFO\" (type 10) not found\n"), std::string::npos) << o.Output;
    EXPECT_NE(o.Output.find("error: Resource \"LANG-1_README\" (type 10) not found\n"), std::string::npos) << o.Output;
    EXPECT_NE(o.Output.find("icons: 0\n"), std::string::npos) << o.Output;
}

// Unattended copy: past the agree step, through the copy-to dialog into a folder it makes, every
// file what the container writes for the package's icon, the folder opened afterwards.
TEST_F(ViewerProcessTest, CopyToFolderOfTheEnvironmentCopiesEveryIconThroughTheDialog) {
    std::vector<std::string> info = TestProject::InfoLinesForIcons({"a.ico", "b.ico", "c.ico"});
    info.push_back("agreebutton=True");
    FProject.WriteInfo(info);
    const std::string package = Build();
    const std::string dest = FProject.Path("out/icons/");
    const TCommandOutcome o = RunCommandLine("QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 QUORVEX_REPORT_SHOWN=1 QUORVEX_COPY_TO=" +
                                             ShellQuoted(dest) + " " + ShellQuoted(package));
    EXPECT_EQ(o.Status, 0);
    EXPECT_NE(o.Output.find("agree_step: yes\n"), std::string::npos) << o.Output;
    EXPECT_NE(o.Output.find("\nquestion: "), std::string::npos) << o.Output;  // the folder is made on Yes
    EXPECT_NE(o.Output.find("\nopened: " + dest), std::string::npos) << o.Output;
    Create(package);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(ReadWholeFile(dest + char('a' + i) + ".ico"), PackageIconFile(i)) << i;
}

}  // namespace
}  // namespace qv::test
