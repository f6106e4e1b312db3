// Loading an icon from the own module's icon group and icon resources: the resources are written
// as the overlay of a scratch file, and the own module is pointed at that file.
#include <gtest/gtest.h>

#include "IconTestFiles.h"
#include <unistd.h>

#include "platform/FileIO.h"
#include "platform/TModuleResources.h"
#include "platform/TOverlay.h"
#include "platform/TResStreamWriter.h"
#include "platform/TResourceUpdater.h"
#include "icon/TQVIcon.h"
#include "platform/TByteSpanStream.h"
#include "platform/TMemoryStream.h"

namespace qv {
namespace {

using test::MakeIconFile;
using test::MakePngTestImage;
using test::MakeTestImage;
using test::TTestImage;

// Makes `entries` the resources of the own module.
void InstallOwnModuleResources(const std::vector<ResEntry>& entries) {
    static const std::string path = "/tmp/qv-icon-resources-" + std::to_string(::getpid()) + ".bin";
    WriteWholeFile(path, Bytes{'M', 'Z'});
    auto update = TResourceUpdater::Begin(path);
    ASSERT_TRUE(update);
    for (const auto& e : entries) update->Update(e.type, e.name, 1041, e.data.data(), e.data.size());
    ASSERT_TRUE(update->End());
    TModuleResources::SetSelfFile(path);
}

ResEntry Resource(const ResId& type, const ResId& name, Bytes data) {
    ResEntry e;
    e.type = type;
    e.name = name;
    e.data = std::move(data);
    return e;
}

Bytes GroupData(const std::vector<TTestImage>& images, const std::vector<uint16_t>& ids) {
    Bytes data(TIconDir::kSize + images.size() * TGroupIconDirEntry::kSize);
    TIconDir dir;
    dir.Type = 1;
    dir.Count = uint16_t(images.size());
    dir.Encode(data.data());
    for (size_t i = 0; i < images.size(); ++i)
        TGroupIconDirEntry::FromEntry(images[i].Entry, ids[i]).Encode(data.data() + TIconDir::kSize + i * TGroupIconDirEntry::kSize);
    return data;
}

// The group "NAME" with the images under the identifiers given.
std::vector<ResEntry> IconResources(const std::string& name, const std::vector<TTestImage>& images,
                                    const std::vector<uint16_t>& ids) {
    std::vector<ResEntry> entries = {Resource(ResId::Number(14), ResId::Name(name), GroupData(images, ids))};
    for (size_t i = 0; i < images.size(); ++i)
        entries.push_back(Resource(ResId::Number(3), ResId::Number(ids[i]), images[i].Block));
    return entries;
}

const std::vector<TTestImage>& ThreeImages() {
    static const std::vector<TTestImage> images = {MakeTestImage(16, 16, 8, 1), MakePngTestImage(500),
                                                   MakeTestImage(32, 32, 32, 2)};
    return images;
}

void ExpectLoadFailsAndClears(const std::string& name) {
    TQVIcon icon;
    const Bytes file = MakeIconFile({MakeTestImage(16, 16, 4)});
    TByteSpanStream stream(file.data(), file.size());
    icon.LoadFromStream(stream);
    try {
        icon.LoadFromResourceName(name);
        ADD_FAILURE() << "loaded " << name;
    } catch (const EIconLoadError& e) {
        EXPECT_STREQ(e.what(), "アイコンの読み込みに失敗");
    }
    EXPECT_EQ(icon.Count(), 0);
}

TEST(TQVIconResourceTest, LoadsTheGroupAndItsIconResources) {
    const std::vector<uint16_t> ids = {7, 65535, 1};
    InstallOwnModuleResources(IconResources("MAINICON", ThreeImages(), ids));
    TQVIcon icon;
    icon.LoadFromResourceName("MAINICON");
    ASSERT_EQ(icon.Count(), 3);
    EXPECT_EQ(icon.GetIconDir().Type, 1);
    for (int i = 0; i < 3; ++i) {
        const TIconDirEntry e = icon.GetEntry(i);
        EXPECT_EQ(e.ImageOffset, ids[size_t(i)]);  // the identifier, high half 0
        EXPECT_EQ(e.BytesInRes, ThreeImages()[size_t(i)].Entry.BytesInRes);
        EXPECT_EQ(e.Width, ThreeImages()[size_t(i)].Entry.Width);
        TMemoryStream image;
        icon.SaveImageToStream(image, i);
        EXPECT_EQ(image.Data(), ThreeImages()[size_t(i)].Block);
    }
    EXPECT_TRUE(icon.IsPngImage(1));
    // Saved as a file it is the packed icon file of the same images.
    TMemoryStream file;
    icon.SaveToStream(file);
    EXPECT_EQ(file.Data(), MakeIconFile(ThreeImages()));
    EXPECT_EQ(icon.GetEntry(0).ImageOffset, 6u + 3 * 16);
}

TEST(TQVIconResourceTest, MissingOrShortResourcesFailAndLeaveTheContainerEmpty) {
    const std::vector<uint16_t> ids = {1, 2, 3};
    std::vector<ResEntry> entries = IconResources("GOOD", ThreeImages(), ids);

    std::vector<ResEntry> missingIcon = entries;
    missingIcon.pop_back();
    InstallOwnModuleResources(missingIcon);
    ExpectLoadFailsAndClears("GOOD");
    ExpectLoadFailsAndClears("OTHER");

    std::vector<ResEntry> shortGroup = entries;
    shortGroup[0].data.pop_back();
    InstallOwnModuleResources(shortGroup);
    ExpectLoadFailsAndClears("GOOD");

    std::vector<ResEntry> shortImage = entries;
    shortImage[3].data.pop_back();
    InstallOwnModuleResources(shortImage);
    ExpectLoadFailsAndClears("GOOD");

    std::vector<ResEntry> longPng = entries;
    longPng[2].data.resize(100);  // shorter than the group's bytes in resource
    InstallOwnModuleResources(longPng);
    ExpectLoadFailsAndClears("GOOD");
}

TEST(TQVIconResourceTest, AnIconKeepsTheResourcesItWasReadFrom) {
    Bytes file = TResStreamWriter::Write(IconResources("MAINICON", ThreeImages(), {4, 5, 6}));
    const Bytes trailer = TOverlay::Trailer(file.size());
    file.insert(file.end(), trailer.begin(), trailer.end());
    TQVIcon icon;
    {
        const TModuleResources resources = TModuleResources::FromImage(file.data(), file.size());
        icon.LoadFromResourceName(resources, "mainicon");
    }
    // The images were read in place; the container still holds what they need.
    ASSERT_EQ(icon.Count(), 3);
    EXPECT_EQ(icon.GetPngImage(1), ThreeImages()[1].Block);
    EXPECT_NE(icon.GetImageBitmap(2), nullptr);
    TMemoryStream saved;
    icon.SaveToStream(saved);
    EXPECT_EQ(saved.Data(), MakeIconFile(ThreeImages()));
}

}  // namespace
}  // namespace qv
