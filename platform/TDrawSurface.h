#pragma once
// A drawing surface as the icon drawing routines need it: its pixels can be read into a 32-bit
// bitmap and written back from one. Both operations clip at the surface's edges.
#include <cstddef>
#include <cstdint>

namespace qv {

class TDIBitmap;

// The pixels of a surface held as rows of 32-bit B, G, R, A pixels, row 0 at the top.
struct TPixelView {
    uint8_t* Bits = nullptr;  // row 0
    int Width = 0;
    int Height = 0;
    ptrdiff_t Stride = 0;  // bytes from one row to the next (negative for rows stored bottom-up)
};

class TDrawSurface {
public:
    virtual ~TDrawSurface() = default;

    // Copies the surface's pixels of dest's size, whose top left corner is (x, y) on the surface,
    // into the 32-bit bitmap dest at (0, 0). Pixels of dest that fall outside the surface keep
    // their value; a dest that is not 32 bits is left alone.
    virtual void CopyToBitmap(int x, int y, TDIBitmap& dest) const = 0;
    // Copies the whole 32-bit bitmap source onto the surface with its top left corner at (x, y)
    // (alpha bytes included); what falls outside the surface is dropped. A source that is not 32
    // bits draws nothing.
    virtual void CopyFromBitmap(const TDIBitmap& source, int x, int y) = 0;
    // Optional: a surface whose pixels are such rows in memory may hand them out, valid until the
    // surface changes; drawing then works on them in place instead of through the two copies,
    // with the same result. The default offers none.
    virtual bool DirectPixels(TPixelView& view) {
        (void)view;
        return false;
    }
};

}  // namespace qv
