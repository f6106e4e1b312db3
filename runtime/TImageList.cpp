#include "runtime/TImageList.h"

namespace qv {

void TImageList::SetSize(const QSize& size) {
    FSize = size;
    FImages.clear();
}

int TImageList::Add(const QImage& tile, const QImage& mask) {
    QImage image = tile.convertToFormat(QImage::Format_ARGB32);
    const QImage shape = mask.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* maskLine = y < shape.height() ? reinterpret_cast<const QRgb*>(shape.constScanLine(y)) : nullptr;
        for (int x = 0; x < image.width(); ++x) {
            const bool shown = maskLine && x < shape.width() && (maskLine[x] & 0xFFFFFF) == 0;
            line[x] = shown ? (line[x] | 0xFF000000u) : (line[x] & 0xFFFFFF);
        }
    }
    FImages.push_back(std::move(image));
    return Count() - 1;
}

}  // namespace qv
