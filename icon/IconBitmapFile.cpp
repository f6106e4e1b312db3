#include "icon/IconBitmapFile.h"

#include "platform/TMemoryStream.h"

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

void WriteFileHeader(TMemoryStream& stream, uint32_t fileSize, uint32_t pixelOffset) {
    uint8_t h[kFileHeaderSize] = {'B', 'M'};
    Put32(h + 2, fileSize);
    Put32(h + 10, pixelOffset);
    stream.Write(h, sizeof h);
}

void WriteInfoHeader(TMemoryStream& stream, const TIconDirEntry& entry, uint16_t bitCount) {
    uint8_t h[kInfoHeaderSize] = {};
    Put32(h, kInfoHeaderSize);
    Put32(h + 4, entry.Width);
    Put32(h + 8, entry.Height);  // positive: rows bottom-up, as the icon holds them
    Put16(h + 12, 1);
    Put16(h + 14, bitCount);
    Put32(h + 24, 1);
    Put32(h + 28, 1);
    stream.Write(h, sizeof h);
}

// Headers, then the blocks; the file size is written last, over the header's first 14 bytes.
Bytes BuildFile(const TIconDirEntry& entry, uint16_t bitCount, const Bytes& table, const Bytes& bits) {
    TMemoryStream stream;
    stream.Reserve(kFileHeaderSize + kInfoHeaderSize + table.size() + bits.size());
    const uint32_t pixelOffset = uint32_t(kFileHeaderSize + kInfoHeaderSize + table.size());
    WriteFileHeader(stream, 0, pixelOffset);
    WriteInfoHeader(stream, entry, bitCount);
    stream.Write(table.data(), table.size());
    stream.Write(bits.data(), bits.size());
    const uint64_t size = stream.Size();
    stream.SetPosition(0);
    WriteFileHeader(stream, uint32_t(size), pixelOffset);
    return stream.TakeData();
}

const Bytes& BlackWhiteTable() {
    static const Bytes table = {0, 0, 0, 0, 255, 255, 255, 0};
    return table;
}

}  // namespace

Bytes BuildImageBitmapFile(const TIconDirEntry& entry, const TIconImage& image) {
    if (image.IsPng()) return {};
    return BuildFile(entry, image.BitCount(), image.ColorTable, image.ColorBits);
}

Bytes BuildMaskBitmapFile(const TIconDirEntry& entry, const TIconImage& image) {
    if (image.IsPng()) return {};
    return BuildFile(entry, 1, BlackWhiteTable(), image.MaskBits);
}

}  // namespace qv
