// The icon container: block sizes, loading, the normalised save, short and damaged data.
#include "icon/TQVIcon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "IconTestFiles.h"
#include "platform/FileIO.h"
#include "platform/TByteSpanStream.h"
#include "platform/TMemoryStream.h"

namespace qv {
namespace {

using test::MakeIconFile;
using test::MakePngTestImage;
using test::MakeTestImage;
using test::TTestImage;

const char* const kLoadMessage = "アイコンの読み込みに失敗";
const char* const kWriteMessage = "アイコンの書き込みに失敗";

void Load(TQVIcon& icon, const Bytes& file) {
    TByteSpanStream stream(file.data(), file.size());
    icon.LoadFromStream(stream);
}

Bytes Save(TQVIcon& icon) {
    TMemoryStream stream;
    icon.SaveToStream(stream);
    return stream.TakeData();
}

Bytes SaveImage(const TQVIcon& icon, int index) {
    TMemoryStream stream;
    icon.SaveImageToStream(stream, index);
    return stream.TakeData();
}

// Expects the load to fail with the load message and leave the container empty.
void ExpectLoadFails(const Bytes& file) {
    TQVIcon icon;
    Load(icon, MakeIconFile({MakeTestImage(16, 16, 8)}));  // something to be cleared
    try {
        Load(icon, file);
        ADD_FAILURE() << "load of " << file.size() << " bytes succeeded";
    } catch (const EIconLoadError& e) {
        EXPECT_STREQ(e.what(), kLoadMessage);
    }
    EXPECT_EQ(icon.Count(), 0);
    EXPECT_EQ(icon.GetIconDir().Count, 0);
    EXPECT_THROW(icon.GetEntry(0), EIconIndexError);
}

struct BlockSizeCase {
    uint8_t width, height;
    uint16_t bitCount;
    uint64_t size;
};

TEST(TQVIconTest, BlockSizesFollowWidthHeightAndHeaderBitCount) {
    const BlockSizeCase cases[] = {
        {16, 16, 8, 1384}, {32, 32, 8, 2216}, {16, 16, 32, 1128}, {32, 32, 32, 4264},
        {48, 48, 32, 9640}, {32, 32, 1, 304}, {16, 16, 4, 296},   {15, 15, 24, 820},
    };
    for (const BlockSizeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.width) << "x" << int(c.height) << "@" << c.bitCount);
        EXPECT_EQ(TImageBlockSizes::For(c.width, c.height, c.bitCount).Total(), c.size);
        // The container reads exactly that many bytes and writes them back.
        TTestImage image = MakeTestImage(c.width, c.height, c.bitCount);
        ASSERT_EQ(image.Block.size(), c.size);
        TQVIcon icon;
        Load(icon, MakeIconFile({image}));
        EXPECT_EQ(SaveImage(icon, 0), image.Block);
        // One byte less is short data.
        image.Block.pop_back();
        ExpectLoadFails(MakeIconFile({image}));
    }
}

TEST(TQVIconTest, CountZeroLoadsAndSavesTheHeaderOnly) {
    const Bytes file = {0, 0, 1, 0, 0, 0};
    TQVIcon icon;
    Load(icon, file);
    EXPECT_EQ(icon.Count(), 0);
    EXPECT_THROW(icon.GetEntry(0), EIconIndexError);
    EXPECT_EQ(Save(icon), file);
}

TEST(TQVIconTest, FiveImagesArePackedFromOffset86) {
    std::vector<TTestImage> images = {MakeTestImage(16, 16, 8, 1), MakeTestImage(32, 32, 8, 2),
                                      MakeTestImage(16, 16, 32, 3), MakeTestImage(32, 32, 32, 4),
                                      MakeTestImage(48, 48, 32, 5)};
    TQVIcon icon;
    Load(icon, MakeIconFile(images));
    const Bytes saved = Save(icon);
    uint32_t expectedOffset = 86;
    for (int i = 0; i < 5; ++i) {
        const TIconDirEntry e = icon.GetEntry(i);
        EXPECT_EQ(e.ImageOffset, expectedOffset) << i;
        EXPECT_EQ(e.BytesInRes, images[size_t(i)].Block.size()) << i;
        EXPECT_TRUE(std::equal(images[size_t(i)].Block.begin(), images[size_t(i)].Block.end(),
                               saved.begin() + expectedOffset));
        expectedOffset += e.BytesInRes;
    }
    EXPECT_EQ(saved.size(), expectedOffset);
    EXPECT_EQ(saved, MakeIconFile(images));
}

