#pragma once
// The icon drawing routines' surface over a QImage, so the window programs can draw icon images
// straight into what they show. Pixels are exchanged as the bytes B, G, R, A of a 32-bit bitmap.
#include <QImage>

#include "platform/TDrawSurface.h"

namespace qv {

class TQImageSurface : public TDrawSurface {
public:
    // target must outlive the surface. An image that is neither ARGB32 nor RGB32 is converted to
    // ARGB32 first; on an RGB32 image every written pixel is opaque.
    explicit TQImageSurface(QImage& target);

    void CopyToBitmap(int x, int y, TDIBitmap& dest) const override;
    void CopyFromBitmap(const TDIBitmap& source, int x, int y) override;
    // The rows of an ARGB32 image; an RGB32 image offers none, so that it stays opaque.
    bool DirectPixels(TPixelView& view) override;

private:
    struct TSpan {
        int BitmapX, BitmapY, ImageX, ImageY, Width, Height;
    };
    // The part of a width x height block at (x, y) on the image that lies on it.
    TSpan Clip(int x, int y, int width, int height) const;

    QImage& FTarget;
};

}  // namespace qv
