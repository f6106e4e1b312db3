// The builder's pure decisions: the recent list, where the settings file lives, the project's
// file names and the pictures drawn from icons.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>

#include "builder/core/IconPictures.h"
#include "builder/core/LanguageTextKeys.h"
#include "builder/core/TBuilderPlaces.h"
#include "builder/core/TIconFileStamps.h"
#include "builder/core/TProjectFileNames.h"
#include "builder/core/TRecentProjects.h"
#include "platform/FileIO.h"
#include "platform/TBitmapSurface.h"
#include "platform/TMemoryStream.h"
#include "tests/builder/BuilderTestIcons.h"
#include "tests/text/TempFolder.h"

namespace qv {
namespace {

using Recent = std::array<std::string, 4>;

// A temporary save may skip an icon file only while it holds what the same icon was written as:
// another icon under the name, or a file changed, removed or replaced since, is written again.
TEST(IconFileStamps, OnlyAnUntouchedFileOfTheSameIconIsCurrent) {
    test::TempFolder folder;
    const std::string file = folder.Path() + "/a.ico", other = folder.Path() + "/b.ico";
    TIconFileStamps stamps;
    EXPECT_FALSE(stamps.Current(file, 1));  // never written
    WriteWholeFile(file, Bytes(10, 1));
    stamps.Record(file, 1);
    EXPECT_TRUE(stamps.Current(file, 1));
    EXPECT_FALSE(stamps.Current(file, 2));  // another icon under the same name
    WriteWholeFile(file, Bytes(11, 1));     // changed behind the builder's back
    EXPECT_FALSE(stamps.Current(file, 1));
    stamps.Record(file, 1);
    WriteWholeFile(other, Bytes(11, 2));
    ASSERT_EQ(::rename(other.c_str(), file.c_str()), 0);  // replaced by another file
    EXPECT_FALSE(stamps.Current(file, 1));
    stamps.Record(file, 1);
    DeleteFileIfExists(file);
    EXPECT_FALSE(stamps.Current(file, 1));
    stamps.Record(file, 1);  // recording a missing file remembers nothing
    WriteWholeFile(file, Bytes(10, 1));
    EXPECT_FALSE(stamps.Current(file, 1));
}

TEST(RecentProjects, EntriesMoveDownAndTheSamePathIsEmptiedInPlace) {
    struct TCase {
        Recent Before;
        std::string Added;
        Recent After;
    } cases[] = {
        {{"A", "B", "C", "D"}, "C", {"C", "A", "B", ""}},
        {{"A", "", "", ""}, "A", {"A", "", "", ""}},
        {{"A", "B", "C", "D"}, "E", {"E", "A", "B", "C"}},
        {{"", "B", "", "D"}, "D", {"D", "", "B", ""}},
        {{"A", "a", "", ""}, "a", {"a", "A", "", ""}},  // exact comparison: "A" is another path
    };
    for (const TCase& c : cases) {
        TRecentProjects recent;
        for (int i = 0; i < 4; ++i) recent.SetEntry(i, c.Before[size_t(i)]);
        recent.Add(c.Added);
        EXPECT_EQ(recent.Entries(), c.After) << "adding " << c.Added;
    }
}

TEST(BuilderPlaces, SettingsFileInProgramFolderElseConfigFolder) {
    test::TempFolder program, config;
    TBuilderPlaces places{program.Path() + "/", config.Path(), "alice"};
    EXPECT_EQ(places.SettingsFileToRead(), program.Path() + "/user/alice.ini");
    EXPECT_FALSE(DirectoryExists(program.Path() + "/user"));  // reading makes nothing
    EXPECT_EQ(places.SettingsFileToWrite(), program.Path() + "/user/alice.ini");
    EXPECT_TRUE(DirectoryExists(program.Path() + "/user"));

    // A program folder that can hold no folder (a file lies in the way): the configuration folder.
    WriteWholeFile(program.Path() + "/file", Bytes{1});
    places.ProgramDir = program.Path() + "/file/bin/";
    EXPECT_EQ(places.SettingsFileToRead(), config.Path() + "/quorvane/alice.ini");
    EXPECT_EQ(places.SettingsFileToWrite(), config.Path() + "/quorvane/alice.ini");
    EXPECT_TRUE(DirectoryExists(config.Path() + "/quorvane"));

    // Neither: nothing to write to.
    places.ConfigHome = program.Path() + "/file/config";
    EXPECT_EQ(places.SettingsFileToWrite(), "");

    // An unknown user gives the name ".ini".
    places = TBuilderPlaces{program.Path() + "/", "", ""};
    EXPECT_EQ(places.SettingsFileToWrite(), program.Path() + "/user/.ini");
}

TEST(ProjectFileNames, FollowTheBaseName) {
    const TProjectFileNames names("/p/My.Set.ipp");
    EXPECT_EQ(names.Folder, "/p/");
    EXPECT_EQ(names.Base, "My.Set");
    EXPECT_EQ(names.InfoFile(), "My.Set_iconpackinfo.txt");
    EXPECT_EQ(names.LanguageListFile(), "My.Set_iconpacklang.txt");
    EXPECT_EQ(names.VersionFile(), "My.Set_versioninfo.bin");
    EXPECT_EQ(names.BannerFile(), "My.Set_bannerimage.png");
    EXPECT_EQ(names.SysTextFile(12), "My.Set_lang12_sys.txt");
    EXPECT_EQ(names.ReadmeFile(0), "My.Set_lang0_readme.txt");
    EXPECT_EQ(TProjectFileNames("newpackage.ipp").Folder, "");
}

TEST(LanguageTextKeys, TwentyKeysInWritingOrder) {
    const auto& keys = LanguageTextKeys();
    EXPECT_STREQ(keys[0].Key, "fontname");
    EXPECT_STREQ(keys[1].Key, "fontsize");
    EXPECT_STREQ(keys[2].Key, "labeldragdrop");
    EXPECT_STREQ(keys[19].Key, "titleerror");
    for (const TLanguageTextKey& key : keys) EXPECT_EQ(std::string(key.Label).rfind("：") != std::string::npos, true);
}

// --- pictures

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kMagenta = 0xFF00FF;

TQVIcon LoadIcon(const std::vector<test::TTestImage>& images) {
    TMemoryStream stream(test::SolidIcon(images));
    TQVIcon icon;
    icon.LoadFromStream(stream);
    return icon;
}

uint32_t Rgb(const TDIBitmap& b, int x, int y) { return b.Color(x, y) & 0xFFFFFF; }

TDIBitmap WhiteBitmap(int w, int h) {
    TDIBitmap b(w, h, 32);
    b.Fill(kWhite);
    return b;
}

// The icon's thumbnail strip drawn on white.
TDIBitmap Strip(const TQVIcon& icon, int w = 340, int h = 48) {
    TDIBitmap strip = WhiteBitmap(w, h);
    TBitmapSurface surface(strip);
    DrawIconThumbnail(icon, surface);
    return strip;
}

TDIBitmap Preview(const TQVIcon& icon) {
    TDIBitmap preview = WhiteBitmap(96, 96);
    TBitmapSurface surface(preview);
    DrawPackageIconPreview(icon, surface);
    return preview;
}

TEST(IconPictures, ThumbnailPlacesImagesSideBySide) {
    const TQVIcon icon = LoadIcon({test::SolidImage(16, 32, kRed), test::SolidImage(32, 32, kGreen),
                                   test::SolidImage(48, 32, kBlue)});
    const TDIBitmap strip = Strip(icon);
    const std::pair<int, uint32_t> expected[] = {
        {1, 0xFFFFFF}, {2, kRed}, {17, kRed}, {18, 0xFFFFFF}, {19, 0xFFFFFF}, {20, kGreen}, {51, kGreen},
        {52, 0xFFFFFF}, {53, 0xFFFFFF}, {54, kBlue}, {101, kBlue}, {102, 0xFFFFFF}};
    for (const auto& [x, colour] : expected) EXPECT_EQ(Rgb(strip, x, 0), colour) << "x = " << x;
    EXPECT_EQ(Rgb(strip, 20, 31), kGreen);
    EXPECT_EQ(Rgb(strip, 20, 32), 0xFFFFFFu);
}

TEST(IconPictures, A256PixelImageAddsNothingSoTheNextDrawsOverIt) {
    // Images of 256 pixels are stored in PNG form (width byte 0); they make no bitmap of their own.
    const TQVIcon icon = LoadIcon({test::MakePngTestImage(64), test::SolidImage(48, 32, kBlue)});
    const TDIBitmap strip = Strip(icon);
    EXPECT_EQ(Rgb(strip, 3, 0), 0xFFFFFFu);
    EXPECT_EQ(Rgb(strip, 4, 0), kBlue);
    EXPECT_EQ(Rgb(strip, 51, 47), kBlue);
    EXPECT_EQ(Rgb(strip, 52, 0), 0xFFFFFFu);
}

TEST(IconPictures, ImagesPastTheStripAreCutOff) {
    const TQVIcon icon = LoadIcon({test::SolidImage(128, 32, kRed), test::SolidImage(128, 32, kGreen),
                                   test::SolidImage(128, 32, kBlue)});
    const TDIBitmap strip = Strip(icon);
    EXPECT_EQ(Rgb(strip, 2, 47), kRed);
    EXPECT_EQ(Rgb(strip, 132, 0), kGreen);
    EXPECT_EQ(Rgb(strip, 262, 0), kBlue);
    EXPECT_EQ(Rgb(strip, 339, 47), kBlue);
}

TEST(IconPictures, ImagesOfEveryDepthShow) {
    for (uint16_t bits : {8, 16, 24, 32}) {
        const TQVIcon icon = LoadIcon({test::SolidImage(16, bits, kMagenta)});
        EXPECT_EQ(Rgb(Strip(icon, 40, 20), 10, 10), kMagenta) << bits << " bits";
    }
}

TEST(IconPictures, PreviewCentresThe32PixelImage) {
    // The only 32 x 32 image has 8 bits; the 32-bit one is 48 x 48.
    TQVIcon icon = LoadIcon({test::SolidImage(48, 32, kBlue), test::SolidImage(32, 8, kRed)});
    const TDIBitmap preview = Preview(icon);
    EXPECT_EQ(Rgb(preview, 31, 31), 0xFFFFFFu);
    EXPECT_EQ(Rgb(preview, 32, 32), kRed);
    EXPECT_EQ(Rgb(preview, 63, 63), kRed);
    EXPECT_EQ(Rgb(preview, 64, 64), 0xFFFFFFu);

    // A 32-bit 32 x 32 image wins over an 8-bit one.
    icon = LoadIcon({test::SolidImage(32, 8, kRed), test::SolidImage(32, 32, kGreen)});
    EXPECT_EQ(Rgb(Preview(icon), 48, 48), kGreen);
}

}  // namespace
}  // namespace qv
