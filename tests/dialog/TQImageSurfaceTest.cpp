// The QImage drawing surface: pixels exchanged as B, G, R, A bytes, clipped at the image's edges.
#include <gtest/gtest.h>

#include <QImage>

#include <climits>

#include "icon/IconDrawing.h"
#include "platform/TBitmapSurface.h"
#include "platform/TDIBitmap.h"
#include "platform/qt/TQImageSurface.h"

namespace qv {
namespace {

QImage Numbered(int w, int h, QImage::Format format = QImage::Format_ARGB32) {
    QImage image(w, h, format);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, 0x80000000u | uint32_t(y << 8 | x));
    return image;
}

TEST(TQImageSurface, CopiesOutOnlyWhatLiesOnTheImage) {
    QImage image = Numbered(3, 3);
    const TQImageSurface surface(image);
    TDIBitmap dest(4, 4, 32);
    dest.Fill(0x11223344);
    surface.CopyToBitmap(-1, 1, dest);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const int sx = x - 1, sy = y + 1;
            const bool on = sx >= 0 && sx < 3 && sy < 3;
            EXPECT_EQ(dest.Pixel(x, y), on ? 0x80000000u | uint32_t(sy << 8 | sx) : 0x11223344u) << x << "," << y;
        }
    // Pixel (2, 1) came from the image's (1, 2), 0x80000201: B, G, R, A in memory.
    EXPECT_EQ(dest.ScanLine(1)[8], 0x01);
    EXPECT_EQ(dest.ScanLine(1)[9], 0x02);
    EXPECT_EQ(dest.ScanLine(1)[10], 0x00);
    EXPECT_EQ(dest.ScanLine(1)[11], 0x80);
}

TEST(TQImageSurface, CopiesInOnlyWhatLiesOnTheImage) {
    QImage image(3, 3, QImage::Format_ARGB32);
    image.fill(0u);
    TQImageSurface surface(image);
    TDIBitmap source(2, 2, 32);
    source.Fill(0x7F102030);
    surface.CopyFromBitmap(source, 2, -1);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(image.pixel(x, y), x == 2 && y == 0 ? 0x7F102030u : 0u) << x << "," << y;
}

TEST(TQImageSurface, FarOffsetsAndOtherDepthsTouchNothing) {
    QImage image = Numbered(3, 3);
    const QImage before = image;
    TQImageSurface surface(image);
    TDIBitmap source(2, 2, 32);
    source.Fill(0xFFFFFFFF);
    for (int offset : {INT_MIN, INT_MIN + 1, -3, 3, INT_MAX - 1, INT_MAX}) {
        surface.CopyFromBitmap(source, offset, 0);
        surface.CopyFromBitmap(source, 0, offset);
    }
    TDIBitmap eight(2, 2, 8);
    surface.CopyFromBitmap(eight, 0, 0);
    surface.CopyToBitmap(0, 0, eight);
    EXPECT_EQ(eight.Pixel(0, 0), 0u);
    EXPECT_EQ(image, before);
}

TEST(TQImageSurface, OpaqueImagesStayOpaqueAndOtherFormatsAreConverted) {
    QImage rgb(2, 1, QImage::Format_RGB32);
    rgb.fill(0xFF000000u);
    TQImageSurface opaque(rgb);
    TDIBitmap source(1, 1, 32);
    source.Fill(0x00405060);
    opaque.CopyFromBitmap(source, 1, 0);
    EXPECT_EQ(rgb.format(), QImage::Format_RGB32);
    EXPECT_EQ(rgb.pixel(1, 0), 0xFF405060u);

    QImage packed(2, 1, QImage::Format_RGB888);
    packed.fill(QColor(1, 2, 3));
    TQImageSurface converted(packed);
    EXPECT_EQ(packed.format(), QImage::Format_ARGB32);
    TDIBitmap dest(2, 1, 32);
    converted.CopyToBitmap(0, 0, dest);
    EXPECT_EQ(dest.Pixel(1, 0), 0xFF010203u);
}

TEST(TQImageSurface, BlendingOntoAnImageGivesWhatBlendingOntoABitmapGives) {
    // A 5 x 4 image with alpha running 0..255 and a mask that blocks one column, drawn partly
    // off the surface's edge.
    TDIBitmap image(5, 4, 32), mask(5, 4, 1);
    mask.SetPalette({{0, 0, 0, 0}, {255, 255, 255, 0}});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            image.SetPixel(x, y, uint32_t(x * 60 + y * 3) << 24 | 0x2080F0u);
            mask.SetPixel(x, y, x == 2 ? 1 : 0);
        }
    for (QImage::Format format : {QImage::Format_ARGB32, QImage::Format_RGB32}) {
        SCOPED_TRACE(int(format));
        QImage target(6, 6, format);
        target.fill(QColor(200, 100, 50));
        TDIBitmap expected(6, 6, 32);
        expected.Fill(0xFFC86432);
        TBitmapSurface reference(expected);
        TQImageSurface surface(target);
        TDIBitmap a = image, b = image;
        DrawBitmapBlended(a, &mask, 3, -1, surface);
        DrawBitmapBlended(b, &mask, 3, -1, reference);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x) EXPECT_EQ(target.pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
        EXPECT_NE(target.pixel(4, 0), 0xFFC86432u) << "something was drawn";
    }
}

TEST(TQImageSurface, OffersItsRowsOnlyForImagesWithAlpha) {
    QImage argb = Numbered(3, 2);
    TPixelView view;
    ASSERT_TRUE(TQImageSurface(argb).DirectPixels(view));
    EXPECT_EQ(view.Width, 3);
    EXPECT_EQ(view.Height, 2);
    EXPECT_EQ(*reinterpret_cast<const uint32_t*>(view.Bits + view.Stride + 8), argb.pixel(2, 1));
    QImage rgb(3, 2, QImage::Format_RGB32);
    EXPECT_FALSE(TQImageSurface(rgb).DirectPixels(view));
}

}  // namespace
}  // namespace qv
