// The device-independent bitmap: reading real and damaged bitmap files, depth changes, copying.
#include "platform/TDIBitmap.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "IconTestFiles.h"
#include "platform/TBitmapSurface.h"
#include "platform/TMemoryStream.h"

namespace qv {
namespace {

using test::Get16;
using test::Get32;
using test::ReadTestFile;

TDIBitmap LoadOrFail(const Bytes& file) {
    TDIBitmap bitmap;
    EXPECT_TRUE(bitmap.LoadFromBytes(file));
    return bitmap;
}

int ChannelDistance(uint32_t a, uint32_t b) {
    int worst = 0;
    for (int shift : {0, 8, 16, 24}) worst = std::max(worst, std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)));
    return worst;
}

struct RealBmpCase {
    const char* name;
    int bitCount, width, height;
    int tolerance;  // 16-bit files lose bits on the way
    bool alpha;
};

const RealBmpCase kRealBmps[] = {
    {"b1", 1, 16, 16, 0, false},  {"b4", 4, 32, 32, 0, false},  {"b8", 8, 48, 48, 0, false},
    {"b16-565", 16, 15, 15, 8, false}, {"b24", 24, 15, 15, 0, false}, {"b32", 32, 48, 48, 0, true},
};

// Every pixel's colour against ImageMagick's own reading (R, G, B, A bytes, top row first).
void ExpectPixelsAsMagickReadsThem(const TDIBitmap& bitmap, const RealBmpCase& c) {
    const Bytes rgba = ReadTestFile(std::string("valid/icon/") + c.name + ".rgba");
    ASSERT_EQ(rgba.size(), size_t(c.width * c.height * 4));
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            const uint8_t* p = rgba.data() + size_t(y * c.width + x) * 4;
            const uint32_t expected = (c.alpha ? uint32_t(p[3]) << 24 : 0) | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
            ASSERT_LE(ChannelDistance(bitmap.Color(x, y), expected), c.tolerance) << x << "," << y;
        }
}

TEST(TDIBitmapTest, ReadsRealBitmapFilesAtTheirOwnDepth) {
    for (const RealBmpCase& c : kRealBmps) {
        SCOPED_TRACE(c.name);
        const TDIBitmap bitmap = LoadOrFail(ReadTestFile(std::string("valid/icon/") + c.name + ".bmp"));
        EXPECT_EQ(bitmap.BitCount(), c.bitCount);
        EXPECT_EQ(bitmap.Width(), c.width);
        EXPECT_EQ(bitmap.Height(), c.height);
        ExpectPixelsAsMagickReadsThem(bitmap, c);
    }
}

TEST(TDIBitmapTest, ConvertingTo32BitsKeepsColoursAndGivesAlphaZero) {
    for (const RealBmpCase& c : kRealBmps) {
        SCOPED_TRACE(c.name);
        TDIBitmap bitmap = LoadOrFail(ReadTestFile(std::string("valid/icon/") + c.name + ".bmp"));
        const TDIBitmap before = bitmap;
        bitmap.SetPixelFormat(32);
        ASSERT_EQ(bitmap.BitCount(), 32);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const uint32_t expected = c.alpha ? before.Color(x, y) : before.Color(x, y) & 0xFFFFFF;
                ASSERT_EQ(bitmap.Pixel(x, y), expected) << x << "," << y;
                const uint8_t* row = bitmap.ScanLine(y);
                ASSERT_EQ(row[4 * x + 3], expected >> 24);
            }
    }
}

