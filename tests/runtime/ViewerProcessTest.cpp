// Packages started as their own processes under the offscreen platform, asked to report what
// their window shows: the program start's title rules, and errors that end up in the report
// instead of waiting for a click.
#include <filesystem>
#include <functional>

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

// The running program reads its own file in place: damage there gives the same reports as when
// the file is read into memory, and never a crash or a read past the file.
TEST_F(ViewerProcessTest, ADamagedOwnFileIsReportedInPlace) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> damage;
        std::vector<std::string> reported;
    } cases[] = {
        {"overlay cut short",
         [](const std::string& p) {
             const Bytes file = ReadWholeFile(p);
             WriteWholeFile(p, Bytes(file.begin(), file.end() - 100));
         },
         {"error: Resource \"ICONPACKINFO\" (type 10) not found\n", "icons: 0\n"}},
        {"record running past the stream",
         [](const std::string& p) {
             Bytes file = ReadWholeFile(p);
             uint64_t length = 0;
             for (int i = 7; i >= 0; --i) length = length << 8 | file[file.size() - 8 + size_t(i)];
             const size_t first = file.size() - 16 - size_t(length) + 32;  // after the empty record
             for (size_t i = first; i < first + 4; ++i) file[i] = 0xF0;
             WriteWholeFile(p, file);
         },
         {"error: Resource \"ICONPACKINFO\" (type 10) not found\n", "icons: 0\n"}},
        {"damaged icon group",
         [](const std::string& p) {
             EditPackage(p, [](TResources& r) { FindResource(r, RT_GROUP_ICON, "_ICONPACK1")->data.resize(5); });
         },
         {"error: アイコンの読み込みに失敗", "icons: 1\n"}},
        {"icon images cut short",
         [](const std::string& p) {
             EditPackage(p, [](TResources& r) {
                 for (ResEntry& e : r)
                     if (e.type == ResId::Number(RT_ICON)) e.data.resize(20);
             });
         },
         {"error: アイコンの読み込みに失敗", "icons: 0\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string package = Build();
        c.damage(package);
        const TCommandOutcome o = RunReporting(package);
        EXPECT_EQ(o.Status, 0);
        for (const std::string& part : c.reported) EXPECT_NE(o.Output.find(part), std::string::npos) << o.Output;
    }
}

}  // namespace
}  // namespace qv::test
