// CompilePackage through the real library: the package layout, the result codes in their order
// of testing, text encodings, and the package running as its own process.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include "compiler/QuorcompExports.h"
#include "platform/ChildProcess.h"
#include "platform/FileIO.h"
#include "platform/TModuleResources.h"
#include "tests/support/TestCommand.h"
#include "tests/support/TestProject.h"

namespace qv::test {
namespace {

struct Key {
    uint16_t type;
    std::string name;  // the number in decimal for numeric names
    uint16_t language;
    bool operator==(const Key& o) const { return type == o.type && name == o.name && language == o.language; }
};

std::ostream& operator<<(std::ostream& os, const Key& k) {
    return os << k.type << "/" << k.name << "/" << k.language;
}

std::vector<Key> Keys(const std::vector<ResEntry>& entries) {
    std::vector<Key> keys;
    for (const auto& e : entries) keys.push_back({e.type.AsNumber(), e.name.ToString(), e.language});
    return keys;
}

const ResEntry& Get(const std::vector<ResEntry>& entries, uint16_t type, const std::string& name) {
    for (const auto& e : entries)
        if (e.type.AsNumber() == type && e.name.ToString() == name) return e;
    throw std::runtime_error("missing resource " + name);
}

Bytes Utf16Resource(const std::u16string& text) {
    Bytes out{0xFF, 0xFE};
    for (char16_t c : text) {
        out.push_back(static_cast<uint8_t>(c & 0xFF));
        out.push_back(static_cast<uint8_t>(c >> 8));
    }
    return out;
}

Bytes Slice(const Bytes& b, size_t at, size_t n) { return Bytes(b.begin() + at, b.begin() + at + n); }
uint32_t U32(const Bytes& b, size_t at) { return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24; }

class CompilePackageTest : public ::testing::Test {
protected:
    void SetUp() override { project.WriteDefault(); }
    int Compile(const std::string& output) { return CompilePackage(project.ProjectPath().c_str(), output.c_str(), 0); }
    std::vector<ResEntry> Built() { return TModuleResources::FromFile(project.Path("out.run")).Overlay(); }

