#pragma once
// The records of icon files and icon resources, held field by field and read and written as
// little-endian bytes, plus the sizes of an image's blocks.
#include <cstddef>
#include <cstdint>

#include "platform/Bytes.h"
#include "platform/TSharedBytes.h"

namespace qv {

// The 6-byte header of an icon file and of an icon group resource.
struct TIconDir {
    static constexpr size_t kSize = 6;
    uint16_t Reserved = 0;
    uint16_t Type = 0;
    uint16_t Count = 0;

    static TIconDir Decode(const uint8_t* p);
    void Encode(uint8_t* p) const;
};

// One 16-byte directory entry of an icon file. After loading from resources ImageOffset holds the
// icon resource's identifier.
struct TIconDirEntry {
    static constexpr size_t kSize = 16;
    uint8_t Width = 0;   // 0 stands for 256 pixels
    uint8_t Height = 0;  // not doubled
    uint8_t ColorCount = 0;
    uint8_t Reserved = 0;
    uint16_t Planes = 0;
    uint16_t BitCount = 0;
    uint32_t BytesInRes = 0;
    uint32_t ImageOffset = 0;

    static TIconDirEntry Decode(const uint8_t* p);
    void Encode(uint8_t* p) const;
};

// One 14-byte entry of an icon group resource: the first 12 bytes of a directory entry and the
// identifier of the icon resource holding the image.
struct TGroupIconDirEntry {
    static constexpr size_t kSize = 14;
    TIconDirEntry Entry;  // ImageOffset unused
    uint16_t Id = 0;

    static TGroupIconDirEntry FromEntry(const TIconDirEntry& entry, uint16_t id);
    static TGroupIconDirEntry Decode(const uint8_t* p);
    void Encode(uint8_t* p) const;
};

// Sizes of the parts of an image block after its 40-byte header, derived from the directory's
// width and height and the header's bit count alone.
struct TImageBlockSizes {
    static constexpr size_t kHeaderSize = 40;
    uint64_t ColorTable = 0;
    uint64_t ColorBits = 0;
    uint64_t MaskBits = 0;

    static TImageBlockSizes For(uint8_t width, uint8_t height, uint16_t bitCount);
    uint64_t Total() const { return kHeaderSize + ColorTable + ColorBits + MaskBits; }
};

// One image as its block lies in an icon: the header, colour table (absent above 8 bits), colour
// bits and mask bits one after another; or, for an image stored in PNG form, the whole PNG
// stream. The bytes may be shared with the file or the resources the icon was read from.
struct TIconImage {
    TSharedBytes Block;
    bool Png = false;
    TImageBlockSizes Sizes;  // of a bitmap block

    static bool StartsWithPngSignature(const uint8_t* p, size_t size);
    // The length of the block whose first startSize bytes are at start, with available bytes
    // from start on: the directory's size for a PNG stream, else the header and the sizes the
    // directory's width and height and the header's bit count give. 0 when the bytes available
    // do not hold it.
    static uint64_t BlockLength(const uint8_t* start, size_t startSize, uint64_t available,
                                const TIconDirEntry& entry);
    // The image of a block of exactly that length.
    static TIconImage FromBlock(TSharedBytes block, const TIconDirEntry& entry);

    bool IsPng() const { return Png; }
    // The header's bit count (offset 14); 0 for a PNG image.
    uint16_t BitCount() const;
    uint64_t Size() const { return Block.size(); }
    // Where the parts of a bitmap block start (their sizes are in Sizes).
    const uint8_t* ColorTable() const { return Block.data() + TImageBlockSizes::kHeaderSize; }
    const uint8_t* ColorBits() const { return ColorTable() + Sizes.ColorTable; }
    const uint8_t* MaskBits() const { return ColorBits() + Sizes.ColorBits; }
};

}  // namespace qv
