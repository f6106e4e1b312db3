#pragma once
// A device-independent bitmap standing in for the toolkit's bitmap: 1, 4, 8, 16, 24 or 32 bits per
// pixel, rows addressed top row first and padded to 4 bytes as in a Windows bitmap. 32-bit pixels are
// the bytes B, G, R, A; 24-bit pixels B, G, R; 16-bit pixels 5-5-5 little-endian words (bit 15
// unused); 1, 4 and 8 bits index the palette, the leftmost pixel in the high bits of a byte.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Bytes.h"
#include "platform/Errors.h"

namespace qv {

class TStream;

// One palette entry as a bitmap file stores it.
struct TRGBQuad {
    uint8_t Blue = 0;
    uint8_t Green = 0;
    uint8_t Red = 0;
    uint8_t Reserved = 0;
};

// A depth that is not a bitmap depth, or a size beyond what a bitmap may hold.
class EBitmapError : public EQVError {
public:
    using EQVError::EQVError;
};

class TDIBitmap {
public:
    static constexpr int kMaxDimension = 65535;
    static constexpr size_t kMaxPixelBytes = size_t(1) << 30;

    static bool IsValidBitCount(int bitCount);

    // 0 x 0 at 32 bits.
    TDIBitmap() = default;
    // Every pixel 0 (black, alpha 0, or palette index 0); palettes start as the default one of
    // the depth. Throws EBitmapError for a bad depth or size.
    TDIBitmap(int width, int height, int bitCount);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int BitCount() const { return FBitCount; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }
    size_t RowBytes() const { return FRowBytes; }
    static size_t RowBytesFor(int width, int bitCount);

    // Row 0 is the top row; a row out of range gives nullptr. Rows are stored bottom row first,
    // as bitmap files store them, so that a file's pixels load in one piece.
    uint8_t* ScanLine(int row) {
        return row >= 0 && row < FHeight ? FBits.data() + static_cast<size_t>(FHeight - 1 - row) * FRowBytes : nullptr;
    }
    const uint8_t* ScanLine(int row) const { return const_cast<TDIBitmap*>(this)->ScanLine(row); }

    // 2^b entries for depths up to 8 bits, none above.
    const std::vector<TRGBQuad>& Palette() const { return FPalette; }
    // Entries beyond the depth's 2^b are ignored, missing ones become black.
    void SetPalette(const std::vector<TRGBQuad>& palette);

    // New size, same depth and palette, every pixel 0. Throws EBitmapError for a bad size.
    void SetSize(int width, int height);
    // Converts the picture to the new depth. Going to 32 bits gives alpha 0 unless the pixels
    // already had 32 bits; going to a palette depth picks the nearest entry of the default palette.
    void SetPixelFormat(int bitCount);

    // Replaces the picture by a Windows bitmap file (BITMAPCOREHEADER or BITMAPINFOHEADER and
    // its successors; uncompressed, or bit fields at 16 and 32 bits). The file decides the depth.
    // On bad input it reports false and leaves the bitmap as it was.
    bool LoadFromBytes(const uint8_t* data, size_t size);
    bool LoadFromBytes(const Bytes& data) { return LoadFromBytes(data.data(), data.size()); }
    // The same; the file's buffer may become the bitmap's pixel store.
    bool LoadFromBytes(Bytes&& data);
    // The file starts at the stream's position; the rest of the stream is read.
    bool LoadFromStream(TStream& stream);

    // Raw pixel values: a palette index, a 5-5-5 word, 0xRRGGBB, or the four bytes B, G, R, A
    // read as a little-endian number (0xAARRGGBB). Out-of-range positions read 0 and write nothing.
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t value);
    void Fill(uint32_t value);

    // A pixel as a colour 0xAARRGGBB, exactly as converting to 32 bits would give it.
    uint32_t Color(int x, int y) const;
    // All colours of one row (Width() values) into out.
    void RowColors(int row, uint32_t* out) const;

    // Copies a rectangle of source (same depth) to (destX, destY), clipped against both bitmaps.
    // Reports false, copying nothing, when the depths differ.
    bool CopyRect(const TDIBitmap& source, int srcX, int srcY, int width, int height, int destX,
                  int destY);

private:
    friend bool ReadBmp(const uint8_t* data, size_t size, TDIBitmap& out, Bytes* owner);
    // Checks and sets size and depth, leaving the pixel bytes and the palette to the caller;
    // returns the number of pixel bytes.
    size_t SetLayout(int width, int height, int bitCount);
    void SetRowColors(int row, const uint32_t* colors);
    uint8_t NearestIndex(uint32_t color) const;

    int FWidth = 0;
    int FHeight = 0;
    int FBitCount = 32;
    size_t FRowBytes = 0;
    Bytes FBits;
    std::vector<TRGBQuad> FPalette;
};

}  // namespace qv
