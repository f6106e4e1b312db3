#pragma once
// A drawing surface over a Qt image of 32 bits per pixel (Format_RGB32 or Format_ARGB32, whose
// pixels are the bytes B, G, R, A), so that icon images are drawn straight into the picture Qt
// shows. Other formats take no pixels.
#include <QImage>

#include "platform/TDrawSurface.h"

namespace qv {

class TImageSurface : public TDrawSurface {
public:
    // image must outlive the surface.
    explicit TImageSurface(QImage& image) : FImage(image) {}

    void CopyToBitmap(int x, int y, TDIBitmap& dest) const override;
    void CopyFromBitmap(const TDIBitmap& source, int x, int y) override;
    bool DirectPixels(TPixelView& view) override;

    // Sets every alpha byte to 255: masked copies carry the image's alpha bytes, which a
    // picture shown as opaque must not keep.
    static void MakeOpaque(QImage& image);

private:
    bool Usable() const;

    QImage& FImage;
};

}  // namespace qv
