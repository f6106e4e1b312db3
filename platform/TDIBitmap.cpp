#include "platform/TDIBitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/BmpFile.h"
#include "platform/TStream.h"

namespace qv {
namespace {

TRGBQuad Quad(uint8_t r, uint8_t g, uint8_t b) { return TRGBQuad{b, g, r, 0}; }

// The sixteen colours every palette display knows, in their usual order.
std::vector<TRGBQuad> StandardColors() {
    return {Quad(0, 0, 0),       Quad(128, 0, 0),   Quad(0, 128, 0),   Quad(128, 128, 0),
            Quad(0, 0, 128),     Quad(128, 0, 128), Quad(0, 128, 128), Quad(192, 192, 192),
            Quad(128, 128, 128), Quad(255, 0, 0),   Quad(0, 255, 0),   Quad(255, 255, 0),
            Quad(0, 0, 255),     Quad(255, 0, 255), Quad(0, 255, 255), Quad(255, 255, 255)};
}

// Black and white; the sixteen colours; those plus a 6 x 6 x 6 cube and 24 greys.
std::vector<TRGBQuad> MakeDefaultPalette(int bitCount) {
    if (bitCount == 1) return {Quad(0, 0, 0), Quad(255, 255, 255)};
    std::vector<TRGBQuad> palette = StandardColors();
    if (bitCount == 4) return palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back(Quad(uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51)));
    for (int i = 1; i <= 24; ++i) palette.push_back(Quad(uint8_t(i * 10), uint8_t(i * 10), uint8_t(i * 10)));
    return palette;
}

const std::vector<TRGBQuad>& DefaultPalette(int bitCount) {
    static const std::vector<TRGBQuad> palettes[3] = {MakeDefaultPalette(1), MakeDefaultPalette(4),
                                                      MakeDefaultPalette(8)};
    return palettes[bitCount == 1 ? 0 : bitCount == 4 ? 1 : 2];
}

uint32_t QuadColor(const TRGBQuad& q) {
    return uint32_t(q.Red) << 16 | uint32_t(q.Green) << 8 | q.Blue;
}

uint32_t Expand5(uint32_t v) { return (v << 3) | (v >> 2); }

uint32_t Word555Color(uint32_t w) {
    return Expand5((w >> 10) & 31) << 16 | Expand5((w >> 5) & 31) << 8 | Expand5(w & 31);
}

uint32_t ColorWord555(uint32_t c) {
    return ((c >> 19) & 31) << 10 | ((c >> 11) & 31) << 5 | ((c >> 3) & 31);
}

uint32_t Load32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void Store32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

// The palette index of pixel x in a row of 1, 4 or 8 bits.
uint32_t IndexAt(const uint8_t* row, int x, int bitCount) {
    switch (bitCount) {
        case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
        case 4: return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
        default: return row[x];
    }
}

void SetIndexAt(uint8_t* row, int x, int bitCount, uint32_t index) {
    if (bitCount == 8) {
        row[x] = uint8_t(index);
        return;
    }
    const int shift = bitCount == 1 ? 7 - (x & 7) : ((x & 1) ? 0 : 4);
    const uint8_t bits = uint8_t(bitCount == 1 ? 1 : 15);
    uint8_t& byte = row[bitCount == 1 ? x >> 3 : x >> 1];
    byte = uint8_t((byte & ~(bits << shift)) | ((index & bits) << shift));
}

}  // namespace

bool TDIBitmap::IsValidBitCount(int bitCount) {
    switch (bitCount) {
        case 1: case 4: case 8: case 16: case 24: case 32: return true;
        default: return false;
    }
}

size_t TDIBitmap::RowBytesFor(int width, int bitCount) {
    return (static_cast<size_t>(width) * static_cast<size_t>(bitCount) + 31) / 32 * 4;
}

TDIBitmap::TDIBitmap(int width, int height, int bitCount) {
    FBits.assign(SetLayout(width, height, bitCount), 0);
    if (bitCount <= 8) FPalette = DefaultPalette(bitCount);
}