TEST(TDIBitmapTest, ConvertingDownKeepsWhatTheDepthCanHold) {
    TDIBitmap bitmap(3, 1, 32);
    bitmap.SetPixel(0, 0, 0x80FF0000);
    bitmap.SetPixel(1, 0, 0xFF0A0A0A);
    bitmap.SetPixel(2, 0, 0x00F0F0F0);
    TDIBitmap as24 = bitmap;
    as24.SetPixelFormat(24);
    EXPECT_EQ(as24.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(as24.Pixel(1, 0), 0x0A0A0Au);
    TDIBitmap as16 = bitmap;
    as16.SetPixelFormat(16);
    EXPECT_EQ(as16.Pixel(0, 0), 0x7C00u);
    EXPECT_EQ(as16.Color(0, 0), 0xFF0000u);
    TDIBitmap as1 = bitmap;
    as1.SetPixelFormat(1);
    EXPECT_EQ(as1.Pixel(1, 0), 0u);  // near black
    EXPECT_EQ(as1.Pixel(2, 0), 1u);  // near white
    TDIBitmap as8 = bitmap;
    as8.SetPixelFormat(8);
    EXPECT_EQ(as8.Color(0, 0), 0xFF0000u);
    as8.SetPixelFormat(4);
    EXPECT_EQ(as8.Color(0, 0), 0xFF0000u);
}

TEST(TDIBitmapTest, DamagedBitmapFilesAreRefusedAndLeaveTheBitmapAlone) {
    const auto files = test::TestFiles("invalid/icon", ".bmp");
    ASSERT_FALSE(files.empty());
    for (const std::string& name : files) {
        SCOPED_TRACE(name);
        TDIBitmap bitmap(2, 2, 32);
        bitmap.Fill(0x12345678);
        EXPECT_FALSE(bitmap.LoadFromBytes(ReadTestFile(name)));
        EXPECT_EQ(bitmap.Width(), 2);
        EXPECT_EQ(bitmap.Pixel(1, 1), 0x12345678u);
    }
}

TEST(TDIBitmapTest, EveryTruncationOfTheNeededBytesIsRefused) {
    for (const char* name : {"b4", "b32"}) {
        const Bytes file = ReadTestFile(std::string("valid/icon/") + name + ".bmp");
        const size_t needed = Get32(file, 10) + TDIBitmap::RowBytesFor(int(Get32(file, 18)), Get16(file, 28)) * Get32(file, 22);
        ASSERT_LE(needed, file.size());
        for (size_t size = 0; size < needed; ++size) {
            TDIBitmap bitmap;
            ASSERT_FALSE(bitmap.LoadFromBytes(file.data(), size)) << name << " " << size;
        }
    }
}

// A 24-bit file of w x h pixels, rows as given (file order), with an optional top-down height.
Bytes MakeBmp24(int w, int h, bool topDown, const std::vector<uint32_t>& fileOrderPixels) {
    const size_t stride = TDIBitmap::RowBytesFor(w, 24);
    Bytes file(54 + stride * size_t(h), 0);
    const auto put = [&](size_t at, uint32_t v, int n) {
        for (int i = 0; i < n; ++i) file[at + size_t(i)] = uint8_t(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, uint32_t(file.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, uint32_t(w), 4);
    put(22, uint32_t(topDown ? -h : h), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int r = 0; r < h; ++r)
        for (int x = 0; x < w; ++x) put(54 + size_t(r) * stride + size_t(x) * 3, fileOrderPixels[size_t(r * w + x)], 3);
    return file;
}

TEST(TDIBitmapTest, RowZeroIsTheTopRowWhicheverWayTheFileStoresIt) {
    const std::vector<uint32_t> rows = {0x111111, 0x222222, 0x333333, 0x444444, 0x555555, 0x666666};
    const TDIBitmap bottomUp = LoadOrFail(MakeBmp24(2, 3, false, rows));
    const TDIBitmap topDown = LoadOrFail(MakeBmp24(2, 3, true, rows));
    EXPECT_EQ(bottomUp.Pixel(0, 0), 0x555555u);
    EXPECT_EQ(bottomUp.Pixel(1, 2), 0x222222u);
    EXPECT_EQ(topDown.Pixel(0, 0), 0x111111u);
    EXPECT_EQ(topDown.Pixel(1, 2), 0x666666u);
}

TEST(TDIBitmapTest, ReadsCoreHeadersAndBitFieldsAfterTheInfoHeader) {
    // 2 x 1 at 8 bits with a 12-byte header and 3-byte palette entries.
    Bytes core = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0x1A, 0x03, 0, 0, 12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 8, 0};
    core.resize(26 + 3 * 256, 0);
    core[26 + 3 * 1 + 2] = 0xC0;  // entry 1: red
    core.insert(core.end(), {1, 0, 0, 0});
    const TDIBitmap a = LoadOrFail(core);
    EXPECT_EQ(a.BitCount(), 8);
    EXPECT_EQ(a.Color(0, 0), 0xC00000u);
    EXPECT_EQ(a.Color(1, 0), 0u);
    // 2 x 1 at 16 bits, 5-6-5 masks after a 40-byte header.
    Bytes fields(66 + 4, 0);
    const uint8_t head[] = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 66, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 16, 0, 3};
    std::copy(std::begin(head), std::end(head), fields.begin());
    const uint8_t masks[] = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
    std::copy(std::begin(masks), std::end(masks), fields.begin() + 54);
    fields[66] = 0x00;  // pure red in 5-6-5
    fields[67] = 0xF8;
    fields[68] = 0xE0;  // pure green
    fields[69] = 0x07;
    const TDIBitmap b = LoadOrFail(fields);
    EXPECT_EQ(b.BitCount(), 16);
    EXPECT_EQ(b.Color(0, 0), 0xFF0000u);
    EXPECT_EQ(b.Color(1, 0), 0x00FF00u);
}

TEST(TDIBitmapTest, LoadsFromTheStreamsPosition) {
    Bytes data(7, 0xAA);
    const Bytes file = ReadTestFile("valid/icon/b24.bmp");
    data.insert(data.end(), file.begin(), file.end());
    TMemoryStream stream(data);
    stream.SetPosition(7);
    TDIBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadFromStream(stream));
    EXPECT_EQ(bitmap.Width(), 15);
    stream.SetPosition(6);
    EXPECT_FALSE(bitmap.LoadFromStream(stream));
}

