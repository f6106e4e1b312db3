#include "platform/qt/TQImageSurface.h"

#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/TDIBitmap.h"

namespace qv {

// QImage's 32-bit formats hold native 0xAARRGGBB words: B, G, R, A in memory on this byte order.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "32-bit QImage pixels are read as B, G, R, A bytes");

TQImageSurface::TQImageSurface(QImage& target) : FTarget(target) {
    if (FTarget.format() != QImage::Format_ARGB32 && FTarget.format() != QImage::Format_RGB32)
        FTarget.convertTo(QImage::Format_ARGB32);
}

TQImageSurface::TSpan TQImageSurface::Clip(int x, int y, int width, int height) const {
    // 64 bits, so that no coordinate can overflow.
    const int64_t left = std::max<int64_t>(x, 0), top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t(x) + width, FTarget.width());
    const int64_t bottom = std::min<int64_t>(int64_t(y) + height, FTarget.height());
    if (right <= left || bottom <= top) return {0, 0, 0, 0, 0, 0};
    return {int(left - x), int(top - y), int(left), int(top), int(right - left), int(bottom - top)};
}

void TQImageSurface::CopyToBitmap(int x, int y, TDIBitmap& dest) const {
    if (dest.BitCount() != 32) return;
    const TSpan s = Clip(x, y, dest.Width(), dest.Height());
    for (int r = 0; r < s.Height; ++r)
        std::memcpy(dest.ScanLine(s.BitmapY + r) + 4 * size_t(s.BitmapX),
                    FTarget.constScanLine(s.ImageY + r) + 4 * size_t(s.ImageX), 4 * size_t(s.Width));
}

void TQImageSurface::CopyFromBitmap(const TDIBitmap& source, int x, int y) {
    if (source.BitCount() != 32) return;
    const TSpan s = Clip(x, y, source.Width(), source.Height());
    const bool opaque = FTarget.format() == QImage::Format_RGB32;
    for (int r = 0; r < s.Height; ++r) {
        uint8_t* line = FTarget.scanLine(s.ImageY + r) + 4 * size_t(s.ImageX);
        std::memcpy(line, source.ScanLine(s.BitmapY + r) + 4 * size_t(s.BitmapX), 4 * size_t(s.Width));
        if (opaque)
            for (int c = 0; c < s.Width; ++c) line[4 * c + 3] = 0xFF;
    }
}

bool TQImageSurface::DirectPixels(TPixelView& view) {
    if (FTarget.format() != QImage::Format_ARGB32 || FTarget.isNull()) return false;
    view.Bits = FTarget.bits();
    view.Width = FTarget.width();
    view.Height = FTarget.height();
    view.Stride = FTarget.bytesPerLine();
    return true;
}

}  // namespace qv
