#pragma once
// The two routines that draw an icon image onto a drawing surface at (x, y), only where the mask
// lets it through: a mask pixel lets the image through when its red byte (after conversion to
// 32 bits) is 0; no mask lets every pixel through. Both first convert image to 32 bits in place.
// They never throw and report nothing: on any failure what was not yet drawn is not drawn.
// Pixels outside a mask smaller than the image keep the surface as it was.
#include "platform/TDIBitmap.h"
#include "platform/TDrawSurface.h"

namespace qv {

// Each of blue, green and red becomes (S * a + (256 - a) * D) div 256, with a the image pixel's
// alpha; the surface's alpha byte is kept.
void DrawBitmapBlended(TDIBitmap& image, const TDIBitmap* mask, int x, int y, TDrawSurface& dc);
// The image pixel replaces the surface pixel, all four bytes.
void DrawBitmapMasked(TDIBitmap& image, const TDIBitmap* mask, int x, int y, TDrawSurface& dc);

}  // namespace qv
