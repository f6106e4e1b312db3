#include "icon/IconDrawing.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "icon/BlendRows.h"
#include "platform/Bytes.h"

namespace qv {
namespace {

using RowOp = void (*)(const uint8_t* src, uint8_t* dst, const TThroughBits& through, int count);

bool LetsThrough(uint32_t colour) { return (colour & 0x00FF0000) == 0; }

// Which pixels of each image row the mask lets through; without a mask, all of them.
class TMaskRows {
public:
    TMaskRows(const TDIBitmap* mask, int width)
        : FMask(mask),
          FCovered(mask ? std::min(width, mask->Width()) : width),
          FRows(mask ? mask->Height() : std::numeric_limits<int>::max()),
          FRowBits(mask && mask->BitCount() == 1 ? 0 : size_t(width) / 8 + 2, 0) {
        if (!mask) {
            FInvert = 0xFF;
        } else if (mask->BitCount() == 1) {
            // The mask's own bits, read through its two palette entries.
            const bool t0 = LetsThrough(uint32_t(mask->Palette()[0].Red) << 16);
            const bool t1 = LetsThrough(uint32_t(mask->Palette()[1].Red) << 16);
            FInvert = t0 ? 0xFF : 0;
            FOwnBits = t0 != t1;
        } else {
            FColours.resize(size_t(mask->Width()));
        }
        if (!FOwnBits && FRowBits.empty()) FRowBits.assign(size_t(width) / 8 + 2, 0);
    }

    int Covered() const { return FCovered; }
    int Rows() const { return FRows; }

    TThroughBits Row(int row) {
        if (FMask && FMask->BitCount() == 1 && FOwnBits) return {FMask->ScanLine(row), 0, FInvert};
        if (FMask && FMask->BitCount() != 1) {
            FMask->RowColors(row, FColours.data());
            std::fill(FRowBits.begin(), FRowBits.end(), 0);
            for (int x = 0; x < FCovered; ++x)
                if (LetsThrough(FColours[size_t(x)])) FRowBits[size_t(x >> 3)] |= uint8_t(0x80 >> (x & 7));
        }
        return {FRowBits.data(), 0, FInvert};
    }

private:
    const TDIBitmap* FMask;
    int FCovered;
    int FRows;
    Bytes FRowBits;  // bits made here, when the mask's own do not serve
    uint8_t FInvert = 0;
    bool FOwnBits = false;
    std::vector<uint32_t> FColours;
};

// Works on the surface's own pixels, only where image and surface overlap.
void DrawInPlace(const TDIBitmap& image, TMaskRows& mask, int x, int y, const TPixelView& view, RowOp op) {
    const int64_t c0 = std::max<int64_t>(0, -int64_t(x)), r0 = std::max<int64_t>(0, -int64_t(y));
    const int64_t c1 = std::min<int64_t>(mask.Covered(), int64_t(view.Width) - x);
    const int64_t r1 = std::min<int64_t>({image.Height(), mask.Rows(), int64_t(view.Height) - y});
    if (c0 >= c1 || r0 >= r1) return;
    for (int64_t r = r0; r < r1; ++r) {
        TThroughBits through = mask.Row(int(r));
        through.FirstBit = int(c0);
        uint8_t* dst = view.Bits + (y + r) * view.Stride + (x + c0) * 4;
        op(image.ScanLine(int(r)) + c0 * 4, dst, through, int(c1 - c0));
    }
}

// Copies the surface's pixels out, combines them, and copies them back.
void DrawThroughCopies(const TDIBitmap& image, TMaskRows& mask, int x, int y, TDrawSurface& dc, RowOp op) {
    TDIBitmap background(image.Width(), image.Height(), 32);
    dc.CopyToBitmap(x, y, background);
    const int rows = std::min(image.Height(), mask.Rows());
    for (int r = 0; r < rows; ++r) op(image.ScanLine(r), background.ScanLine(r), mask.Row(r), mask.Covered());
    dc.CopyFromBitmap(background, x, y);
}

void Draw(TDIBitmap& image, const TDIBitmap* mask, int x, int y, TDrawSurface& dc, RowOp op) noexcept {
    try {
        image.SetPixelFormat(32);
        if (image.Empty()) return;
        TMaskRows rows(mask, image.Width());
        TPixelView view;
        if (dc.DirectPixels(view))
            DrawInPlace(image, rows, x, y, view, op);
        else
            DrawThroughCopies(image, rows, x, y, dc, op);
    } catch (...) {
        // Drawing reports nothing; what was not drawn stays undrawn.
    }
}

}  // namespace

void DrawBitmapBlended(TDIBitmap& image, const TDIBitmap* mask, int x, int y, TDrawSurface& dc) {
    Draw(image, mask, x, y, dc, BlendRow);
}

void DrawBitmapMasked(TDIBitmap& image, const TDIBitmap* mask, int x, int y, TDrawSurface& dc) {
    Draw(image, mask, x, y, dc, CopyRowMasked);
}

}  // namespace qv
