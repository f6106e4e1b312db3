#include "runtime/TImageList.h"

#include <algorithm>

namespace qv {

void TImageList::SetSize(const QSize& size) {
    FSize = size;
    FImages.clear();
    FMade.clear();
}

QImage TImageList::Compose(QImage tile, const QImage& mask) {
    QImage image =
        tile.format() == QImage::Format_ARGB32 ? std::move(tile) : tile.convertToFormat(QImage::Format_ARGB32);
    const QImage shape = mask.format() == QImage::Format_ARGB32 ? mask : mask.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width(), height = image.height();
    const int maskWidth = std::min(width, shape.width()), maskHeight = std::min(height, shape.height());
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* maskLine = y < maskHeight ? reinterpret_cast<const QRgb*>(shape.constScanLine(y)) : nullptr;
        const int covered = maskLine ? maskWidth : 0;
        for (int x = 0; x < covered; ++x)
            line[x] = (maskLine[x] & 0xFFFFFF) == 0 ? (line[x] | 0xFF000000u) : (line[x] & 0xFFFFFF);
        for (int x = covered; x < width; ++x) line[x] &= 0xFFFFFF;
    }
    return image;
}

int TImageList::Add(QImage tile, const QImage& mask) {
    FImages.push_back(Compose(std::move(tile), mask));
    FMade.push_back(true);
    return Count() - 1;
}

int TImageList::AddDeferred() {
    FImages.emplace_back();
    FMade.push_back(false);
    return Count() - 1;
}

const QImage& TImageList::Image(int index) const {
    const size_t i = size_t(index);
    if (!FMade.at(i) && FSource) {
        TIconTile cell = FSource(index);
        FImages[i] = Compose(std::move(cell.Tile), cell.Mask);
        FMade[i] = true;
    }
    return FImages[i];
}

}  // namespace qv
