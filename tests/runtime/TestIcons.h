#pragma once
// Icon files for the viewer tests in which every pixel is the test's choice, so that a tile can
// be checked pixel by pixel against the image it shows.
#include <QImage>

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Bytes.h"

namespace qv::test {

struct TPixelImage {
    int Width = 32;
    int Height = 32;
    int BitCount = 32;  // 32 (with alpha), 24, or 8 (a palette of the colours used, 256 at most)
    // The colour of a pixel as 0xAARRGGBB (alpha is dropped at 8 bits), and whether the mask
    // makes it transparent.
    std::function<uint32_t(int x, int y)> Color;
    std::function<bool(int x, int y)> Transparent = [](int, int) { return false; };
};

// An icon file holding the images in the order given.
Bytes MakePixelIconFile(const std::vector<TPixelImage>& images);
// An icon file whose one image is the picture stored in PNG form.
Bytes MakePngIconFile(const QImage& picture);

// A colour that tells the pixels of an image apart: each (x, y, salt) gives another opaque one.
uint32_t DistinctColor(int x, int y, int salt = 0);

}  // namespace qv::test
