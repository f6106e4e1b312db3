#include "icon/IconDrawing.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace qv {
namespace {

uint32_t Load(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void Store(uint8_t* p, uint32_t v) { std::memcpy(p, &v, 4); }

// Exact per channel: red and blue share one multiply, each sum stays below 65536.
uint32_t Blend(uint32_t s, uint32_t d) {
    const uint32_t a = s >> 24;
    const uint32_t na = 256 - a;
    const uint32_t rb = (((s & 0x00FF00FF) * a + (d & 0x00FF00FF) * na) >> 8) & 0x00FF00FF;
    const uint32_t g = (((s & 0x0000FF00) * a + (d & 0x0000FF00) * na) >> 8) & 0x0000FF00;
    return (d & 0xFF000000) | rb | g;
}

struct BlendPixel {
    static uint32_t Combine(uint32_t s, uint32_t d) { return Blend(s, d); }
};

struct CopyPixel {
    static uint32_t Combine(uint32_t s, uint32_t) { return s; }
};

// Combines one row of count pixels where maskColors (nullptr: everywhere) has a red byte of 0.
template <class Op>
void CombineRow(const uint8_t* src, uint8_t* dst, const uint32_t* maskColors, int count) {
    for (int c = 0; c < count; ++c, src += 4, dst += 4) {
        if (maskColors && (maskColors[c] & 0x00FF0000) != 0) continue;
        Store(dst, Op::Combine(Load(src), Load(dst)));
    }
}

template <class Op>
void Draw(TDIBitmap& image, const TDIBitmap* mask, int x, int y, TDrawSurface& dc) noexcept {
    try {
        image.SetPixelFormat(32);
        if (image.Empty()) return;
        TDIBitmap background(image.Width(), image.Height(), 32);
        dc.CopyToBitmap(x, y, background);
        std::vector<uint32_t> maskColors(mask ? size_t(mask->Width()) : 0);
        for (int r = 0; r < image.Height(); ++r) {
            int count = image.Width();
            if (mask) {
                // Only what the mask covers is drawn.
                if (r >= mask->Height()) break;
                mask->RowColors(r, maskColors.data());
                count = std::min(count, mask->Width());
            }
            CombineRow<Op>(image.ScanLine(r), background.ScanLine(r), mask ? maskColors.data() : nullptr, count);
        }
        dc.CopyFromBitmap(background, x, y);
    } catch (...) {
    }
}

}  // namespace

void DrawBitmapBlended(TDIBitmap& image, const TDIBitmap* mask, int x, int y, TDrawSurface& dc) {
    Draw<BlendPixel>(image, mask, x, y, dc);
}

void DrawBitmapMasked(TDIBitmap& image, const TDIBitmap* mask, int x, int y, TDrawSurface& dc) {
    Draw<CopyPixel>(image, mask, x, y, dc);
}

}  // namespace qv
