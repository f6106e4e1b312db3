#pragma once
// A drawing surface over a 32-bit TDIBitmap owned by the caller, for pure callers and tests.
#include "platform/TDrawSurface.h"

namespace qv {

class TBitmapSurface : public TDrawSurface {
public:
    // target must outlive the surface; a target that is not 32 bits takes no pixels.
    explicit TBitmapSurface(TDIBitmap& target) : FTarget(target) {}

    void CopyToBitmap(int x, int y, TDIBitmap& dest) const override;
    void CopyFromBitmap(const TDIBitmap& source, int x, int y) override;
    bool DirectPixels(TPixelView& view) override;

private:
    TDIBitmap& FTarget;
};

}  // namespace qv
