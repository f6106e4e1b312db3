#include "platform/BmpFile.h"

#include <cstring>
#include <vector>

#include "platform/TDIBitmap.h"

namespace qv {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint32_t kRgb = 0;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kAlphaBitFields = 6;

uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

struct BmpLayout {
    int64_t width = 0;
    int64_t height = 0;  // negative: rows stored top row first
    int bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    size_t paletteOffset = 0;
    size_t paletteEntries = 0;
    size_t paletteEntrySize = 4;
    uint64_t pixelOffset = 0;
};

// Reads the headers; false when they do not fit in the data or describe nothing readable.
bool ReadLayout(const uint8_t* data, size_t size, BmpLayout& l) {
    if (size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') return false;
    const uint32_t headerSize = U32(data + kFileHeaderSize);
    const uint8_t* h = data + kFileHeaderSize;
    if (headerSize > size - kFileHeaderSize) return false;
    uint32_t colorsUsed = 0;
    size_t maskBytesAfterHeader = 0;
    if (headerSize == kCoreHeaderSize) {
        l.width = U16(h + 4);
        l.height = U16(h + 6);
        l.bitCount = U16(h + 10);
        l.paletteEntrySize = 3;
    } else if (headerSize >= kInfoHeaderSize) {
        l.width = int32_t(U32(h + 4));
        l.height = int32_t(U32(h + 8));
        l.bitCount = U16(h + 14);
        l.compression = U32(h + 16);
        colorsUsed = U32(h + 32);
        if (l.compression == kBitFields || l.compression == kAlphaBitFields) {
            // A plain info header is followed by the masks; the later headers hold them.
            size_t maskBytes = l.compression == kAlphaBitFields ? 16 : 12;
            if (headerSize == kInfoHeaderSize)
                maskBytesAfterHeader = maskBytes;
            else if (headerSize < kInfoHeaderSize + 12)
                return false;
            else
                maskBytes = headerSize >= kInfoHeaderSize + 16 ? 16 : 12;
            if (size - kFileHeaderSize < kInfoHeaderSize + maskBytes) return false;
            for (size_t i = 0; i < maskBytes / 4; ++i) l.masks[i] = U32(h + kInfoHeaderSize + 4 * i);
        }
    } else {
        return false;
    }
    if (!TDIBitmap::IsValidBitCount(l.bitCount)) return false;
    if (l.compression != kRgb && !((l.compression == kBitFields || l.compression == kAlphaBitFields) &&
                                   (l.bitCount == 16 || l.bitCount == 32)))
        return false;
    const int64_t rows = l.height < 0 ? -l.height : l.height;
    if (l.width <= 0 || rows == 0 || l.width > TDIBitmap::kMaxDimension || rows > TDIBitmap::kMaxDimension)
        return false;

    l.paletteOffset = kFileHeaderSize + headerSize + maskBytesAfterHeader;
    if (l.bitCount <= 8) {
        const size_t full = size_t(1) << l.bitCount;
        l.paletteEntries = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
    }
    const uint64_t paletteEnd = uint64_t(l.paletteOffset) + uint64_t(l.paletteEntries) * l.paletteEntrySize;
    if (paletteEnd > size) return false;
    const uint32_t offBits = U32(data + 10);
    l.pixelOffset = offBits == 0 ? paletteEnd : offBits;
    if (l.pixelOffset < kFileHeaderSize + headerSize) return false;
    const uint64_t pixelBytes = uint64_t(TDIBitmap::RowBytesFor(int(l.width), l.bitCount)) * uint64_t(rows);
    return l.pixelOffset <= size && pixelBytes <= size - l.pixelOffset;
}

// All 2^b entries; those the file leaves out are black.
std::vector<TRGBQuad> ReadPalette(const uint8_t* data, const BmpLayout& l) {
    std::vector<TRGBQuad> palette(size_t(1) << l.bitCount);
    const uint8_t* p = data + l.paletteOffset;
    for (size_t i = 0; i < l.paletteEntries; ++i) {
        TRGBQuad& q = palette[i];
        q.Blue = p[0];
        q.Green = p[1];
        q.Red = p[2];
        q.Reserved = l.paletteEntrySize == 4 ? p[3] : 0;
        p += l.paletteEntrySize;
    }
    return palette;
}

// One channel of a bit-field pixel scaled to 8 bits; a missing channel is 0.
uint32_t Channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    const uint64_t max = mask >> shift;
    return uint32_t((uint64_t((pixel & mask) >> shift) * 255 + max / 2) / max);
}

// Whether the bit fields are the layout the bitmap holds anyway, so rows copy unchanged.
bool MasksAreNative(const BmpLayout& l) {
    if (l.bitCount == 16) return l.masks[0] == 0x7C00 && l.masks[1] == 0x03E0 && l.masks[2] == 0x001F && l.masks[3] == 0;
    return l.masks[0] == 0x00FF0000 && l.masks[1] == 0x0000FF00 && l.masks[2] == 0x000000FF &&
           l.masks[3] == 0xFF000000;
}

void DecodeBitFieldsRow(const uint8_t* src, const BmpLayout& l, TDIBitmap& out, int row) {
    for (int x = 0; x < out.Width(); ++x) {
        const uint32_t px = l.bitCount == 16 ? U16(src + 2 * x) : U32(src + 4 * x);
        const uint32_t r = Channel(px, l.masks[0]), g = Channel(px, l.masks[1]), b = Channel(px, l.masks[2]);
        if (l.bitCount == 16)
            out.SetPixel(x, row, (r >> 3) << 10 | (g >> 3) << 5 | (b >> 3));
        else
            out.SetPixel(x, row, Channel(px, l.masks[3]) << 24 | r << 16 | g << 8 | b);
    }
}

}  // namespace

bool ReadBmp(const uint8_t* data, size_t size, TDIBitmap& out, Bytes* owner) {
    BmpLayout l;
    if (!data || !ReadLayout(data, size, l)) return false;
    const int width = int(l.width);
    const int rows = int(l.height < 0 ? -l.height : l.height);
    TDIBitmap bitmap;
    const size_t pixelBytes = bitmap.SetLayout(width, rows, l.bitCount);
    if (l.bitCount <= 8) bitmap.FPalette = ReadPalette(data, l);
    const uint8_t* pixels = data + l.pixelOffset;
    const size_t rowBytes = bitmap.RowBytes();
    const bool raw = l.compression == kRgb || MasksAreNative(l);
    if (raw && l.height > 0 && owner) {
        // Bottom row first, as the bitmap holds its rows: the file's buffer becomes the store.
        std::memmove(owner->data(), pixels, pixelBytes);
        owner->resize(pixelBytes);
        bitmap.FBits = std::move(*owner);
    } else if (raw && l.height > 0) {
        bitmap.FBits.assign(pixels, pixels + pixelBytes);
    } else {
        bitmap.FBits.assign(pixelBytes, 0);
        for (int i = 0; i < rows; ++i) {
            const uint8_t* src = pixels + size_t(i) * rowBytes;
            const int row = l.height < 0 ? i : rows - 1 - i;
            if (raw)
                std::memcpy(bitmap.ScanLine(row), src, rowBytes);
            else
                DecodeBitFieldsRow(src, l, bitmap, row);
        }
    }
    out = std::move(bitmap);
    return true;
}

}  // namespace qv
