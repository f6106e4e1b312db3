#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "common/PathEdit.h"
#include "platform/FileIO.h"
#include "tests/text/CodePageScope.h"
#include "tests/text/TempFolder.h"

namespace qv {
namespace {

TEST(PathEdit, AppendBackslashAddsExactlyOneDelimiter) {
    struct Case {
        const char *in, *out;
    } cases[] = {{"/tmp", "/tmp/"}, {"/tmp/", "/tmp/"}, {"", "/"}, {"/", "/"}, {"icon", "icon/"}, {"a\\", "a\\/"}};
    for (const Case& c : cases) EXPECT_EQ(AppendBackslash(c.in), c.out) << c.in;
}

TEST(PathEdit, FolderAndFileNameParts) {
    struct Case {
        const char *path, *filePath, *fileDir, *fileName, *ext;
    } cases[] = {
        {"/a/b.txt", "/a/", "/a", "b.txt", ".txt"},
        {"/a/", "/a/", "/a", "", ""},
        {"/a", "/", "/", "a", ""},
        {"/", "/", "/", "", ""},
        {"//", "//", "//", "", ""},
        {"a", "", "", "a", ""},
        {"a/b/c", "a/b/", "a/b", "c", ""},
        {"a//b", "a//", "a", "b", ""},
        {"x.d/name", "x.d/", "x.d", "name", ""},
        {"p.tar.gz", "", "", "p.tar.gz", ".gz"},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.path), c.filePath) << c.path;
        EXPECT_EQ(ExtractFileDir(c.path), c.fileDir) << c.path;
        EXPECT_EQ(ExtractFileName(c.path), c.fileName) << c.path;
        EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
    }
    EXPECT_EQ(ChangeFileExt("/p/newpackage.ipp", ".run"), "/p/newpackage.run");
    EXPECT_EQ(ChangeFileExt("/p.d/newpackage", ".run"), "/p.d/newpackage.run");
    EXPECT_EQ(ChangeFileExt("/p/a.b.ipp", ""), "/p/a.b");
    EXPECT_TRUE(IsPathRoot("/"));
    EXPECT_TRUE(IsPathRoot("//"));
    EXPECT_FALSE(IsPathRoot(""));
    EXPECT_FALSE(IsPathRoot("/a"));
}

TEST(PathEdit, RelativeProjectNamesTakeBackslashesAsDelimiters) {
    {
        test::CodePageScope scope("UTF-8");
        EXPECT_EQ(NormalizeRelativeName("icon\\sub\\a.ico"), "icon/sub/a.ico");
        EXPECT_EQ(NormalizeRelativeName("icon/"), "icon/");
        EXPECT_EQ(NormalizeRelativeName("\xE8\xA1\xA8\\x"), "\xE8\xA1\xA8/x");
    }
    test::CodePageScope scope("CP932");
    // 表 is 95 5C: its second byte is no delimiter.
    EXPECT_EQ(NormalizeRelativeName("\x95\x5C\\x\\\x95\x5C"), "\x95\x5C/x/\x95\x5C");
    EXPECT_EQ(NormalizeRelativeName("a\\b"), "a/b");
}

class LongNames : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(mkdir((FDir + "/MixedCase").c_str(), 0777), 0);
        WriteWholeFile(FDir + "/MixedCase/file.TXT", Bytes{1});
        char cwd[PATH_MAX];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        FOldCwd = cwd;
    }
    void TearDown() override { ASSERT_EQ(chdir(FOldCwd.c_str()), 0); }
    test::TempFolder FFolder;
    const std::string FDir = FFolder.Path();
    std::string FOldCwd;
};

TEST_F(LongNames, AbsolutePathsKeepStoredNamesAndLoseMissingOnes) {
    const std::string& d = FDir;
    struct Case {
        std::string in, longPath, longFileName;
    } cases[] = {
        {d + "/MixedCase/file.TXT", d + "/MixedCase/file.TXT", d + "/MixedCase/file.TXT"},
        {d + "/MixedCase", d + "/MixedCase", d + "/MixedCase"},
        {d + "/MixedCase/", d + "/MixedCase/", d + "/MixedCase"},  // the final delimiter goes
        {d + "/MixedCase/nothere", d + "/MixedCase/", d + "/MixedCase/"},
        {d + "/nothere/file.TXT", d + "/", d + "/"},
        {d + "//MixedCase", d + "/MixedCase", d + "/MixedCase"},
        {"/", "/", "/"},
        {"//", "//", "//"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExpandLongPath(c.in), c.longPath) << c.in;
        EXPECT_EQ(ExpandLongFileName(c.in), c.longFileName) << c.in;
    }
    EXPECT_EQ(FindLongName(d + "/MixedCase"), "MixedCase");
    EXPECT_EQ(FindLongName(d + "/MixedCase/"), "");
    EXPECT_EQ(FindLongName(d + "/nothere"), "");
    EXPECT_EQ(FindLongName("/"), "");
}

TEST_F(LongNames, OtherLetterCaseFindsTheStoredNameOnlyWhereTheFileSystemFindsIt) {
    const std::string asked = FDir + "/mixedcase/FILE.txt";
    struct stat st {};
    if (lstat((FDir + "/mixedcase").c_str(), &st) == 0) {
        EXPECT_EQ(ExpandLongFileName(asked), FDir + "/MixedCase/file.TXT");  // a case-blind file system
    } else {
        EXPECT_EQ(ExpandLongFileName(asked), FDir + "/");  // here other case names another, missing folder
    }
}

TEST_F(LongNames, RelativePathsStayRelative) {
    ASSERT_EQ(chdir(FDir.c_str()), 0);
    struct Case {
        const char *in, *longFileName;
    } cases[] = {
        {"MixedCase/file.TXT", "MixedCase/file.TXT"},
        {"MixedCase", "MixedCase"},
        {"MixedCase/", "MixedCase"},
        {"MixedCase/nothere", "MixedCase/"},
        {"./MixedCase/../MixedCase/file.TXT", "./MixedCase/../MixedCase/file.TXT"},
        {"nothere", ""},
        {"nothere/file.TXT", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ExpandLongFileName(c.in), c.longFileName) << c.in;
    EXPECT_EQ(ExpandLongPath("MixedCase/file.TXT"), "MixedCase/file.TXT");
}

TEST_F(LongNames, PathsOfAnyLengthEnd) {
    std::string absolute = FDir + "/nothere";
    std::string relative = "nothere";
    for (int i = 0; i < 50000; ++i) {
        absolute += "/a";
        relative += "/a";
    }
    EXPECT_EQ(ExpandLongFileName(absolute), FDir + "/");
    EXPECT_EQ(ExpandLongPath(absolute + "/"), FDir + "/");
    ASSERT_EQ(chdir(FDir.c_str()), 0);
    EXPECT_EQ(ExpandLongFileName(relative), "");
    EXPECT_EQ(ExpandLongFileName(std::string(100000, '/')), std::string(100000, '/'));
}

}  // namespace
}  // namespace qv
