#include "runtime/IconImages.h"

#include <cstring>
#include <limits>

#include "icon/TQVIcon.h"
#include "platform/TDIBitmap.h"

namespace qv {
namespace {

bool HasAlpha(const TDIBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Color(x, y) >> 24) return true;
    return false;
}

QImage BitmapImageToQImage(const TDIBitmap& image, const TDIBitmap* mask) {
    QImage out(image.Width(), image.Height(), QImage::Format_ARGB32);
    const bool alpha = image.BitCount() == 32 && HasAlpha(image);
    for (int y = 0; y < image.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.Width(); ++x) {
            const uint32_t color = image.Color(x, y);
            const bool opaque = !mask || (mask->Color(x, y) & 0xFFFFFF) == 0;
            line[x] = alpha ? color : (color & 0xFFFFFF) | (opaque ? 0xFF000000u : 0u);
        }
    }
    return out;
}

}  // namespace

QImage DecodePngImage(const uint8_t* png, size_t size) {
    QImage image;
    if (size > size_t(std::numeric_limits<int>::max()) || !image.loadFromData(png, int(size), "PNG")) return {};
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::unique_ptr<TDIBitmap> ImageToBitmap32(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    auto bitmap = std::make_unique<TDIBitmap>(argb.width(), argb.height(), 32);
    // ARGB32 words on this byte order are the bytes B, G, R, A, as 32-bit bitmap pixels.
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(bitmap->ScanLine(y), argb.constScanLine(y), 4 * size_t(argb.width()));
    return bitmap;
}

QImage IconImageToQImage(const TQVIcon& icon, int index) {
    if (icon.IsPngImage(index)) return DecodePngImage(icon.GetPngImage(index));
    const std::unique_ptr<TDIBitmap> image = icon.GetImageBitmap(index);
    if (!image || image->Empty()) return {};
    const std::unique_ptr<TDIBitmap> mask = icon.GetMaskBitmap(index);
    return BitmapImageToQImage(*image, mask.get());
}

QIcon IconToQIcon(const TQVIcon& icon) {
    QIcon result;
    for (int i = 0; i < icon.Count(); ++i) {
        const QImage image = IconImageToQImage(icon, i);
        if (!image.isNull()) result.addPixmap(QPixmap::fromImage(image));
    }
    return result;
}

}  // namespace qv