TEST(TQVIconTest, OutOfOrderAndGappedBlocksComeOutPackedWithOnlyOffsetsAndSizesChanged) {
    std::vector<TTestImage> images = {MakeTestImage(16, 16, 4, 1), MakeTestImage(32, 32, 1, 2),
                                      MakeTestImage(15, 15, 24, 3)};
    images[1].Entry.ColorCount = 77;  // odd fields are kept as read
    images[1].Entry.Reserved = 5;
    images[1].Entry.Planes = 3;
    images[2].Entry.BitCount = 99;
    std::vector<TTestImage> stored = images;
    stored[0].Entry.BytesInRes = 12345;  // not compared with what is read
    const Bytes damaged = MakeIconFile(stored, {2, {2, 0, 1}, 37});

    TQVIcon icon;
    Load(icon, damaged);
    EXPECT_EQ(icon.GetEntry(0).BytesInRes, 12345u);  // as read until the next save
    EXPECT_EQ(Save(icon), MakeIconFile(images, {2, {}, 0}));
}

TEST(TQVIconTest, SavingASavedFileAgainGivesIdenticalBytes) {
    const Bytes original = MakeIconFile({MakeTestImage(16, 16, 8, 1), MakePngTestImage(300), MakeTestImage(48, 48, 32, 2)},
                                        {1, {2, 1, 0}, 3});
    const std::string path = testing::TempDir() + "qvicon-second-save.ico";
    TQVIcon icon;
    Load(icon, original);
    icon.SaveToFile(path);
    const Bytes first = ReadWholeFile(path);
    EXPECT_NE(first, original);  // packed and rewritten
    TQVIcon again;
    again.LoadFromFile(path);
    EXPECT_EQ(Save(again), first);
    std::remove(path.c_str());
}

TEST(TQVIconTest, IndexOutOfRangeNamesTheIndex) {
    TQVIcon icon;
    Load(icon, MakeIconFile({MakeTestImage(16, 16, 8, 1), MakeTestImage(16, 16, 8, 2), MakeTestImage(16, 16, 8, 3),
                             MakeTestImage(16, 16, 8, 4), MakeTestImage(16, 16, 8, 5)}));
    const std::pair<int, const char*> cases[] = {{-1, "インデックスが範囲外 (-1)"}, {5, "インデックスが範囲外 (5)"}};
    for (const auto& [index, message] : cases) {
        try {
            icon.GetEntry(index);
            ADD_FAILURE() << index;
        } catch (const EIconIndexError& e) {
            EXPECT_STREQ(e.what(), message);
            EXPECT_EQ(e.Index(), index);
        }
        TMemoryStream stream;
        EXPECT_THROW(icon.SaveImageToStream(stream, index), EIconIndexError);
        EXPECT_THROW(icon.IsPngImage(index), EIconIndexError);
        EXPECT_THROW(icon.GetPngImage(index), EIconIndexError);
    }
    EXPECT_NO_THROW(icon.GetEntry(4));
    TQVIcon empty;
    EXPECT_THROW(empty.GetEntry(0), EIconIndexError);
}

TEST(TQVIconTest, WidthByteZeroKeepsOnlyHeaderAndTable) {
    for (uint16_t bitCount : {8, 32}) {
        const TTestImage image = MakeTestImage(0, 0, bitCount);
        EXPECT_EQ(image.Block.size(), bitCount == 8 ? 40u + 1024u : 40u);
        // Bytes after the header of the 256-pixel image are not part of its block.
        TTestImage padded = image;
        padded.Block.resize(padded.Block.size() + 500, 0xAB);
        TQVIcon icon;
        Load(icon, MakeIconFile({padded, MakeTestImage(16, 16, 8)}));
        EXPECT_EQ(SaveImage(icon, 0), image.Block);
        EXPECT_EQ(Save(icon), MakeIconFile({image, MakeTestImage(16, 16, 8)}));
    }
}

