#include <gtest/gtest.h>

#include <sys/stat.h>

#include <random>
#include <string>

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/TIniFile.h"
#include "tests/text/TempFolder.h"

namespace qv {
namespace {

class IniFile : public testing::Test {
protected:

    void Put(const std::string& text) { WriteWholeFile(FPath, Bytes(text.begin(), text.end())); }
    std::string Content() const {
        const Bytes b = ReadWholeFile(FPath);
        return std::string(b.begin(), b.end());
    }
    // Applies one write to the given file text and returns the text afterwards.
    std::string AfterWrite(const std::string& before, const char* section, const char* key, const char* value) {
        Put(before);
        TIniFile(FPath).WriteString(section, key, value);
        return Content();
    }

    test::TempFolder FFolder;
    const std::string FDir = FFolder.Path();
    const std::string FPath = FDir + "/settings.ini";
};

TEST_F(IniFile, MissingFileAndMissingKeysReadAsTheDefault) {
    TIniFile ini(FPath);
    EXPECT_EQ(ini.ReadString("package", "iconpackinfo", "def"), "def");
    EXPECT_EQ(ini.ReadInteger("Window", "PosX", -1), -1);
    EXPECT_TRUE(ini.ReadBool("Window", "Maximize", true));
    EXPECT_FALSE(ini.SectionExists("package"));
    EXPECT_TRUE(ini.ReadSections().empty());

    Put("[package]\r\nmainicon=mainicon.ico\r\nempty=\r\n");
    EXPECT_EQ(ini.ReadString("package", "iconsrcdir", "def"), "def");
    EXPECT_EQ(ini.ReadString("other", "mainicon", "def"), "def");
    EXPECT_EQ(ini.ReadString("package", "empty", "def"), "");  // present but empty is not missing
    EXPECT_TRUE(ini.ValueExists("package", "empty"));
    EXPECT_FALSE(ini.ValueExists("package", "iconsrcdir"));
}

TEST_F(IniFile, NamesMatchWithoutCaseAndBlanksValuesStayAsWritten) {
    Put("top=before any section\r\n"
        "  [ Package ]  \r\n"
        "IconPackInfo=a_info.txt\r\n"
        "  outputdir  =  /some dir/  \r\n"
        "; iconsrcdir=commented\r\n"
        "versioninfo=v=1.bin\r\n"
        "[package]\r\n"
        "iconsrcdir=in a later duplicate section\r\n"
        "[Other]\r\nx=1\r\n");
    TIniFile ini(FPath);
    struct Case {
        const char *section, *key, *value;
    } cases[] = {
        {"package", "iconpackinfo", "a_info.txt"}, {"PACKAGE", "ICONPACKINFO", "a_info.txt"},
        {" package ", " IconPackInfo", "a_info.txt"}, {"package", "outputdir", "  /some dir/  "},
        {"package", "versioninfo", "v=1.bin"},    {"package", "; iconsrcdir", "def"},
        {"package", "iconsrcdir", "def"},         {"other", "X", "1"},
        {"", "top", "def"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "def"), c.value) << c.section << "/" << c.key;
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Package", "Other"}));
    EXPECT_EQ(ini.ReadSection("package"), (std::vector<std::string>{"IconPackInfo", "outputdir", "versioninfo"}));
}

TEST_F(IniFile, WritesChangeOnlyTheirOwnLine) {
    struct Case {
        const char* name;
        std::string before;
        const char *section, *key, *value;
        std::string after;
    } cases[] = {
        {"replace in place, other bytes kept",
         "; head\n[a]\nkey  = old\r\n\n junk line\r[b]\r\nkey=b\r\n", "A", "KEY", "new",
         "; head\n[a]\nkey  =new\r\n\n junk line\r[b]\r\nkey=b\r\n"},
        {"append after the section's last key",
         "[a]\r\nx=1\r\n; about b\r\n\r\n[b]\r\ny=2\r\n", "a", "z", "3",
         "[a]\r\nx=1\r\nz=3\r\n; about b\r\n\r\n[b]\r\ny=2\r\n"},
        {"a section without keys gets it after its header", "[a]\r\n\r\n[b]\r\n", "a", "k", "v",
         "[a]\r\nk=v\r\n\r\n[b]\r\n"},
        {"a new section at the end", "[a]\r\nx=1\r\n", "b", "k", "v", "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        {"a last line without a break gets one", "[a]\nx=1", "a", "y", "2", "[a]\nx=1\r\ny=2\r\n"},
        {"a new section after a last line without a break", "[a]\nx=1", "b", "k", "v",
         "[a]\nx=1\r\n[b]\r\nk=v\r\n"},
        {"the first of two duplicate sections", "[a]\r\nk=1\r\n[A]\r\nk=2\r\n", "a", "k", "3",
         "[a]\r\nk=3\r\n[A]\r\nk=2\r\n"},
        {"an empty file", "", "package", "iconpackinfo", "p_iconpackinfo.txt",
         "[package]\r\niconpackinfo=p_iconpackinfo.txt\r\n"},
        {"a value cannot become lines of its own", "", "a", "k", "x\r\n[evil]\r\nk=y", "[a]\r\nk=x\r\n"},
        {"an empty value is written", "[a]\r\nk=1\r\n", "a", "k", "", "[a]\r\nk=\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(AfterWrite(c.before, c.section, c.key, c.value), c.after) << c.name;
}

TEST_F(IniFile, AProjectFileWrittenKeyByKeyIsExactlyItsKeysInOrder) {
    TIniFile ini(FPath);
    const char* keys[][2] = {{"iconpackinfo", "p_iconpackinfo.txt"}, {"iconpacklang", "p_iconpacklang.txt"},
                             {"iconsrcdir", "icon/"},                {"mainicon", "mainicon.ico"},
                             {"outputdir", ""},                      {"versioninfo", "p_versioninfo.bin"}};
    for (const auto& key : keys) ini.WriteString("package", key[0], key[1]);
    EXPECT_EQ(Content(),
              "[package]\r\niconpackinfo=p_iconpackinfo.txt\r\niconpacklang=p_iconpacklang.txt\r\n"
              "iconsrcdir=icon/\r\nmainicon=mainicon.ico\r\noutputdir=\r\nversioninfo=p_versioninfo.bin\r\n");
    // Rewriting every key with its value again changes nothing.
    for (const auto& key : keys) ini.WriteString("PACKAGE", key[0], key[1]);
    EXPECT_EQ(TIniFile(FPath).ReadSection("package").size(), 6u);
}

TEST_F(IniFile, LongValuesAreReadWhole) {
    const std::string longValue(300000, 'x');
    TIniFile ini(FPath);
    ini.WriteString("a", "long", longValue);
    ini.WriteString("a", "after", "1");
    EXPECT_EQ(TIniFile(FPath).ReadString("a", "long", ""), longValue);
    EXPECT_EQ(TIniFile(FPath).ReadInteger("a", "after", 0), 1);
}

TEST_F(IniFile, NumbersAndBooleans) {
    Put("[n]\r\na=42\r\nb= -7 \r\nc=12abc\r\nd=99999999999\r\ne=\r\nf=-2147483648\r\ng=2147483648\r\n"
        "t=2\r\nz=0\r\nw=true\r\n");
    TIniFile ini(FPath);
    struct Case {
        const char* key;
        int32_t expected;
    } cases[] = {{"a", 42}, {"b", -7}, {"c", 5}, {"d", 5}, {"e", 5}, {"f", INT32_MIN}, {"g", 5}, {"none", 5}};
    for (const Case& c : cases) EXPECT_EQ(ini.ReadInteger("n", c.key, 5), c.expected) << c.key;
    EXPECT_TRUE(ini.ReadBool("n", "t", false));
    EXPECT_FALSE(ini.ReadBool("n", "z", true));
    EXPECT_TRUE(ini.ReadBool("n", "w", true));  // not a number: the default
    EXPECT_FALSE(ini.ReadBool("n", "w", false));

    ini.WriteInteger("n", "a", -15);
    ini.WriteBool("n", "t", false);
    ini.WriteBool("n", "new", true);
    EXPECT_EQ(ini.ReadString("n", "a", ""), "-15");
    EXPECT_EQ(ini.ReadString("n", "t", ""), "0");
    EXPECT_EQ(ini.ReadString("n", "new", ""), "1");
}

TEST_F(IniFile, DeletingKeysAndSections) {
    Put("[a]\r\nk=1\r\nK=2\r\nm=3\r\n[b]\r\nk=4\r\n[A]\r\nq=5\r\n");
    TIniFile ini(FPath);
    ini.DeleteKey("a", "k");
    EXPECT_EQ(Content(), "[a]\r\nm=3\r\n[b]\r\nk=4\r\n[A]\r\nq=5\r\n");
    ini.EraseSection("A");
    EXPECT_EQ(Content(), "[b]\r\nk=4\r\n");
    ini.DeleteKey("none", "k");
    EXPECT_EQ(Content(), "[b]\r\nk=4\r\n");

    // Deleting from a file that is not there does not make one.
    TIniFile missing(FDir + "/missing.ini");
    missing.DeleteKey("a", "b");
    missing.EraseSection("a");
    EXPECT_FALSE(FileExists(FDir + "/missing.ini"));
}

// Files are overwritten in place: a shorter text must leave nothing of the longer one behind,
// and a file that is not there is made.
TEST_F(IniFile, RewritingAShorterFileLeavesNoTail) {
    Put("[w]\r\nPosX=123456789\r\nPosY=1\r\n");
    TIniFile ini(FPath);
    ini.DeleteKey("w", "PosX");
    EXPECT_EQ(Content(), "[w]\r\nPosY=1\r\n");
    ini.EraseSection("w");
    EXPECT_EQ(Content(), "");
    WriteWholeFile(FDir + "/new.bin", Bytes{1, 2, 3});
    EXPECT_EQ(ReadWholeFile(FDir + "/new.bin"), (Bytes{1, 2, 3}));
}

TEST_F(IniFile, ChangesMadeOutsideAreSeenEvenWhenTheSizeStaysTheSame) {
    TIniFile first(FPath), second(FPath);
    first.WriteString("w", "PosX", "100");
    EXPECT_EQ(second.ReadString("w", "PosX", ""), "100");
    second.WriteString("w", "PosX", "200");
    EXPECT_EQ(first.ReadString("w", "PosX", ""), "200");
    Put("[w]\r\nPosX=300\r\n");
    EXPECT_EQ(first.ReadString("w", "posx", ""), "300");
    first.WriteString("w", "PosY", "1");
    EXPECT_EQ(Content(), "[w]\r\nPosX=300\r\nPosY=1\r\n");
}

TEST_F(IniFile, GarbageIsKeptAndNeverCrashesTheReader) {
    std::mt19937 random(11);
    std::string garbage(200000, '\0');
    for (char& c : garbage) c = static_cast<char>(random() % 7 == 0 ? "[]=;\r\n\0"[random() % 7] : random());
    Put(garbage);
    TIniFile ini(FPath);
    EXPECT_EQ(ini.ReadString("qvtest", "key", "def"), "def");
    ini.ReadSections();
    ini.WriteString("qvtest", "key", "value");
    const std::string after = Content();
    ASSERT_GE(after.size(), garbage.size());
    EXPECT_EQ(after.substr(0, garbage.size()), garbage);
    EXPECT_EQ(TIniFile(FPath).ReadString("QVTEST", "KEY", ""), "value");
}

TEST_F(IniFile, FailedWritesAreReportedAndNothingIsReplaced) {
    TIniFile inMissingFolder(FDir + "/no/such/folder.ini");
    EXPECT_THROW(inMissingFolder.WriteString("a", "b", "c"), EFCreateError);
    EXPECT_EQ(inMissingFolder.ReadString("a", "b", "def"), "def");

    // Something that exists but cannot be read is never overwritten.
    ASSERT_EQ(mkdir(FPath.c_str(), 0777), 0);
    TIniFile folder(FPath);
    EXPECT_EQ(folder.ReadString("a", "b", "def"), "def");
    EXPECT_THROW(folder.WriteString("a", "b", "c"), EFOpenError);
    EXPECT_TRUE(DirectoryExists(FPath));
}


TEST(IniSampleFiles, ProjectAndSettingsFilesRead) {
    const std::string data = QV_TEST_DATA "/valid/text/";
    TIniFile project(data + "project.ipp");
    EXPECT_EQ(project.ReadString("package", "iconsrcdir", ""), "icon\\");
    EXPECT_EQ(project.ReadString("package", "outputdir", "def"), "");
    EXPECT_EQ(project.ReadString("package", "bannerimage", "none"), "none");
    TIniFile settings(data + "settings.ini");
    EXPECT_EQ(settings.ReadInteger("window", "PosX", -1), 10);
    EXPECT_EQ(settings.ReadInteger("window", "posy", -1), 20);
    EXPECT_EQ(settings.ReadInteger("System", "IconThumbWidth", 0), 340);  // the last line has no break
    EXPECT_EQ(settings.ReadString("Recent", "1", ""), "/home/u/p.ipp");
}

}  // namespace
}  // namespace qv
