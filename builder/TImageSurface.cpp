#include "builder/TImageSurface.h"

#include <algorithm>
#include <cstring>

#include "platform/TDIBitmap.h"

namespace qv {
namespace {

// The overlap of a w x h block placed at (x, y) with a surface of sw x sh, in block coordinates.
struct TOverlap {
    int X0, Y0, X1, Y1;
    bool Empty() const { return X0 >= X1 || Y0 >= Y1; }
};

TOverlap Overlap(int x, int y, int w, int h, int sw, int sh) {
    const int64_t x0 = std::max<int64_t>(0, -int64_t(x)), y0 = std::max<int64_t>(0, -int64_t(y));
    const int64_t x1 = std::min<int64_t>(w, int64_t(sw) - x), y1 = std::min<int64_t>(h, int64_t(sh) - y);
    return {int(x0), int(y0), int(std::max(x0, x1)), int(std::max(y0, y1))};
}

}  // namespace

bool TImageSurface::Usable() const {
    return !FImage.isNull() &&
           (FImage.format() == QImage::Format_RGB32 || FImage.format() == QImage::Format_ARGB32);
}

void TImageSurface::CopyToBitmap(int x, int y, TDIBitmap& dest) const {
    if (!Usable() || dest.BitCount() != 32) return;
    const TOverlap o = Overlap(x, y, dest.Width(), dest.Height(), FImage.width(), FImage.height());
    if (o.Empty()) return;
    for (int r = o.Y0; r < o.Y1; ++r)
        std::memcpy(dest.ScanLine(r) + size_t(o.X0) * 4, FImage.constScanLine(y + r) + size_t(x + o.X0) * 4,
                    size_t(o.X1 - o.X0) * 4);
}

void TImageSurface::CopyFromBitmap(const TDIBitmap& source, int x, int y) {
    if (!Usable() || source.BitCount() != 32) return;
    const TOverlap o = Overlap(x, y, source.Width(), source.Height(), FImage.width(), FImage.height());
    if (o.Empty()) return;
    for (int r = o.Y0; r < o.Y1; ++r)
        std::memcpy(FImage.scanLine(y + r) + size_t(x + o.X0) * 4, source.ScanLine(r) + size_t(o.X0) * 4,
                    size_t(o.X1 - o.X0) * 4);
}

bool TImageSurface::DirectPixels(TPixelView& view) {
    if (!Usable()) return false;
    view.Bits = FImage.bits();
    view.Width = FImage.width();
    view.Height = FImage.height();
    view.Stride = FImage.bytesPerLine();
    return true;
}

void TImageSurface::MakeOpaque(QImage& image) {
    if (image.depth() != 32 || image.isNull()) return;
    const int width = image.width(), height = image.height();
    const qsizetype stride = image.bytesPerLine();
    uint8_t* bits = image.bits();
    for (int r = 0; r < height; ++r) {
        uint32_t* row = reinterpret_cast<uint32_t*>(bits + r * stride);
        for (int c = 0; c < width; ++c) row[c] |= 0xFF000000u;  // the alpha byte of B, G, R, A
    }
}

}  // namespace qv
