// Turning icon images into bitmaps, choosing an image, and the two drawing routines.
#include <gtest/gtest.h>

#include <climits>

#include "IconTestFiles.h"
#include "icon/BlendRows.h"
#include "icon/IconDrawing.h"
#include "icon/TQVIcon.h"
#include "platform/TBitmapSurface.h"
#include "platform/TByteSpanStream.h"

namespace qv {
namespace {

using test::Get16;
using test::Get32;
using test::MakeIconFile;
using test::MakeTestImage;
using test::TTestImage;

TQVIcon LoadIcon(const std::vector<TTestImage>& images) {
    const Bytes file = MakeIconFile(images);
    TByteSpanStream stream(file.data(), file.size());
    TQVIcon icon;
    icon.LoadFromStream(stream);
    return icon;
}

// A 32-bit icon image from its pixels and transparent mask bits, both given top row first.
TTestImage Make32(int w, int h, const std::vector<uint32_t>& pixels, const std::vector<bool>& transparent) {
    TTestImage image = MakeTestImage(uint8_t(w), uint8_t(h), 32);
    const size_t maskStride = size_t((w + 31) / 32 * 4);
    const size_t maskStart = 40 + size_t(w * h * 4);
    std::fill(image.Block.begin() + long(maskStart), image.Block.end(), 0);
    for (int y = 0; y < h; ++y) {
        const int fileRow = h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const uint32_t p = pixels[size_t(y * w + x)];
            for (int b = 0; b < 4; ++b) image.Block[40 + size_t((fileRow * w + x) * 4 + b)] = uint8_t(p >> (8 * b));
            if (transparent[size_t(y * w + x)])
                image.Block[maskStart + size_t(fileRow) * maskStride + size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        }
    }
    return image;
}

TDIBitmap Solid(int w, int h, uint32_t pixel) {
    TDIBitmap b(w, h, 32);
    b.Fill(pixel);
    return b;
}

struct BitmapFileCase {
    uint8_t width, height;
    uint16_t bitCount;
    size_t imageSize, imageOffset, maskSize;
};

TEST(IconRenderingTest, BitmapFilesHaveTheDesignedLayout) {
    const BitmapFileCase cases[] = {
        {48, 48, 32, 9270, 54, 446},
        {16, 16, 8, 1334, 1078, 14 + 40 + 8 + 64},
        {15, 15, 24, 14 + 40 + 720, 54, 14 + 40 + 8 + 60},
        {32, 32, 1, 14 + 40 + 8 + 128, 62, 14 + 40 + 8 + 128},
    };
    for (const BitmapFileCase& c : cases) {
        SCOPED_TRACE(c.imageSize);
        const TQVIcon icon = LoadIcon({MakeTestImage(c.width, c.height, c.bitCount)});
        const Bytes image = icon.GetImageBitmapFile(0);
        const Bytes mask = icon.GetMaskBitmapFile(0);
        ASSERT_EQ(image.size(), c.imageSize);
        ASSERT_EQ(mask.size(), c.maskSize);
        for (const Bytes* file : {&image, &mask}) {
            EXPECT_EQ(Get16(*file, 0), 0x4D42);
            EXPECT_EQ(Get32(*file, 2), file->size());  // patched after writing
            EXPECT_EQ(Get32(*file, 6), 0u);
            EXPECT_EQ(Get32(*file, 14), 40u);
            EXPECT_EQ(Get32(*file, 18), c.width);
            EXPECT_EQ(Get32(*file, 22), c.height);  // not the doubled header height
            EXPECT_EQ(Get16(*file, 26), 1);
            EXPECT_EQ(Get32(*file, 30), 0u);
            EXPECT_EQ(Get32(*file, 34), 0u);
            EXPECT_EQ(Get32(*file, 38), 1u);
            EXPECT_EQ(Get32(*file, 42), 1u);
            EXPECT_EQ(Get32(*file, 46), 0u);
            EXPECT_EQ(Get32(*file, 50), 0u);
        }
        EXPECT_EQ(Get32(image, 10), c.imageOffset);
        EXPECT_EQ(Get16(image, 28), c.bitCount);
        EXPECT_EQ(Get32(mask, 10), 62u);
        EXPECT_EQ(Get16(mask, 28), 1);
        EXPECT_EQ(Bytes(mask.begin() + 54, mask.begin() + 62), (Bytes{0, 0, 0, 0, 255, 255, 255, 0}));
    }
}

TEST(IconRenderingTest, BitmapsHaveTheDirectorySizeAndTheIconsRowsTopFirst) {
    for (uint16_t bitCount : {1, 4, 8, 16, 24, 32}) {
        SCOPED_TRACE(bitCount);
        const TTestImage source = MakeTestImage(20, 7, bitCount, uint8_t(bitCount));
        const TQVIcon icon = LoadIcon({source});
        const auto image = icon.GetImageBitmap(0);
        const auto mask = icon.GetMaskBitmap(0);
        ASSERT_TRUE(image && mask);
        EXPECT_EQ(image->Width(), 20);
        EXPECT_EQ(image->Height(), 7);
        EXPECT_EQ(image->BitCount(), bitCount);
        EXPECT_EQ(mask->Width(), 20);
        EXPECT_EQ(mask->Height(), 7);
        EXPECT_EQ(mask->BitCount(), 1);
        const TImageBlockSizes sizes = TImageBlockSizes::For(20, 7, bitCount);
        const size_t colorStart = 40 + size_t(sizes.ColorTable);
        const size_t maskStart = colorStart + size_t(sizes.ColorBits);
        for (int fileRow = 0; fileRow < 7; ++fileRow) {
            const int row = 6 - fileRow;  // the icon holds its bottom row first
            EXPECT_TRUE(std::equal(image->ScanLine(row), image->ScanLine(row) + image->RowBytes(),
                                   source.Block.begin() + long(colorStart + size_t(fileRow) * image->RowBytes())));
            EXPECT_TRUE(std::equal(mask->ScanLine(row), mask->ScanLine(row) + mask->RowBytes(),
                                   source.Block.begin() + long(maskStart + size_t(fileRow) * mask->RowBytes())));
        }
        if (bitCount <= 8) {
            ASSERT_EQ(image->Palette().size(), size_t(1) << bitCount);
            EXPECT_EQ(image->Palette()[1].Blue, source.Block[40 + 4]);
            EXPECT_EQ(image->Palette()[1].Red, source.Block[40 + 6]);
        }
        EXPECT_EQ(mask->Color(0, 0) & 0xFFFFFF, (mask->Pixel(0, 0) ? 0xFFFFFFu : 0u));
    }
}

TEST(IconRenderingTest, ImagesThatMakeNoBitmapYieldNone) {
    struct Case {
        const char* name;
        TTestImage image;
        bool mask;
    };
    TTestImage zeroHeight = MakeTestImage(16, 0, 32);
    const Case cases[] = {
        {"png", test::MakePngTestImage(200, 16, 16), false},
        {"bit count 7", MakeTestImage(16, 16, 7), true},
        {"bit count 0", MakeTestImage(16, 16, 0), true},
        {"bit count 65535", MakeTestImage(2, 1, 65535), true},
        {"256 pixels", MakeTestImage(0, 0, 32), false},
        {"zero height", zeroHeight, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TQVIcon icon = LoadIcon({c.image});
        EXPECT_EQ(icon.GetImageBitmap(0), nullptr);
        EXPECT_EQ(icon.GetMaskBitmap(0) != nullptr, c.mask);
    }
    const TQVIcon icon = LoadIcon({MakeTestImage(16, 16, 8)});
    EXPECT_THROW(icon.GetImageBitmap(1), EIconIndexError);
    EXPECT_THROW(icon.GetMaskBitmap(-1), EIconIndexError);
}

TEST(IconRenderingTest, FindImagePrefersSizeAndHeaderDepthThenSizeThenZero) {
    TTestImage eightClaiming32 = MakeTestImage(32, 32, 8, 1);
    eightClaiming32.Entry.BitCount = 32;  // the directory's field is not consulted
    TTestImage thirtyTwoClaiming8 = MakeTestImage(32, 32, 32, 2);
    thirtyTwoClaiming8.Entry.BitCount = 8;
    const TQVIcon both = LoadIcon({MakeTestImage(16, 16, 8), eightClaiming32, thirtyTwoClaiming8, MakeTestImage(48, 48, 32)});
    EXPECT_EQ(both.FindImage(32, 32, 32), 2);
    EXPECT_EQ(both.FindImage(8, 32, 32), 1);
    const TQVIcon onlyEight = LoadIcon({MakeTestImage(16, 16, 32), MakeTestImage(32, 32, 8)});
    EXPECT_EQ(onlyEight.FindImage(32, 32, 32), 1);
    const TQVIcon none = LoadIcon({MakeTestImage(16, 16, 32), MakeTestImage(48, 48, 32)});
    EXPECT_EQ(none.FindImage(32, 32, 32), 0);
    EXPECT_EQ(TQVIcon().FindImage(32, 32, 32), 0);
}

// Draws through the surface's own pixels (GetParam() true) or through its two copies only.
class TCopyOnlySurface : public TDrawSurface {
public:
    explicit TCopyOnlySurface(TDIBitmap& target) : FInner(target) {}
    void CopyToBitmap(int x, int y, TDIBitmap& dest) const override { FInner.CopyToBitmap(x, y, dest); }
    void CopyFromBitmap(const TDIBitmap& source, int x, int y) override { FInner.CopyFromBitmap(source, x, y); }

private:
    TBitmapSurface FInner;
};

class DrawTest : public testing::TestWithParam<bool> {
protected:
    std::unique_ptr<TDrawSurface> SurfaceOver(TDIBitmap& target) const {
        if (GetParam()) return std::make_unique<TBitmapSurface>(target);
        return std::make_unique<TCopyOnlySurface>(target);
    }
};

INSTANTIATE_TEST_SUITE_P(Surfaces, DrawTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Direct" : "Copies"; });

// Per channel (S * a + (256 - a) * D) div 256, the destination's alpha kept.
uint32_t ReferenceBlend(uint32_t s, uint32_t d) {
    const uint32_t a = s >> 24;
    uint32_t out = d & 0xFF000000;
    for (int shift : {0, 8, 16}) {
        const uint32_t sc = (s >> shift) & 255, dc = (d >> shift) & 255;
        out |= ((sc * a + (256 - a) * dc) / 256) << shift;
    }
    return out;
}

TEST_P(DrawTest, BlendingFollowsTheAlphaWithDivisor256WhereTheMasksRedIsZero) {
    struct Case {
        uint32_t source, background;
        bool hasMask;
        uint32_t mask, expected;
    };
    const Case cases[] = {
        {0xFFFFFFFF, 0x00000000, false, 0, 0x00FEFEFE},           // opaque white over black
        {0x00FFFFFF, 0x7F102030, false, 0, 0x7F102030},           // alpha 0 leaves the background
        {0x80FF0000, 0xFF0000FF, false, 0, 0xFF7F007F},
        {0xFFFFFFFF, 0x00000000, true, 0x00000000, 0x00FEFEFE},   // black mask: through
        {0xFFFFFFFF, 0x00000000, true, 0x000000FF, 0x00FEFEFE},   // pure blue: through
        {0xFFFFFFFF, 0x00000000, true, 0x0000FF00, 0x00FEFEFE},   // pure green: through
        {0xFFFFFFFF, 0x00123456, true, 0x00010000, 0x00123456},   // any red: background kept
        {0xFFFFFFFF, 0x00123456, true, 0x00FFFFFF, 0x00123456},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.source << " over " << c.background << " mask " << c.mask);
        TDIBitmap surfaceBitmap = Solid(1, 1, c.background);
        const auto surfaceOwner = SurfaceOver(surfaceBitmap);
    TDrawSurface& surface = *surfaceOwner;
        TDIBitmap image = Solid(1, 1, c.source);
        const TDIBitmap mask = Solid(1, 1, c.mask);
        DrawBitmapBlended(image, c.hasMask ? &mask : nullptr, 0, 0, surface);
        EXPECT_EQ(surfaceBitmap.Pixel(0, 0), c.expected);
    }
    // Every alpha over a spread of colours, one pixel each.
    TDIBitmap image(256, 3, 32), background(256, 3, 32);
    const uint32_t colours[3][2] = {{0x00FFFFFF, 0xAA000000}, {0x00123456, 0x55FEDCBA}, {0x0080FF01, 0x01FF0080}};
    for (int y = 0; y < 3; ++y)
        for (int a = 0; a < 256; ++a) {
            image.SetPixel(a, y, uint32_t(a) << 24 | colours[y][0]);
            background.SetPixel(a, y, colours[y][1]);
        }
    TDIBitmap surfaceBitmap = background;
    const auto surfaceOwner = SurfaceOver(surfaceBitmap);
    TDrawSurface& surface = *surfaceOwner;
    DrawBitmapBlended(image, nullptr, 0, 0, surface);
    for (int y = 0; y < 3; ++y)
        for (int a = 0; a < 256; ++a)
            ASSERT_EQ(surfaceBitmap.Pixel(a, y), ReferenceBlend(image.Pixel(a, y), background.Pixel(a, y))) << a;
}

TEST_P(DrawTest, MaskedDrawingCopiesAllFourBytesWhereTheMaskAllows) {
    TDIBitmap surfaceBitmap = Solid(2, 1, 0xFF000000);
    const auto surfaceOwner = SurfaceOver(surfaceBitmap);
    TDrawSurface& surface = *surfaceOwner;
    TDIBitmap image = Solid(2, 1, 0x80123456);
    TDIBitmap mask(2, 1, 1);
    mask.SetPixel(1, 0, 1);  // white: the background stays
    DrawBitmapMasked(image, &mask, 0, 0, surface);
    EXPECT_EQ(surfaceBitmap.Pixel(0, 0), 0x80123456u);
    EXPECT_EQ(surfaceBitmap.Pixel(1, 0), 0xFF000000u);
}

TEST_P(DrawTest, AnEightBitImageBlendedDrawsNothingVisible) {
    const TQVIcon icon = LoadIcon({MakeTestImage(16, 16, 8, 3)});
    const auto image = icon.GetImageBitmap(0);
    ASSERT_TRUE(image);
    TDIBitmap surfaceBitmap = Solid(20, 20, 0xFF336699);
    const TDIBitmap before = surfaceBitmap;
    const auto surfaceOwner = SurfaceOver(surfaceBitmap);
    TDrawSurface& surface = *surfaceOwner;
    DrawBitmapBlended(*image, nullptr, 2, 2, surface);
    EXPECT_EQ(image->BitCount(), 32);  // converted in place
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(image->Pixel(x, y) >> 24, 0u);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(surfaceBitmap.Pixel(x, y), before.Pixel(x, y));
    // The masked routine does draw it.
    DrawBitmapMasked(*image, nullptr, 2, 2, surface);
    EXPECT_EQ(surfaceBitmap.Pixel(2, 2), image->Pixel(0, 0));
}

TEST_P(DrawTest, DrawingPartlyOutsideTheSurfaceDrawsTheInsidePart) {
    TDIBitmap image(3, 3, 32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) image.SetPixel(x, y, 0xFF000000u | uint32_t(y * 3 + x + 1));
    const struct {
        int x, y;
    } positions[] = {{-1, -1}, {3, 3}, {-2, 2}, {INT_MIN, INT_MAX}, {INT_MAX, -5}};
    for (const auto& at : positions) {
        SCOPED_TRACE(testing::Message() << at.x << "," << at.y);
        TDIBitmap surfaceBitmap = Solid(5, 5, 0x11223344);
        const auto surfaceOwner = SurfaceOver(surfaceBitmap);
    TDrawSurface& surface = *surfaceOwner;
        TDIBitmap copy = image;
        DrawBitmapMasked(copy, nullptr, at.x, at.y, surface);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                const int64_t ix = int64_t(x) - at.x, iy = int64_t(y) - at.y;
                const bool inside = ix >= 0 && ix < 3 && iy >= 0 && iy < 3;
                EXPECT_EQ(surfaceBitmap.Pixel(x, y), inside ? image.Pixel(int(ix), int(iy)) : 0x11223344u) << x << "," << y;
            }
    }
}

TEST_P(DrawTest, AMaskSmallerThanTheImageDrawsOnlyWhatItCovers) {
    TDIBitmap surfaceBitmap = Solid(8, 8, 0x00000000);
    const auto surfaceOwner = SurfaceOver(surfaceBitmap);
    TDrawSurface& surface = *surfaceOwner;
    TDIBitmap image = Solid(8, 8, 0xFFFFFFFF);
    const TDIBitmap mask(3, 2, 1);  // all black: opaque
    DrawBitmapMasked(image, &mask, 0, 0, surface);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(surfaceBitmap.Pixel(x, y), (x < 3 && y < 2) ? 0xFFFFFFFFu : 0u) << x << "," << y;
    const TDIBitmap wide(20, 20, 1);  // a larger one is read within the image only
    DrawBitmapBlended(image, &wide, 0, 0, surface);
    EXPECT_EQ(surfaceBitmap.Pixel(7, 7), 0x00FEFEFEu);
}

TEST_P(DrawTest, EmptyImagesDrawNothing) {
    TDIBitmap surfaceBitmap = Solid(4, 4, 0x01020304);
    const auto surfaceOwner = SurfaceOver(surfaceBitmap);
    TDrawSurface& surface = *surfaceOwner;
    for (TDIBitmap image : {TDIBitmap(), TDIBitmap(5, 0, 32), TDIBitmap(0, 5, 8)}) {
        DrawBitmapBlended(image, nullptr, 0, 0, surface);
        DrawBitmapMasked(image, nullptr, 0, 0, surface);
    }
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(surfaceBitmap.Pixel(x, y), 0x01020304u);
}

TEST_P(DrawTest, AnIconImageWithItsOwnMaskBlendsOnlyItsOpaquePixels) {
    const std::vector<uint32_t> pixels = {0xFFFFFFFF, 0xFF00FF00, 0x800000FF, 0x00FF0000, 0xFF102030, 0xFFFFFFFF};
    const std::vector<bool> transparent = {true, false, false, false, false, true};
    const TQVIcon icon = LoadIcon({Make32(3, 2, pixels, transparent)});
    auto image = icon.GetImageBitmap(0);
    const auto mask = icon.GetMaskBitmap(0);
    ASSERT_TRUE(image && mask);
    const uint32_t background = 0xFF404040;
    TDIBitmap surfaceBitmap = Solid(5, 4, background);
    const auto surfaceOwner = SurfaceOver(surfaceBitmap);
    TDrawSurface& surface = *surfaceOwner;
    DrawBitmapBlended(*image, mask.get(), 1, 1, surface);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const size_t i = size_t(y * 3 + x);
            EXPECT_EQ(surfaceBitmap.Pixel(x + 1, y + 1), transparent[i] ? background : ReferenceBlend(pixels[i], background))
                << x << "," << y;
        }
    EXPECT_EQ(surfaceBitmap.Pixel(0, 0), background);
    EXPECT_EQ(surfaceBitmap.Pixel(4, 3), background);
}

TEST(IconRenderingTest, EveryBlendImplementationGivesTheSameExactResult) {
    // Rows of every length up to 40, starting at every bit of a mask byte, random pixels.
    uint32_t seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 8) * 2654435761u; };
    for (int count = 0; count <= 40; ++count)
        for (int firstBit = 0; firstBit < 8; ++firstBit) {
            std::vector<uint32_t> src(size_t(count) + 1), dst(size_t(count) + 1);
            Bytes bits(size_t(count) / 8 + 3);
            for (auto& p : src) p = next();
            for (auto& p : dst) p = next();
            for (auto& b : bits) b = uint8_t(next());
            for (uint8_t invert : {uint8_t(0), uint8_t(0xFF)}) {
                const TThroughBits through{bits.data(), firstBit, invert};
                std::vector<uint32_t> expected = dst;
                for (int c = 0; c < count; ++c) {
                    const int p = firstBit + c;
                    if (((bits[size_t(p >> 3)] ^ invert) >> (7 - (p & 7))) & 1)
                        expected[size_t(c)] = ReferenceBlend(src[size_t(c)], dst[size_t(c)]);
                }
                for (TBlendKernel kernel : {TBlendKernel::Portable, TBlendKernel::Avx2}) {
                    std::vector<uint32_t> out = dst;
                    if (!BlendRowWith(kernel, reinterpret_cast<const uint8_t*>(src.data()),
                                      reinterpret_cast<uint8_t*>(out.data()), through, count))
                        continue;
                    ASSERT_EQ(out, expected) << "kernel " << int(kernel) << " count " << count << " bit " << firstBit;
                }
            }
        }
}

}  // namespace
}  // namespace qv
