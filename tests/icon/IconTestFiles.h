#pragma once
// Icon files and image blocks made in memory for the icon tests and benchmarks.
#include <cstdint>
#include <string>
#include <vector>

#include "icon/IconRecords.h"
#include "platform/Bytes.h"

namespace qv::test {

struct TTestImage {
    TIconDirEntry Entry;  // BytesInRes is the block's size; ImageOffset is set by MakeIconFile
    Bytes Block;          // header (height doubled, as icon files have it), table, colour, mask
};

// A block of the designed size whose bytes after the header follow a pattern chosen by seed.
TTestImage MakeTestImage(uint8_t width, uint8_t height, uint16_t bitCount, uint8_t seed = 1);
// An image stored in PNG form: the signature followed by size - 8 pattern bytes.
TTestImage MakePngTestImage(size_t size, uint8_t width = 0, uint8_t height = 0);

struct TIconFileLayout {
    uint16_t Type = 1;
    std::vector<size_t> StoreOrder;  // order of the blocks in the file; empty: directory order
    size_t Gap = 0;                  // bytes of 0xEE before every block
};

// Header, directory and blocks; the directory's offsets point at the blocks as placed.
Bytes MakeIconFile(std::vector<TTestImage> images, const TIconFileLayout& layout = {});

Bytes ReadTestFile(const std::string& relativePath);  // below QV_TEST_DATA
std::vector<std::string> TestFiles(const std::string& relativeFolder, const std::string& extension);

uint32_t Get32(const Bytes& bytes, size_t offset);
uint16_t Get16(const Bytes& bytes, size_t offset);

}  // namespace qv::test
