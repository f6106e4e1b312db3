#include "builder/core/IconPictures.h"

#include "icon/IconDrawing.h"

namespace qv {

bool DrawIconImage(const TQVIcon& icon, int index, int x, int y, TDrawSurface& surface) {
    std::unique_ptr<TDIBitmap> image = icon.GetImageBitmap(index);
    if (!image) return false;
    const std::unique_ptr<TDIBitmap> mask = icon.GetMaskBitmap(index);
    if (image->BitCount() == 32) {
        DrawBitmapBlended(*image, mask.get(), x, y, surface);
        return false;
    }
    DrawBitmapMasked(*image, mask.get(), x, y, surface);
    return true;
}

bool DrawIconThumbnail(const TQVIcon& icon, TDrawSurface& surface) {
    bool copied = false;
    int x = 0;
    for (int i = 0; i < icon.Count(); ++i) {
        x += 2;
        copied = DrawIconImage(icon, i, x, 0, surface) || copied;
        x += icon.GetEntry(i).Width;
    }
    return copied;
}

bool DrawPackageIconPreview(const TQVIcon& icon, TDrawSurface& surface) {
    if (icon.Count() == 0) return false;
    const int index = icon.FindImage(32, 32, 32);
    const TIconDirEntry entry = icon.GetEntry(index);
    return DrawIconImage(icon, index, (kPackageIconPreviewSize - entry.Width) / 2,
                         (kPackageIconPreviewSize - entry.Height) / 2, surface);
}

}  // namespace qv
