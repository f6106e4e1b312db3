// The settings file: every key with its default, the order of a first write, the rules for the
// banner links, the templates and the window bounds, and what a damaged file reads as.
#include <gtest/gtest.h>

#include "builder/core/TBuilderSettings.h"
#include "platform/FileIO.h"
#include "platform/TIniFile.h"
#include "tests/text/TempFolder.h"

namespace qv {
namespace {

std::string Text(const std::string& path) {
    const Bytes b = ReadWholeFile(path);
    return std::string(b.begin(), b.end());
}

void WriteText(const std::string& path, const std::string& text) {
    WriteWholeFile(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

TEST(BuilderSettings, MissingOrDamagedFileGivesTheDefaults) {
    test::TempFolder folder;
    const std::string garbage = folder.Path() + "/garbage.ini";
    WriteText(garbage,
              "\x01\xff[Window]\r\nPosX=left\r\nWidth=99999999999\r\nMaximize=yes\r\n[System]\r\n"
              "IconThumbWidth=\r\nSaveAsFilter=2x\r\n\x00\x00[Recent\r\n1=/x.ipp");
    for (const std::string& path : {folder.Path() + "/missing.ini", garbage}) {
        SCOPED_TRACE(path);
        const TBuilderSettings s = TBuilderSettings::Read(TIniFile(path));
        EXPECT_EQ(s.PosX, -1);
        EXPECT_EQ(s.PosY, -1);
        EXPECT_EQ(s.Width, -1);
        EXPECT_EQ(s.Height, -1);
        EXPECT_FALSE(s.Maximize);
        EXPECT_EQ(s.LanguageEditLeftWidth, -1);
        EXPECT_FALSE(s.DontCompressIcon);
        for (const std::string& recent : s.Recent) EXPECT_EQ(recent, "");
        EXPECT_TRUE(s.BannerUrls.empty());
        EXPECT_EQ(s.FileInitDir, "");
        EXPECT_EQ(s.IconInitDir, "");
        EXPECT_EQ(s.SaveAsFilter, 1);
        EXPECT_EQ(s.CompressAsInitDir, "");
        EXPECT_EQ(s.IconThumbWidth, 340);
        EXPECT_EQ(s.IconThumbHeight, 48);
        EXPECT_TRUE(s.Templates.empty());
    }
}

TEST(BuilderSettings, ReadsEveryKeyAndBooleansAsAnyNonZeroNumber) {
    test::TempFolder folder;
    const std::string path = folder.Path() + "/u.ini";
    WriteText(path,
              "[Window]\r\nPosX=10\r\nPosY=20\r\nWidth=800\r\nHeight=600\r\nMaximize=7\r\n"
              "LanguageEditLeftWidth=300\r\nDontCompressIcon=-1\r\n"
              "[Recent]\r\n1=/a.ipp\r\n2=\r\n3=/c.ipp\r\n4=/d.ipp\r\n"
              "[BannerURLList]\r\n2=http://two\r\n1=http://one\r\n3=\r\n9=http://nine\r\n10=http://ten\r\n"
              "[System]\r\nFileInitDir=/p/\r\nIconInitDir=/i/\r\nSaveAsFilter=2\r\nCompressAsInitDir=/c/\r\n"
              "IconThumbWidth=200\r\nIconThumbHeight=32\r\nTemplate1=b.dat\r\nTemplate0=a.dat\r\nTemplate4=e.dat\r\n"
              "Template10=k.dat\r\n");
    const TBuilderSettings s = TBuilderSettings::Read(TIniFile(path));
    EXPECT_EQ(s.PosX, 10);
    EXPECT_EQ(s.PosY, 20);
    EXPECT_EQ(s.Width, 800);
    EXPECT_EQ(s.Height, 600);
    EXPECT_TRUE(s.Maximize);
    EXPECT_EQ(s.LanguageEditLeftWidth, 300);
    EXPECT_TRUE(s.DontCompressIcon);
    EXPECT_EQ(s.Recent, (std::array<std::string, 4>{"/a.ipp", "", "/c.ipp", "/d.ipp"}));
    // Keys 1 to 9 in key order, empty values skipped, "10" never read.
    EXPECT_EQ(s.BannerUrls, (std::vector<std::string>{"http://one", "http://two", "http://nine"}));
    EXPECT_EQ(s.FileInitDir, "/p/");
    EXPECT_EQ(s.IconInitDir, "/i/");
    EXPECT_EQ(s.SaveAsFilter, 2);
    EXPECT_EQ(s.CompressAsInitDir, "/c/");
    EXPECT_EQ(s.IconThumbWidth, 200);
    EXPECT_EQ(s.IconThumbHeight, 32);
    EXPECT_EQ(s.Templates, (std::vector<std::string>{"a.dat", "b.dat", "e.dat"}));
}

TEST(BuilderSettings, FirstWriteHasEveryKeyInOrder) {
    test::TempFolder folder;
    const std::string path = folder.Path() + "/u.ini";
    TBuilderSettings s;
    s.PosX = 120, s.PosY = 130, s.Width = 742, s.Height = 648;
    s.LanguageEditLeftWidth = 376;
    s.Recent = {"/p/a.ipp", "", "/p/c.ipp", ""};
    s.BannerUrls = {"http://one", "", "http://three"};
    s.FileInitDir = "/p/";
    s.SaveAsFilter = 2;
    s.Templates = {"japanese_sys.dat", ""};
    TIniFile ini(path);
    s.Write(ini);
    EXPECT_EQ(Text(path),
              "[Window]\r\nPosX=120\r\nPosY=130\r\nWidth=742\r\nHeight=648\r\nMaximize=0\r\n"
              "LanguageEditLeftWidth=376\r\nDontCompressIcon=0\r\n"
              "[Recent]\r\n1=/p/a.ipp\r\n2=\r\n3=/p/c.ipp\r\n4=\r\n"
              "[BannerURLList]\r\n1=http://one\r\n3=http://three\r\n"
              "[System]\r\nFileInitDir=/p/\r\nIconInitDir=\r\nSaveAsFilter=2\r\nCompressAsInitDir=\r\n"
              "IconThumbWidth=340\r\nIconThumbHeight=48\r\nTemplate0=japanese_sys.dat\r\nTemplate1=\r\n");
}

TEST(BuilderSettings, MaximizedKeepsTheStoredBoundsAndEarlierKeysStay) {
    test::TempFolder folder;
    const std::string path = folder.Path() + "/u.ini";
    WriteText(path,
              "[Window]\r\nPosX=5\r\nPosY=6\r\nWidth=700\r\nHeight=500\r\n"
              "[BannerURLList]\r\n7=http://old-seven\r\n"
              "[System]\r\nTemplate7=old.dat\r\n");
    TBuilderSettings s;
    s.Maximize = true;
    s.PosX = 0, s.PosY = 0, s.Width = 1920, s.Height = 1080;
    s.BannerUrls = {"http://one"};
    s.Templates = {"a.dat", "b.dat", "c.dat"};
    TIniFile ini(path);
    s.Write(ini);
    const TBuilderSettings back = TBuilderSettings::Read(TIniFile(path));
    EXPECT_TRUE(back.Maximize);
    EXPECT_EQ(back.PosX, 5);
    EXPECT_EQ(back.PosY, 6);
    EXPECT_EQ(back.Width, 700);
    EXPECT_EQ(back.Height, 500);
    EXPECT_EQ(back.BannerUrls, (std::vector<std::string>{"http://one", "http://old-seven"}));
    EXPECT_EQ(back.Templates, (std::vector<std::string>{"a.dat", "b.dat", "c.dat", "old.dat"}));
}

TEST(BuilderSettings, ElevenLinksWriteTenAndReadBackNine) {
    test::TempFolder folder;
    const std::string path = folder.Path() + "/u.ini";
    TBuilderSettings s;
    for (int i = 1; i <= 11; ++i) s.BannerUrls.push_back("http://link" + std::to_string(i));
    for (int i = 0; i < 12; ++i) s.Templates.push_back("t" + std::to_string(i) + ".dat");
    TIniFile ini(path);
    s.Write(ini);
    for (int key = 1; key <= 10; ++key)
        EXPECT_EQ(ini.ReadString("BannerURLList", std::to_string(key), "?"), "http://link" + std::to_string(key));
    EXPECT_FALSE(ini.ValueExists("BannerURLList", "11"));
    EXPECT_FALSE(ini.ValueExists("System", "Template10"));
    const TBuilderSettings back = TBuilderSettings::Read(ini);
    ASSERT_EQ(back.BannerUrls.size(), 9u);
    EXPECT_EQ(back.BannerUrls.back(), "http://link9");
    EXPECT_EQ(back.Templates.size(), 10u);
}

}  // namespace
}  // namespace qv
