// Names under which icons leave a package: which icon names may be written, and the drag folder
// that is always new and always directly inside the temporary folder.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>

#include "common/PathEdit.h"
#include "platform/FileIO.h"
#include "platform/SystemInfo.h"
#include "runtime/IconFileNames.h"

namespace qv::test {
namespace {

TEST(IconFileNamesTest, OnlyAPlainFileNameMayBeWritten) {
    struct Case {
        std::string name;
        bool plain;
    } cases[] = {
        {"a.ico", true}, {"..a.ico", true}, {"a b.ico", true}, {"a\\b.ico", true}, {"", false},
        {".", false},    {"..", false},     {"../a.ico", false}, {"/a.ico", false}, {"a/", false},
        {std::string("a\0b", 3), false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsPlainFileName(c.name), c.plain) << c.name;
}

TEST(IconFileNamesTest, TheFolderStemNeverHoldsADelimiterOrEscapes) {
    EXPECT_EQ(SafeFolderStem("Icons"), "Icons");
    EXPECT_EQ(SafeFolderStem("../../etc/x"), ".._.._etc_x");
    EXPECT_EQ(SafeFolderStem(".."), "_..");
    EXPECT_EQ(SafeFolderStem("."), "_.");
    EXPECT_EQ(SafeFolderStem(""), "");
}

class NumberedFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/qvnumberedXXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        FRoot = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(FRoot); }
    std::string FRoot;
};

TEST_F(NumberedFolderTest, EachFolderIsNewAndDirectlyInsideTheTemporaryFolder) {
    std::set<std::string> made;
    for (const std::string& pack : {std::string("Pack"), std::string("../up"), std::string(".."), std::string("a/b")}) {
        const std::string folder = MakeNewNumberedFolder(FRoot, pack);
        ASSERT_FALSE(folder.empty()) << pack;
        EXPECT_EQ(ExtractFilePath(folder), AppendBackslash(FRoot)) << pack;
        const std::string name = ExtractFileName(folder);
        const std::string stem = SafeFolderStem(pack);
        ASSERT_EQ(name.compare(0, stem.size(), stem), 0) << name;
        const std::string number = name.substr(stem.size());
        ASSERT_FALSE(number.empty());
        EXPECT_EQ(number.find_first_not_of("0123456789"), std::string::npos) << name;
        EXPECT_LT(std::stoull(number), 0x0FFFFFFFull);
        EXPECT_TRUE(DirectoryExists(folder));
        EXPECT_TRUE(made.insert(folder).second) << "a folder was taken twice";
    }
    // Same stem again: still a new folder each time, never an existing one.
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(made.insert(MakeNewNumberedFolder(FRoot, "Pack")).second);
}

TEST_F(NumberedFolderTest, AFolderThatCannotHoldNewEntriesGivesNone) {
    EXPECT_EQ(MakeNewNumberedFolder(FRoot + "/missing/deeper", "Pack"), "");
    WriteWholeFile(FRoot + "/file", Bytes{1});
    EXPECT_EQ(MakeNewNumberedFolder(FRoot + "/file", "Pack"), "");
}

}  // namespace
}  // namespace qv::test
