#include "runtime/IconTiles.h"

#include <QRect>

#include <memory>

#include "icon/IconDrawing.h"
#include "icon/TQVIcon.h"
#include "platform/TDIBitmap.h"
#include "platform/qt/TQImageSurface.h"
#include "runtime/IconImages.h"

namespace qv {
namespace {

QImage FilledCell(int width, int height, const QColor& background) {
    if (width <= 0 || height <= 0) return {};
    QImage cell(width, height, QImage::Format_ARGB32);
    cell.fill(background);
    return cell;
}

// The mask of a picture stored with alpha: black (shown) where alpha is not 0, white elsewhere.
std::unique_ptr<TDIBitmap> MaskFromAlpha(const TDIBitmap& image) {
    auto mask = std::make_unique<TDIBitmap>(image.Width(), image.Height(), 32);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            mask->SetPixel(x, y, image.Color(x, y) >> 24 ? 0xFF000000u : 0xFFFFFFFFu);
    return mask;
}

void DrawBitmapImage(TDIBitmap& image, TDIBitmap* mask, TIconTile& cell) {
    const int x = CentredOffset(cell.Tile.width(), image.Width());
    const int y = CentredOffset(cell.Tile.height(), image.Height());
    TQImageSurface tile(cell.Tile);
    if (image.BitCount() == 32)
        DrawBitmapBlended(image, nullptr, x, y, tile);
    else
        DrawBitmapMasked(image, nullptr, x, y, tile);
    TQImageSurface maskCell(cell.Mask);
    if (mask) {
        DrawBitmapMasked(*mask, nullptr, x, y, maskCell);
    } else {
        // A picture without a mask shows wholly.
        TDIBitmap shown(image.Width(), image.Height(), 32);
        DrawBitmapMasked(shown, nullptr, x, y, maskCell);
    }
}

// Only the part of the picture that lands in the cell is converted and drawn.
void DrawPngImage(const QImage& picture, TIconTile& cell) {
    const int x = CentredOffset(cell.Tile.width(), picture.width());
    const int y = CentredOffset(cell.Tile.height(), picture.height());
    const QRect onCell = QRect(x, y, picture.width(), picture.height()).intersected(cell.Tile.rect());
    if (onCell.isEmpty()) return;
    const std::unique_ptr<TDIBitmap> part = ImageToBitmap32(picture.copy(onCell.translated(-x, -y)));
    const std::unique_ptr<TDIBitmap> mask = MaskFromAlpha(*part);
    TQImageSurface tile(cell.Tile);
    DrawBitmapBlended(*part, nullptr, onCell.x(), onCell.y(), tile);
    TQImageSurface maskCell(cell.Mask);
    DrawBitmapMasked(*mask, nullptr, onCell.x(), onCell.y(), maskCell);
}

}  // namespace

int CentredOffset(int cellSize, int imageSize) { return (cellSize - imageSize) / 2; }

TIconTile BuildIconTile(const TQVIcon& icon, uint16_t bitCount, int width, int height, const QColor& background) {
    TIconTile cell{FilledCell(width, height, background), FilledCell(width, height, background)};
    if (cell.Tile.isNull() || icon.Count() == 0) return cell;
    const int k = icon.FindImage(bitCount, uint8_t(width), uint8_t(height));
    if (icon.IsPngImage(k)) {
        const QImage picture = DecodePngImage(icon.GetPngImage(k));
        if (!picture.isNull()) DrawPngImage(picture, cell);
        return cell;
    }
    const std::unique_ptr<TDIBitmap> image = icon.GetImageBitmap(k);
    const std::unique_ptr<TDIBitmap> mask = icon.GetMaskBitmap(k);
    if (image) DrawBitmapImage(*image, mask.get(), cell);
    return cell;
}

}  // namespace qv