TEST(TQVIconTest, HeaderTypeIsNotChecked) {
    const Bytes file = MakeIconFile({MakeTestImage(32, 32, 4)}, {2, {}, 0});
    TQVIcon icon;
    Load(icon, file);
    EXPECT_EQ(icon.GetIconDir().Type, 2);
    EXPECT_EQ(icon.Count(), 1);
    EXPECT_EQ(Save(icon), file);
}

TEST(TQVIconTest, PngImagesAreKeptWholeAndWrittenBackUnchanged) {
    const TTestImage png = MakePngTestImage(1000);
    const Bytes file = MakeIconFile({MakeTestImage(16, 16, 8), png, MakeTestImage(32, 32, 32)});
    TQVIcon icon;
    Load(icon, file);
    EXPECT_FALSE(icon.IsPngImage(0));
    EXPECT_TRUE(icon.IsPngImage(1));
    EXPECT_EQ(icon.GetPngImage(1), png.Block);
    EXPECT_TRUE(icon.GetPngImage(0).empty());
    EXPECT_EQ(SaveImage(icon, 1), png.Block);
    EXPECT_EQ(Save(icon), file);
}

TEST(TQVIconTest, PngImageLongerThanTheDataFails) {
    TTestImage png = MakePngTestImage(1000);
    png.Entry.BytesInRes = 1001;
    ExpectLoadFails(MakeIconFile({png}));
    png.Entry.BytesInRes = 4;  // cannot even hold the signature
    ExpectLoadFails(MakeIconFile({png}));
}

TEST(TQVIconTest, EveryTruncationFailsWithTheLoadMessage) {
    const Bytes file = MakeIconFile({MakeTestImage(16, 16, 1), MakePngTestImage(64), MakeTestImage(3, 2, 24)});
    for (size_t size = 0; size < file.size(); ++size) {
        SCOPED_TRACE(size);
        ExpectLoadFails(Bytes(file.begin(), file.begin() + long(size)));
    }
}

TEST(TQVIconTest, HugeSizesAskedByADamagedFileFailBeforeAllocating) {
    TTestImage image = MakeTestImage(255, 255, 8);
    image.Block.resize(40);
    image.Block[14] = 0xFF;  // bit count 65535: half a gigabyte of colour bits
    image.Block[15] = 0xFF;
    ExpectLoadFails(MakeIconFile({image}));
    Bytes manyImages = MakeIconFile({MakeTestImage(16, 16, 8)});
    manyImages[4] = manyImages[5] = 0xFF;  // 65535 entries of which one is present
    ExpectLoadFails(manyImages);
    TTestImage offset = MakeTestImage(16, 16, 8);
    Bytes pastEnd = MakeIconFile({offset});
    pastEnd[18] = pastEnd[19] = pastEnd[20] = pastEnd[21] = 0xFF;
    ExpectLoadFails(pastEnd);
}

TEST(TQVIconTest, DamagedFilesFromTheInvalidDataFail) {
    const auto files = test::TestFiles("invalid/icon", ".ico");
    ASSERT_FALSE(files.empty());
    for (const std::string& name : files) {
        SCOPED_TRACE(name);
        ExpectLoadFails(test::ReadTestFile(name));
    }
}

TEST(TQVIconTest, RealIconFilesRoundTripByteForByte) {
    const auto files = test::TestFiles("valid/icon", ".ico");
    ASSERT_GE(files.size(), 5u);
    for (const std::string& name : files) {
        SCOPED_TRACE(name);
        const Bytes file = test::ReadTestFile(name);
        TQVIcon icon;
        icon.LoadFromFile(std::string(QV_TEST_DATA) + "/" + name);
        EXPECT_EQ(icon.Count(), test::Get16(file, 4));
        EXPECT_EQ(Save(icon), file);
        for (int i = 0; i < icon.Count(); ++i) {
            const TIconDirEntry e = icon.GetEntry(i);
            const Bytes block(file.begin() + e.ImageOffset, file.begin() + e.ImageOffset + e.BytesInRes);
            EXPECT_EQ(SaveImage(icon, i), block) << i;
        }
    }
}

TEST(TQVIconTest, IcotoolFileHoldsEveryDepthAndA256PixelPng) {
    TQVIcon icon;
    icon.LoadFromFile(std::string(QV_TEST_DATA) + "/valid/icon/icotool-all.ico");
    ASSERT_EQ(icon.Count(), 6);
    const uint16_t depths[] = {1, 4, 8, 24, 32};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(icon.GetEntry(i).BitCount, depths[i]);
        EXPECT_FALSE(icon.IsPngImage(i));
    }
    EXPECT_EQ(icon.GetEntry(5).Width, 0);  // 256 pixels
    EXPECT_TRUE(icon.IsPngImage(5));
    EXPECT_EQ(icon.GetPngImage(5).size(), icon.GetEntry(5).BytesInRes);
}

