#include "platform/TBitmapSurface.h"

#include "platform/TDIBitmap.h"

namespace qv {

void TBitmapSurface::CopyToBitmap(int x, int y, TDIBitmap& dest) const {
    if (dest.BitCount() != 32) return;
    dest.CopyRect(FTarget, x, y, dest.Width(), dest.Height(), 0, 0);
}

void TBitmapSurface::CopyFromBitmap(const TDIBitmap& source, int x, int y) {
    if (source.BitCount() != 32) return;
    FTarget.CopyRect(source, 0, 0, source.Width(), source.Height(), x, y);
}

bool TBitmapSurface::DirectPixels(TPixelView& view) {
    if (FTarget.BitCount() != 32 || FTarget.Empty()) return false;
    view.Bits = FTarget.ScanLine(0);
    view.Width = FTarget.Width();
    view.Height = FTarget.Height();
    view.Stride = FTarget.Height() > 1 ? FTarget.ScanLine(1) - FTarget.ScanLine(0) : 0;
    return true;
}

}  // namespace qv
