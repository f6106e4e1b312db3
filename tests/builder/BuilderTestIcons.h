#pragma once
// Icon files of single-coloured, fully opaque images, for the tests that look at where and how
// the builder draws them.
#include <cstdint>
#include <vector>

#include "platform/Bytes.h"
#include "tests/icon/IconTestFiles.h"

namespace qv::test {

// size 1 to 256 (256 is stored as width byte 0); bitCount 8, 16, 24 or 32; rgb as 0xRRGGBB.
TTestImage SolidImage(int size, uint16_t bitCount, uint32_t rgb);
Bytes SolidIcon(const std::vector<TTestImage>& images);

}  // namespace qv::test