TEST(TQVIconTest, SaveCountsOffsetsFromTheStreamsStartPosition) {
    const Bytes file = MakeIconFile({MakeTestImage(16, 16, 4), MakeTestImage(16, 16, 8)});
    TQVIcon icon;
    Load(icon, file);
    TMemoryStream stream(Bytes(10, 0x55));
    stream.SetPosition(10);
    icon.SaveToStream(stream);
    EXPECT_EQ(stream.Position(), 10 + file.size());
    EXPECT_EQ(Bytes(stream.Data().begin() + 10, stream.Data().end()), file);
}

// Accepts a fixed number of bytes, then refuses to write.
class TLimitedStream : public TMemoryStream {
public:
    explicit TLimitedStream(size_t limit) : FLimit(limit) {}
    size_t Write(const void* buffer, size_t count) override {
        if (Position() + count > FLimit) return 0;
        return TMemoryStream::Write(buffer, count);
    }

private:
    size_t FLimit;
};

TEST(TQVIconTest, WriteFailuresRaiseTheWriteMessage) {
    const Bytes file = MakeIconFile({MakeTestImage(16, 16, 8), MakeTestImage(16, 16, 8)}, {1, {1, 0}, 4});
    TQVIcon icon;
    Load(icon, file);
    for (size_t limit : {size_t(0), size_t(5), size_t(30), size_t(1000)}) {
        TLimitedStream stream(limit);
        try {
            icon.SaveToStream(stream);
            ADD_FAILURE() << limit;
        } catch (const EIconWriteError& e) {
            EXPECT_STREQ(e.what(), kWriteMessage);
        }
        EXPECT_EQ(icon.GetEntry(0).ImageOffset, test::Get32(file, 6 + 12)) << "directory changed by a failed save";
        TLimitedStream imageStream(limit);
        EXPECT_THROW(icon.SaveImageToStream(imageStream, 1), EIconWriteError);
    }
    TQVIcon empty;  // nothing to write is a failure, not an empty file
    TMemoryStream stream;
    EXPECT_THROW(empty.SaveToStream(stream), EIconWriteError);
}

TEST(TQVIconTest, SaveImageWritesFromPositionZeroAndLeavesTheDirectory) {
    const TTestImage image = MakeTestImage(16, 16, 8);
    TQVIcon icon;
    Load(icon, MakeIconFile({image}, {1, {}, 9}));
    TMemoryStream stream;
    stream.SetPosition(100);
    icon.SaveImageToStream(stream, 0);
    EXPECT_EQ(stream.Data(), image.Block);
    EXPECT_EQ(icon.GetEntry(0).ImageOffset, 6u + 16u + 9u);
}

TEST(TQVIconTest, FileErrorsComeFromTheFileLayer) {
    TQVIcon icon;
    const std::string missing = testing::TempDir() + "no-such-folder/x.ico";
    try {
        icon.LoadFromFile(missing);
        ADD_FAILURE();
    } catch (const EFOpenError& e) {
        EXPECT_THAT(e.what(), testing::HasSubstr(missing));
    }
    Load(icon, MakeIconFile({MakeTestImage(16, 16, 8)}));
    try {
        icon.SaveToFile(missing);
        ADD_FAILURE();
    } catch (const EFCreateError& e) {
        EXPECT_THAT(e.what(), testing::HasSubstr(missing));
    }
}

TEST(TQVIconTest, LoadingAgainReplacesTheContent) {
    TQVIcon icon;
    Load(icon, MakeIconFile({MakeTestImage(16, 16, 8), MakeTestImage(32, 32, 8)}));
    const Bytes second = MakeIconFile({MakeTestImage(48, 48, 32, 9)});
    Load(icon, second);
    EXPECT_EQ(icon.Count(), 1);
    EXPECT_EQ(Save(icon), second);
    icon.Clear();
    EXPECT_EQ(icon.Count(), 0);
    icon.Clear();
}

}  // namespace
}  // namespace qv