size_t TDIBitmap::SetLayout(int width, int height, int bitCount) {
    if (!IsValidBitCount(bitCount)) throw EBitmapError("bitmap: unsupported depth");
    if (width < 0 || height < 0 || width > kMaxDimension || height > kMaxDimension)
        throw EBitmapError("bitmap: size out of range");
    const size_t rowBytes = RowBytesFor(width, bitCount);
    if (height != 0 && rowBytes > kMaxPixelBytes / static_cast<size_t>(height))
        throw EBitmapError("bitmap: too large");
    if (bitCount > 8) FPalette.clear();
    FBitCount = bitCount;
    FWidth = width;
    FHeight = height;
    FRowBytes = rowBytes;
    return rowBytes * static_cast<size_t>(height);
}

void TDIBitmap::SetSize(int width, int height) { FBits.assign(SetLayout(width, height, FBitCount), 0); }

void TDIBitmap::SetPalette(const std::vector<TRGBQuad>& palette) {
    if (FBitCount > 8) return;
    const size_t n = size_t(1) << FBitCount;
    FPalette.assign(n, TRGBQuad{});
    std::copy_n(palette.begin(), std::min(n, palette.size()), FPalette.begin());
}

uint32_t TDIBitmap::Pixel(int x, int y) const {
    const uint8_t* row = ScanLine(y);
    if (!row || x < 0 || x >= FWidth) return 0;
    switch (FBitCount) {
        case 16: return uint32_t(row[2 * x]) | uint32_t(row[2 * x + 1]) << 8;
        case 24: return uint32_t(row[3 * x]) | uint32_t(row[3 * x + 1]) << 8 | uint32_t(row[3 * x + 2]) << 16;
        case 32: return Load32(row + 4 * x);
        default: return IndexAt(row, x, FBitCount);
    }
}

void TDIBitmap::SetPixel(int x, int y, uint32_t value) {
    uint8_t* row = ScanLine(y);
    if (!row || x < 0 || x >= FWidth) return;
    switch (FBitCount) {
        case 16: row[2 * x] = uint8_t(value); row[2 * x + 1] = uint8_t(value >> 8); break;
        case 24: row[3 * x] = uint8_t(value); row[3 * x + 1] = uint8_t(value >> 8);
                 row[3 * x + 2] = uint8_t(value >> 16); break;
        case 32: Store32(row + 4 * x, value); break;
        default: SetIndexAt(row, x, FBitCount, value); break;
    }
}

void TDIBitmap::Fill(uint32_t value) {
    if (Empty()) return;
    for (int x = 0; x < FWidth; ++x) SetPixel(x, 0, value);
    for (int y = 1; y < FHeight; ++y) std::memcpy(ScanLine(y), ScanLine(0), FRowBytes);
}

uint32_t TDIBitmap::Color(int x, int y) const {
    if (y < 0 || y >= FHeight || x < 0 || x >= FWidth) return 0;
    const uint32_t v = Pixel(x, y);
    switch (FBitCount) {
        case 16: return Word555Color(v);
        case 24:
        case 32: return v;
        default: return QuadColor(FPalette[v]);
    }
}

void TDIBitmap::RowColors(int row, uint32_t* out) const {
    const uint8_t* p = ScanLine(row);
    if (!p) return;
    switch (FBitCount) {
        case 32: std::memcpy(out, p, static_cast<size_t>(FWidth) * 4); break;
        case 24:
            for (int x = 0; x < FWidth; ++x, p += 3)
                out[x] = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
            break;
        case 16:
            for (int x = 0; x < FWidth; ++x, p += 2) out[x] = Word555Color(uint32_t(p[0]) | uint32_t(p[1]) << 8);
            break;
        default:
            for (int x = 0; x < FWidth; ++x) out[x] = QuadColor(FPalette[IndexAt(p, x, FBitCount)]);
            break;
    }
}

