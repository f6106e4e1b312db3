// Resources read in place: whole files held mapped or read once, records as views into those
// bytes, the lookup table over many records, and the bytes handed out keeping their owner alive.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include "platform/EResFormatError.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/TFileImage.h"
#include "platform/TModuleResources.h"
#include "platform/TOverlay.h"
#include "platform/TResIndex.h"
#include "platform/TResStreamReader.h"
#include "platform/TResStreamWriter.h"
#include "tests/resources/ResTestSupport.h"

namespace qv {
namespace {

using test::BytesOf;
using test::MakeEntry;

bool Inside(const uint8_t* p, size_t size, const uint8_t* begin, size_t total) {
    return p >= begin && size <= total && size_t(p - begin) <= total - size;
}

TEST(FileImage, MappedAndReadImagesHoldTheWholeFile) {
    test::TTempDir dir;
    Bytes content(70000);
    for (size_t i = 0; i < content.size(); ++i) content[i] = uint8_t(i * 7 + i / 251);
    WriteWholeFile(dir.File("f.bin"), content);
    WriteWholeFile(dir.File("empty.bin"), Bytes());
    for (const auto& load : {&TFileImage::Map, &TFileImage::Read}) {
        const auto image = load(dir.File("f.bin"));
        EXPECT_EQ(Bytes(image->Data(), image->Data() + image->Size()), content);
        EXPECT_EQ(load(dir.File("empty.bin"))->Size(), 0u);
        // Not a file, or no file: the file layer's own open error.
        for (const std::string& bad : {dir.Path(), dir.File("missing")}) {
            try {
                load(bad);
                ADD_FAILURE() << "opened " << bad;
            } catch (const EFOpenError& e) {
                EXPECT_NE(std::string(e.what()).find("Cannot open file \"" + bad + "\"."), std::string::npos);
            }
        }
    }
}

TEST(FileImage, AReadImageIsACopyThatLaterWritesDoNotChange) {
    test::TTempDir dir;
    WriteWholeFile(dir.File("f.bin"), BytesOf("before"));
    const auto image = TFileImage::Read(dir.File("f.bin"));
    WriteWholeFile(dir.File("f.bin"), BytesOf("after!!"));
    EXPECT_EQ(Bytes(image->Data(), image->Data() + image->Size()), BytesOf("before"));
    const uint8_t bytes[] = {1, 2, 3};
    const auto copy = TFileImage::Copy(bytes, sizeof bytes);
    EXPECT_NE(copy->Data(), bytes);
    EXPECT_EQ(Bytes(copy->Data(), copy->Data() + copy->Size()), (Bytes{1, 2, 3}));
}

TEST(ResourceViews, ViewsLieInsideTheStreamAndMatchTheCopies) {
    std::vector<ResEntry> entries;
    for (int i = 0; i < 7; ++i)
        entries.push_back(MakeEntry(ResId::Number(3), ResId::Number(uint16_t(i + 1)), 1041, Bytes(size_t(i * 5), uint8_t(i))));
    entries.push_back(MakeEntry(ResId::Number(14), ResId::Name("_ICONPACK0"), 0, BytesOf("group")));
    const Bytes stream = TResStreamWriter::Write(entries);
    const std::vector<TResView> views = TResStreamReader::ReadViews(stream.data(), stream.size());
    const std::vector<ResEntry> copies = TResStreamReader::Read(stream);
    ASSERT_EQ(views.size(), entries.size());
    ASSERT_EQ(copies.size(), entries.size());
    for (size_t i = 0; i < views.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(Inside(views[i].data, views[i].size, stream.data(), stream.size()));
        EXPECT_EQ(views[i].name, entries[i].name);
        EXPECT_EQ(views[i].language, entries[i].language);
        EXPECT_EQ(Bytes(views[i].data, views[i].data + views[i].size), entries[i].data);
        EXPECT_EQ(copies[i].data, entries[i].data);
    }
    // A stream cut anywhere inside its last record (short of its padding) fails in place as it
    // does when copied.
    for (size_t cut = stream.size() - 4; cut > stream.size() - 30; --cut) {
        EXPECT_THROW(TResStreamReader::ReadViews(stream.data(), cut), EResFormatError) << cut;
        EXPECT_THROW(TResStreamReader::Read(stream.data(), cut), EResFormatError) << cut;
    }
}

TEST(ResourceViews, OverlayViewsPointIntoTheFileAndDamageLeavesNone) {
    const Bytes stream = TResStreamWriter::Write({MakeEntry(ResId::Number(10), ResId::Name("A"), 0, BytesOf("abc"))});
    Bytes file = BytesOf("prefix");
    file.insert(file.end(), stream.begin(), stream.end());
    const Bytes trailer = TOverlay::Trailer(stream.size());
    file.insert(file.end(), trailer.begin(), trailer.end());
    const TOverlay::TInfo info = TOverlay::ReadViews(file.data(), file.size());
    ASSERT_EQ(info.state, TOverlay::EState::Found) << info.error;
    ASSERT_EQ(info.views.size(), 1u);
    EXPECT_TRUE(info.entries.empty());
    EXPECT_EQ(info.views[0].data, file.data() + 6 + stream.size() - 4);
    EXPECT_EQ(Bytes(info.views[0].data, info.views[0].data + 3), BytesOf("abc"));
    // The copying read keeps no view into the caller's bytes.
    EXPECT_TRUE(TOverlay::Read(file.data(), file.size()).views.empty());
    Bytes damaged = file;
    damaged[6 + 32] = 0xFF;  // the record's DataSize now runs past the stream
    const TOverlay::TInfo bad = TOverlay::ReadViews(damaged.data(), damaged.size());
    EXPECT_EQ(bad.state, TOverlay::EState::Damaged);
    EXPECT_TRUE(bad.views.empty());
}

TEST(ResourceIndex, FindsEveryRecordAndTheFirstOfEqualKeys) {
    std::vector<TResView> overlay, builtIn;
    const auto add = [](std::vector<TResView>& to, const ResId& type, const ResId& name, uint16_t language) {
        TResView v;
        v.type = type;
        v.name = name;
        v.language = language;
        to.push_back(v);
    };
    // Many numbers and names of several types, so that probes pass other keys.
    for (int i = 0; i < 3000; ++i) add(overlay, ResId::Number(3), ResId::Number(uint16_t(i)), 0);
    for (int i = 0; i < 600; ++i) add(overlay, ResId::Number(14), ResId::Name("_ICONPACK" + std::to_string(i)), 0);
    add(overlay, ResId::Number(10), ResId::Name("TEXT"), 1041);
    add(overlay, ResId::Number(10), ResId::Name("TEXT"), 1033);
    add(builtIn, ResId::Number(10), ResId::Name("TEXT"), 1033);
    add(builtIn, ResId::Number(10), ResId::Name("ONLYBUILTIN"), 7);
    const TResIndex index(overlay, builtIn);
    for (int i = 0; i < 3000; ++i) ASSERT_EQ(index.Find(ResId::Number(3), ResId::Number(uint16_t(i))), size_t(i));
    for (int i = 0; i < 600; ++i)
        ASSERT_EQ(index.Find(ResId::Number(14), ResId::Name("_iconpack" + std::to_string(i))), size_t(3000 + i));
    const size_t text = 3600;
    EXPECT_EQ(index.Find(ResId::Number(10), ResId::Name("TEXT")), text);
    EXPECT_EQ(index.Find(ResId::Number(10), ResId::Name("TEXT"), 1033), text + 1);  // the overlay's, not the built-in
    EXPECT_EQ(index.Find(ResId::Number(10), ResId::Name("ONLYBUILTIN")), text + 3);
    EXPECT_EQ(index.Find(ResId::Number(10), ResId::Name("TEXT"), 7), TResIndex::KNone);
    EXPECT_EQ(index.Find(ResId::Number(3), ResId::Number(3000)), TResIndex::KNone);
    EXPECT_EQ(index.Find(ResId::Number(4), ResId::Number(1)), TResIndex::KNone);
    EXPECT_EQ(index.Find(ResId::Number(14), ResId::Number(1)), TResIndex::KNone);  // a number is not a name
    EXPECT_EQ(TResIndex().Find(ResId::Number(3), ResId::Number(1)), TResIndex::KNone);
}

TEST(ResourceViews, DataAndStreamsKeepTheirResourcesAlive) {
    const Bytes stream = TResStreamWriter::Write({MakeEntry(ResId::Number(10), ResId::Name("A"), 0, BytesOf("kept"))});
    Bytes file = stream;
    const Bytes trailer = TOverlay::Trailer(stream.size());
    file.insert(file.end(), trailer.begin(), trailer.end());
    TSharedBytes data;
    std::unique_ptr<TStream> opened;
    {
        const TModuleResources resources = TModuleResources::FromImage(file.data(), file.size());
        data = resources.Data(ResId::Number(10), ResId::Name("a"));
        opened = resources.Open(ResId::Number(10), ResId::Name("A"));
        const TResView* view = resources.FindView(ResId::Number(10), ResId::Name("A"));
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->data, data.data());  // no copy
        EXPECT_EQ(resources.FindView(ResId::Number(10), ResId::Name("B")), nullptr);
        EXPECT_THROW(resources.Data(ResId::Number(10), ResId::Name("B")), EResNotFound);
        ASSERT_NE(resources.Find(ResId::Number(10), ResId::Name("A")), nullptr);
        EXPECT_EQ(resources.Find(ResId::Number(10), ResId::Name("A"))->data, BytesOf("kept"));
    }
    std::fill(file.begin(), file.end(), 0);  // the resources hold a copy of their own
    EXPECT_EQ(data.ToBytes(), BytesOf("kept"));
    EXPECT_EQ(data.Sub(1, 2).ToBytes(), BytesOf("ep"));
    EXPECT_EQ(data.Sub(3, 100).ToBytes(), BytesOf("t"));  // clipped to the bytes there are
    EXPECT_TRUE(data.Sub(9, 1).empty());
    Bytes read(4);
    EXPECT_TRUE(opened->ReadExact(read.data(), read.size()));
    EXPECT_EQ(read, BytesOf("kept"));
}

}  // namespace
}  // namespace qv