    TestProject project;
};

TEST_F(CompilePackageTest, WritesTheResourcesInLayoutOrderWithGaplessIconIds) {
    ASSERT_EQ(Compile(project.Path("out.run")), 0);
    const std::vector<Key> expected = {
        {10, "ICONPACKINFO", 0}, {10, "ICONPACKLANG", 0}, {10, "LANG0_SYS", 0}, {10, "LANG0_README", 0},
        {10, "LANG1_SYS", 0},    {10, "LANG1_README", 0}, {16, "1", 1033},      {10, "BANNERIMAGE", 0},
        {3, "1", 1041},          {3, "2", 1041},          {3, "3", 1041},       {14, "MAINICON", 1041},
        {3, "4", 1041},          {3, "5", 1041},          {3, "6", 1041},       {3, "7", 1041},
        {3, "8", 1041},          {14, "_ICONPACK0", 1041}, {3, "9", 1041},      {3, "10", 1041},
        {14, "_ICONPACK1", 1041}, {3, "11", 1041},        {14, "_ICONPACK2", 1041}};
    EXPECT_EQ(Keys(Built()), expected);
}

TEST_F(CompilePackageTest, GroupsCopyTheDirectoryAndIconsHoldTheImageBlocks) {
    ASSERT_EQ(Compile(project.Path("out.run")), 0);
    const auto entries = Built();
    const Bytes file = TestProject::Fixture("five.ico");
    const Bytes& group = Get(entries, 14, "_ICONPACK0").data;
    ASSERT_EQ(group.size(), 6u + 5 * 14);
    EXPECT_EQ(Slice(group, 0, 6), Slice(file, 0, 6));
    for (size_t i = 0; i < 5; ++i) {
        const size_t at = 6 + 14 * i, dirAt = 6 + 16 * i;
        EXPECT_EQ(Slice(group, at, 12), Slice(file, dirAt, 12)) << "entry " << i;
        const uint16_t id = static_cast<uint16_t>(group[at + 12] | group[at + 13] << 8);
        EXPECT_EQ(id, 4 + i);
        const Bytes block = Slice(file, U32(file, dirAt + 12), U32(file, dirAt + 8));
        EXPECT_EQ(Get(entries, 3, std::to_string(id)).data, block) << "image " << i;
    }
}

TEST_F(CompilePackageTest, TextsAreStoredAsTheRuntimeReadsThem) {
    project.WriteText("demo_iconpackinfo.txt", "packname=Demo\nagreebutton=False\riconcount=0");
    project.WriteFile("demo_lang0_sys.txt", Bytes{0xEF, 0xBB, 0xBF, 'a', '=', 0xE3, 0x81, 0x82, '\n'});
    project.WriteFile("demo_lang0_readme.txt", Bytes{0xFE, 0xFF, 0x00, 'h', 0x00, 'i'});
    project.WriteText("demo_lang1_sys.txt", "plain=ascii");
    project.WriteFile("demo_lang1_readme.txt", Bytes{0xFF, 0xFE});
    ASSERT_EQ(Compile(project.Path("out.run")), 0);
    const auto entries = Built();
    const std::string info = "packname=Demo\r\nagreebutton=False\r\niconcount=0\r\n";
    EXPECT_EQ(Get(entries, 10, "ICONPACKINFO").data, Bytes(info.begin(), info.end()));
    EXPECT_EQ(Get(entries, 10, "ICONPACKLANG").data, Utf16Resource(u"日本語\r\nEnglish\r\n"));
    EXPECT_EQ(Get(entries, 10, "LANG0_SYS").data, Utf16Resource(u"a=あ\r\n"));
    EXPECT_EQ(Get(entries, 10, "LANG0_README").data, Utf16Resource(u"hi\r\n"));
    EXPECT_EQ(Get(entries, 10, "LANG1_SYS").data, Utf16Resource(u"plain=ascii\r\n"));
    EXPECT_EQ(Get(entries, 10, "LANG1_README").data, (Bytes{0xFF, 0xFE}));
    EXPECT_EQ(Get(entries, 16, "1").data, TestProject::Fixture("versioninfo.bin"));
    EXPECT_EQ(Get(entries, 10, "BANNERIMAGE").data, TestProject::Fixture("banner.png"));
}

TEST_F(CompilePackageTest, NoIconsStillNumbersThePackageIconFromOne) {
    project.WriteInfo({"iconcount=0"});
    ASSERT_EQ(Compile(project.Path("out.run")), 0);
    const std::vector<Key> tail = {{3, "1", 1041}, {3, "2", 1041}, {3, "3", 1041}, {14, "MAINICON", 1041}};
    const auto keys = Keys(Built());
    ASSERT_GE(keys.size(), tail.size());
    EXPECT_EQ(std::vector<Key>(keys.end() - 4, keys.end()), tail);
}

TEST_F(CompilePackageTest, ResultCodesComeInTheirOrderOfTesting) {
    struct Case {
        const char* what;
        std::vector<std::string> remove;
        int code;
    };
    const std::vector<Case> cases = {
        {"no project file", {"demo.ipp"}, 1},
        {"version and info missing", {"demo_versioninfo.bin", "demo_iconpackinfo.txt"}, 16},
        {"banner missing", {"demo_bannerimage.png", "demo_iconpackinfo.txt"}, 32},
        {"info missing", {"demo_iconpackinfo.txt", "mainicon.ico"}, 2},
        {"main icon missing", {"mainicon.ico"}, 4},
        {"icon and main icon missing", {"icon/a.ico", "mainicon.ico"}, 255},
        {"language text missing", {"demo_lang1_readme.txt"}, 255},
        {"language list missing", {"demo_iconpacklang.txt"}, 255},
    };
    for (const auto& c : cases) {
        TestProject p;
        p.WriteDefault();
        for (const auto& r : c.remove) p.Remove(r);
        EXPECT_EQ(CompilePackage(p.ProjectPath().c_str(), p.Path("out.run").c_str(), 0), c.code) << c.what;
        EXPECT_FALSE(std::filesystem::exists(p.Path("out.run"))) << c.what << ": output must stay untouched";
    }
}

TEST_F(CompilePackageTest, AFolderIsNoProjectFile) {
    EXPECT_EQ(CompilePackage(project.Folder().c_str(), project.Path("out.run").c_str(), 0), 1);
}

TEST_F(CompilePackageTest, BadInputsFailWith255AndLeaveTheOutputAlone) {
    struct Case {
        const char* what;
        const char* file;
        std::string content;
    };
    const std::vector<Case> cases = {
        {"negative iconcount", "demo_iconpackinfo.txt", "iconcount=-1\r\n"},
        {"non-numeric iconcount", "demo_iconpackinfo.txt", "iconcount=three\r\n"},
        {"missing iconcount", "demo_iconpackinfo.txt", "packname=x\r\n"},
        {"huge iconcount", "demo_iconpackinfo.txt", "iconcount=999999999\r\niconname0=a.ico\r\n"},
        {"damaged icon", "icon/a.ico", std::string("\0\0\1\0\5\0garbage", 13)},
        {"language list ending in an empty line", "demo_iconpacklang.txt", "one\r\ntwo\r\n\r\n"},
    };
    for (const auto& c : cases) {
        TestProject p;
        p.WriteDefault();
        p.WriteText("out.run", "keep me");
        p.WriteText(c.file, c.content);
        EXPECT_EQ(CompilePackage(p.ProjectPath().c_str(), p.Path("out.run").c_str(), 0), 255) << c.what;
        EXPECT_EQ(ReadWholeFile(p.Path("out.run")), (Bytes{'k', 'e', 'e', 'p', ' ', 'm', 'e'})) << c.what;
    }
}

TEST_F(CompilePackageTest, DamagedInputFilesGiveTheirResultCode) {
    struct Case {
        const char* fixture;  // under tests/data/invalid/compiler
        const char* replaces;
        int code;
    };
    const Case cases[] = {
        {"garbage.ipp", "demo.ipp", 16},  // no keys: the version file name is empty
        {"truncated.ico", "icon/b.ico", 255},
        {"offset-outside.ico", "c.ico", 255},
        {"truncated.ico", "mainicon.ico", 255},
        {"nonsense-info.txt", "demo_iconpackinfo.txt", 255},
    };
    for (const Case& c : cases) {
        TestProject p;
        p.WriteDefault();
        p.WriteFile(c.replaces, ReadWholeFile(std::string(QV_TEST_DATA) + "/invalid/compiler/" + c.fixture));
        EXPECT_EQ(CompilePackage(p.ProjectPath().c_str(), p.Path("out.run").c_str(), 0), c.code) << c.fixture;
        EXPECT_FALSE(FileExists(p.Path("out.run"))) << c.fixture;
    }
}

TEST_F(CompilePackageTest, TheBundledExampleBuilds) {
    const std::string example = std::string(QV_SOURCE_DIR) + "/examples/sample/sample.ipp";
    ASSERT_EQ(CompilePackage(example.c_str(), project.Path("sample.run").c_str(), 0), 0);
    const auto entries = TModuleResources::FromFile(project.Path("sample.run")).Overlay();
    EXPECT_EQ(Get(entries, 10, "BANNERIMAGE").data,
              ReadWholeFile(std::string(QV_SOURCE_DIR) + "/examples/sample/sample_bannerimage.png"));
    EXPECT_EQ(Get(entries, 14, "_ICONPACK2").data.size(), 6u + 3 * 14);
}

TEST_F(CompilePackageTest, OutputPathRules) {
    EXPECT_EQ(Compile("bare.run"), 0);  // a bare name lands in the project folder
    EXPECT_TRUE(FileExists(project.Path("bare.run")));
    EXPECT_EQ(Compile("/nonexistent-folder-qv/x.run"), 255);
    const std::string relativeProject = std::filesystem::path(project.ProjectPath()).filename();
    EXPECT_EQ(CompilePackage(relativeProject.c_str(), "x.run", 0), 1);  // not found from our folder
}

TEST_F(CompilePackageTest, BuildsAreByteIdenticalAndExecutable) {
    ASSERT_EQ(Compile(project.Path("one.run")), 0);
    ASSERT_EQ(Compile(project.Path("two.run")), 0);
    EXPECT_EQ(ReadWholeFile(project.Path("one.run")), ReadWholeFile(project.Path("two.run")));

    struct stat st {};
    ASSERT_EQ(::stat(project.Path("one.run").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IXUSR);
}

// The probe reads any package by the viewer's rules for the package information.
TEST_F(CompilePackageTest, TheProbeListsWhatAPackageCarries) {
    ASSERT_EQ(Compile(project.Path("out.run")), 0);
    const TCommandOutcome o = RunCommandLine(ShellQuoted(std::string(QV_BIN_DIR) + "/qvprobe") + " " +
                                             ShellQuoted(project.Path("out.run")));
    EXPECT_EQ(o.Status, 0);
    EXPECT_EQ(o.Output, "title: Demo=Icons\nicon 0: a.ico (5 images)\nicon 1: b.ico (2 images)\n"
                        "icon 2: c.ico (1 images)\n");
}

#ifdef QV_PACKAGE_IS_VIEWER
// A package is the viewer: started on its own, under the offscreen platform, it finds its
// resources and shows them (it reports its window once asked to), and it stays up until ended.
class BuiltViewerTest : public CompilePackageTest {
protected:
    void SetUp() override {
        CompilePackageTest::SetUp();
        ASSERT_EQ(Compile(project.Path("viewer.run")), 0);
    }
    std::string Environment() const { return "QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "; }
};

TEST_F(BuiltViewerTest, ShowsTheProjectsTitleBannerLanguagesReadmeAndIcons) {
    const TCommandOutcome o =
        RunCommandLine(Environment() + "QUORVEX_REPORT_SHOWN=1 " + ShellQuoted(project.Path("viewer.run")));
    EXPECT_EQ(o.Status, 0);
    for (const char* line : {"title: Demo=Icons\n", "application_title: Demo=Icons\n", "banner: yes\n",
                             "languages: 2\n", "language: 日本語\n", "icons: 3\n", "readme_chars: 8\n",
                             "agree_step: yes\n"})
        EXPECT_NE(o.Output.find(line), std::string::npos) << line << "in:\n" << o.Output;
}

TEST_F(BuiltViewerTest, StaysUpUntilEnded) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::unsetenv("QUORVEX_REPORT_SHOWN");
    const TProcessStart started = StartChildProcess({project.Path("viewer.run")}, "");
    ASSERT_TRUE(started.Started()) << started.Error;
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_TRUE(IsChildProcessRunning(started.Pid));
    EXPECT_TRUE(KillChildProcess(started.Pid));
}
#else
// Without Qt the package is the probe, which prints what it carries.
TEST_F(CompilePackageTest, ThePackageRunsAndFindsItsResources) {
    ASSERT_EQ(Compile(project.Path("probe.run")), 0);
    const TCommandOutcome o = RunCommandLine(ShellQuoted(project.Path("probe.run")));
    EXPECT_EQ(o.Status, 0);
    EXPECT_NE(o.Output.find("title: Demo=Icons\n"), std::string::npos) << o.Output;
    EXPECT_NE(o.Output.find("icon 2: c.ico (1 images)\n"), std::string::npos) << o.Output;
}
#endif

TEST(GetVersionTest, Returns1002) { EXPECT_EQ(GetVersion(), 1002); }

}  // namespace
}  // namespace qv::test