uint8_t TDIBitmap::NearestIndex(uint32_t color) const {
    const int r = int((color >> 16) & 255), g = int((color >> 8) & 255), b = int(color & 255);
    int best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < FPalette.size() && bestDistance > 0; ++i) {
        const int dr = r - FPalette[i].Red, dg = g - FPalette[i].Green, db = b - FPalette[i].Blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = int(i);
        }
    }
    return uint8_t(best);
}

void TDIBitmap::SetRowColors(int row, const uint32_t* colors) {
    uint8_t* p = ScanLine(row);
    if (!p) return;
    if (FBitCount == 32) {
        std::memcpy(p, colors, static_cast<size_t>(FWidth) * 4);
        return;
    }
    for (int x = 0; x < FWidth; ++x) {
        const uint32_t c = colors[x];
        switch (FBitCount) {
            case 24: SetPixel(x, row, c & 0xFFFFFF); break;
            case 16: SetPixel(x, row, ColorWord555(c)); break;
            default: SetIndexAt(p, x, FBitCount, NearestIndex(c)); break;
        }
    }
}

void TDIBitmap::SetPixelFormat(int bitCount) {
    if (bitCount == FBitCount) return;
    TDIBitmap converted(FWidth, FHeight, bitCount);
    std::vector<uint32_t> colors(static_cast<size_t>(FWidth));
    for (int y = 0; y < FHeight; ++y) {
        RowColors(y, colors.data());
        // Pixels that had no alpha of their own come out with alpha 0.
        if (FBitCount != 32)
            for (uint32_t& c : colors) c &= 0x00FFFFFF;
        converted.SetRowColors(y, colors.data());
    }
    *this = std::move(converted);
}

bool TDIBitmap::LoadFromBytes(const uint8_t* data, size_t size) {
    TDIBitmap loaded;
    if (!ReadBmp(data, size, loaded, nullptr)) return false;
    *this = std::move(loaded);
    return true;
}

bool TDIBitmap::LoadFromBytes(Bytes&& data) {
    TDIBitmap loaded;
    if (!ReadBmp(data.data(), data.size(), loaded, &data)) return false;
    *this = std::move(loaded);
    return true;
}

bool TDIBitmap::LoadFromStream(TStream& stream) {
    const uint64_t remaining = stream.Remaining();
    if (remaining > kMaxPixelBytes * 2) return false;
    Bytes data(static_cast<size_t>(remaining));
    if (!stream.ReadExact(data.data(), data.size())) return false;
    return LoadFromBytes(data);
}

bool TDIBitmap::CopyRect(const TDIBitmap& source, int srcX, int srcY, int width, int height,
                         int destX, int destY) {
    if (source.FBitCount != FBitCount) return false;
    // Clip in 64 bits so that no coordinate can overflow.
    int64_t sx = srcX, sy = srcY, dx = destX, dy = destY, w = width, h = height;
    const auto clipLow = [&](int64_t& a, int64_t& b, int64_t& extent) {
        const int64_t shift = std::max<int64_t>({0, -a, -b});
        a += shift;
        b += shift;
        extent -= shift;
    };
    clipLow(sx, dx, w);
    clipLow(sy, dy, h);
    w = std::min({w, int64_t(source.FWidth) - sx, int64_t(FWidth) - dx});
    h = std::min({h, int64_t(source.FHeight) - sy, int64_t(FHeight) - dy});
    if (w <= 0 || h <= 0) return true;
    const bool byteAligned = FBitCount >= 8;
    const size_t bytesPerPixel = static_cast<size_t>(FBitCount / 8);
    for (int64_t r = 0; r < h; ++r) {
        const int srow = int(sy + r), drow = int(dy + r);
        if (byteAligned) {
            std::memmove(ScanLine(drow) + dx * int64_t(bytesPerPixel),
                         source.ScanLine(srow) + sx * int64_t(bytesPerPixel),
                         static_cast<size_t>(w) * bytesPerPixel);
            continue;
        }
        for (int64_t c = 0; c < w; ++c)
            SetPixel(int(dx + c), drow, source.Pixel(int(sx + c), srow));
    }
    return true;
}

}  // namespace qv
