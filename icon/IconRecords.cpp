#include "icon/IconRecords.h"

#include <cstring>

namespace qv {
namespace {

uint16_t Get16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t Get32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
void Put16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
    Put16(p, uint16_t(v));
    Put16(p + 2, uint16_t(v >> 16));
}

// The 12 bytes a directory entry and a group entry share.
TIconDirEntry DecodeCommon(const uint8_t* p) {
    TIconDirEntry e;
    e.Width = p[0];
    e.Height = p[1];
    e.ColorCount = p[2];
    e.Reserved = p[3];
    e.Planes = Get16(p + 4);
    e.BitCount = Get16(p + 6);
    e.BytesInRes = Get32(p + 8);
    return e;
}

void EncodeCommon(const TIconDirEntry& e, uint8_t* p) {
    p[0] = e.Width;
    p[1] = e.Height;
    p[2] = e.ColorCount;
    p[3] = e.Reserved;
    Put16(p + 4, e.Planes);
    Put16(p + 6, e.BitCount);
    Put32(p + 8, e.BytesInRes);
}

const uint8_t kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

}  // namespace

TIconDir TIconDir::Decode(const uint8_t* p) {
    TIconDir d;
    d.Reserved = Get16(p);
    d.Type = Get16(p + 2);
    d.Count = Get16(p + 4);
    return d;
}

void TIconDir::Encode(uint8_t* p) const {
    Put16(p, Reserved);
    Put16(p + 2, Type);
    Put16(p + 4, Count);
}

TIconDirEntry TIconDirEntry::Decode(const uint8_t* p) {
    TIconDirEntry e = DecodeCommon(p);
    e.ImageOffset = Get32(p + 12);
    return e;
}

void TIconDirEntry::Encode(uint8_t* p) const {
    EncodeCommon(*this, p);
    Put32(p + 12, ImageOffset);
}

TGroupIconDirEntry TGroupIconDirEntry::FromEntry(const TIconDirEntry& entry, uint16_t id) {
    TGroupIconDirEntry g;
    g.Entry = entry;
    g.Entry.ImageOffset = 0;
    g.Id = id;
    return g;
}

TGroupIconDirEntry TGroupIconDirEntry::Decode(const uint8_t* p) {
    TGroupIconDirEntry g;
    g.Entry = DecodeCommon(p);
    g.Id = Get16(p + 12);
    return g;
}

void TGroupIconDirEntry::Encode(uint8_t* p) const {
    EncodeCommon(Entry, p);
    Put16(p + 12, Id);
}

TImageBlockSizes TImageBlockSizes::For(uint8_t width, uint8_t height, uint16_t bitCount) {
    TImageBlockSizes s;
    if (bitCount <= 8) s.ColorTable = uint64_t(4) << bitCount;
    s.ColorBits = (uint64_t(width) * bitCount + 31) / 32 * 4 * height;
    s.MaskBits = (uint64_t(width) + 31) / 32 * 4 * height;
    return s;
}

bool TIconImage::StartsWithPngSignature(const uint8_t* p, size_t size) {
    return size >= sizeof kPngSignature && std::memcmp(p, kPngSignature, sizeof kPngSignature) == 0;
}

uint64_t TIconImage::BlockLength(const uint8_t* start, size_t startSize, uint64_t available,
                                 const TIconDirEntry& entry) {
    if (StartsWithPngSignature(start, startSize)) {
        // Kept whole: the directory says how long it is.
        if (entry.BytesInRes < sizeof kPngSignature || entry.BytesInRes > available) return 0;
        return entry.BytesInRes;
    }
    if (startSize < TImageBlockSizes::kHeaderSize || available < TImageBlockSizes::kHeaderSize) return 0;
    const uint64_t total = TImageBlockSizes::For(entry.Width, entry.Height, Get16(start + 14)).Total();
    return total <= available ? total : 0;
}

TIconImage TIconImage::FromBlock(TSharedBytes block, const TIconDirEntry& entry) {
    TIconImage image;
    image.Png = StartsWithPngSignature(block.data(), block.size());
    image.Block = std::move(block);
    if (!image.Png) image.Sizes = TImageBlockSizes::For(entry.Width, entry.Height, image.BitCount());
    return image;
}

uint16_t TIconImage::BitCount() const {
    return !Png && Block.size() >= 16 ? Get16(Block.data() + 14) : 0;
}

}  // namespace qv