TEST(TDIBitmapTest, BadDepthsAndSizesThrow) {
    EXPECT_THROW(TDIBitmap(1, 1, 7), EBitmapError);
    EXPECT_THROW(TDIBitmap(-1, 1, 32), EBitmapError);
    EXPECT_THROW(TDIBitmap(1, 65536, 32), EBitmapError);
    EXPECT_THROW(TDIBitmap(65535, 65535, 32), EBitmapError);
    TDIBitmap b(1, 1, 8);
    EXPECT_THROW(b.SetPixelFormat(2), EBitmapError);
    EXPECT_EQ(b.BitCount(), 8);
}

TEST(TDIBitmapTest, PixelsAndFillAtEveryDepth) {
    for (int bitCount : {1, 4, 8, 16, 24, 32}) {
        SCOPED_TRACE(bitCount);
        TDIBitmap b(9, 3, bitCount);
        const uint32_t value = bitCount == 32 ? 0x89ABCDEFu : (bitCount == 24 ? 0xABCDEFu : (1u << bitCount) - 1);
        b.Fill(value);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 9; ++x) ASSERT_EQ(b.Pixel(x, y), value);
        b.SetPixel(4, 1, 0);
        EXPECT_EQ(b.Pixel(4, 1), 0u);
        EXPECT_EQ(b.Pixel(3, 1), value);
        EXPECT_EQ(b.Pixel(5, 1), value);
        EXPECT_EQ(b.Pixel(9, 0), 0u);  // outside reads 0
        b.SetPixel(-1, 0, 0);
        EXPECT_EQ(b.ScanLine(3), nullptr);
    }
}

TEST(TDIBitmapTest, CopyRectClipsAgainstBothBitmaps) {
    TDIBitmap source(4, 4, 32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) source.SetPixel(x, y, uint32_t(0x100 * y + x + 1));
    struct Case {
        int sx, sy, w, h, dx, dy;
    };
    const Case cases[] = {{0, 0, 4, 4, 0, 0}, {-2, -1, 4, 4, 1, 1}, {1, 1, 10, 10, 2, 2}, {0, 0, 4, 4, -3, 3},
                          {3, 3, -1, 5, 0, 0}, {0, 0, 4, 4, 1000000, 0}, {INT32_MIN, 0, INT32_MAX, 4, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sx << "," << c.sy << " " << c.w << "x" << c.h << " to " << c.dx << "," << c.dy);
        TDIBitmap dest(5, 5, 32);
        dest.Fill(0xEEEEEEEE);
        ASSERT_TRUE(dest.CopyRect(source, c.sx, c.sy, c.w, c.h, c.dx, c.dy));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                const int64_t sx = int64_t(x) - c.dx + c.sx, sy = int64_t(y) - c.dy + c.sy;
                const bool inRect = x - int64_t(c.dx) >= 0 && x - int64_t(c.dx) < c.w && y - int64_t(c.dy) >= 0 &&
                                    y - int64_t(c.dy) < c.h;
                const bool inSource = sx >= 0 && sx < 4 && sy >= 0 && sy < 4;
                EXPECT_EQ(dest.Pixel(x, y), inRect && inSource ? source.Pixel(int(sx), int(sy)) : 0xEEEEEEEEu)
                    << x << "," << y;
            }
    }
    TDIBitmap other(2, 2, 24);
    EXPECT_FALSE(other.CopyRect(source, 0, 0, 2, 2, 0, 0));
    TDIBitmap ones(10, 2, 1);
    TDIBitmap oneSource(3, 1, 1);
    oneSource.Fill(1);
    ASSERT_TRUE(ones.CopyRect(oneSource, 0, 0, 3, 1, 6, 1));
    for (int x = 0; x < 10; ++x) EXPECT_EQ(ones.Pixel(x, 1), x >= 6 && x < 9 ? 1u : 0u) << x;
}

TEST(TDIBitmapTest, BitmapSurfaceCopiesInAndOutClippedAtItsEdges) {
    TDIBitmap target(3, 3, 32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) target.SetPixel(x, y, uint32_t(10 * y + x));
    TBitmapSurface surface(target);
    TDIBitmap dest(2, 2, 32);
    dest.Fill(0xDDDDDDDD);
    surface.CopyToBitmap(-1, 2, dest);
    EXPECT_EQ(dest.Pixel(0, 0), 0xDDDDDDDDu);  // outside the surface: kept
    EXPECT_EQ(dest.Pixel(1, 0), 20u);
    EXPECT_EQ(dest.Pixel(1, 1), 0xDDDDDDDDu);
    surface.CopyFromBitmap(dest, 2, -1);
    EXPECT_EQ(target.Pixel(2, 0), 0xDDDDDDDDu);  // dest (0, 1)
    EXPECT_EQ(target.Pixel(1, 0), 1u);
    TDIBitmap notThirtyTwo(1, 1, 24);
    notThirtyTwo.Fill(0xABCDEF);
    surface.CopyFromBitmap(notThirtyTwo, 0, 0);
    EXPECT_EQ(target.Pixel(0, 0), 0u);
    surface.CopyToBitmap(2, 2, notThirtyTwo);
    EXPECT_EQ(notThirtyTwo.Pixel(0, 0), 0xABCDEFu);
}

}  // namespace
}  // namespace qv
