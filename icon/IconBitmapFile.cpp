#include "icon/IconBitmapFile.h"

#include <algorithm>

namespace qv {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;

void Put16(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
    Put16(p, v);
    Put16(p + 2, v >> 16);
}

void PutFileHeader(uint8_t* h, uint32_t fileSize, uint32_t pixelOffset) {
    h[0] = 'B';
    h[1] = 'M';
    Put32(h + 2, fileSize);
    Put32(h + 6, 0);
    Put32(h + 10, pixelOffset);
}

void PutInfoHeader(uint8_t* h, const TIconDirEntry& entry, uint16_t bitCount) {
    std::fill(h, h + kInfoHeaderSize, 0);
    Put32(h, kInfoHeaderSize);
    Put32(h + 4, entry.Width);
    Put32(h + 8, entry.Height);  // positive: rows bottom-up, as the icon holds them
    Put16(h + 12, 1);
    Put16(h + 14, bitCount);
    Put32(h + 24, 1);
    Put32(h + 28, 1);
}

// Headers with a file size of 0, then the blocks; the real size is written in afterwards.
Bytes BuildFile(const TIconDirEntry& entry, uint16_t bitCount, const uint8_t* table, uint64_t tableSize,
                const uint8_t* bits, uint64_t bitsSize) {
    uint8_t headers[kFileHeaderSize + kInfoHeaderSize];
    const uint32_t pixelOffset = uint32_t(sizeof headers + tableSize);
    PutFileHeader(headers, 0, pixelOffset);
    PutInfoHeader(headers + kFileHeaderSize, entry, bitCount);
    Bytes file;
    file.reserve(size_t(sizeof headers + tableSize + bitsSize));
    file.assign(headers, headers + sizeof headers);
    file.insert(file.end(), table, table + tableSize);
    file.insert(file.end(), bits, bits + bitsSize);
    PutFileHeader(file.data(), uint32_t(file.size()), pixelOffset);
    return file;
}

const uint8_t kBlackWhiteTable[] = {0, 0, 0, 0, 255, 255, 255, 0};

}  // namespace

Bytes BuildImageBitmapFile(const TIconDirEntry& entry, const TIconImage& image) {
    if (image.IsPng()) return {};
    return BuildFile(entry, image.BitCount(), image.ColorTable(), image.Sizes.ColorTable, image.ColorBits(),
                     image.Sizes.ColorBits);
}

Bytes BuildMaskBitmapFile(const TIconDirEntry& entry, const TIconImage& image) {
    if (image.IsPng()) return {};
    return BuildFile(entry, 1, kBlackWhiteTable, sizeof kBlackWhiteTable, image.MaskBits(), image.Sizes.MaskBits);
}

}  // namespace qv
