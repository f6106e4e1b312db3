#include "tests/builder/BuilderTestIcons.h"

#include <algorithm>

namespace qv::test {

TTestImage SolidImage(int size, uint16_t bitCount, uint32_t rgb) {
    const uint8_t side = uint8_t(size == 256 ? 0 : size);
    TTestImage image = MakeTestImage(side, side, bitCount);
    const TImageBlockSizes sizes = TImageBlockSizes::For(side, side, bitCount);
    Bytes& b = image.Block;
    std::fill(b.begin() + TImageBlockSizes::kHeaderSize, b.end(), 0);
    const uint8_t red = uint8_t(rgb >> 16), green = uint8_t(rgb >> 8), blue = uint8_t(rgb);
    const size_t table = TImageBlockSizes::kHeaderSize, bits = table + size_t(sizes.ColorTable);
    const size_t stride = (size_t(size) * bitCount + 31) / 32 * 4;
    if (bitCount <= 8) {  // palette entry 1 holds the colour, every pixel points at it
        b[table + 4] = blue, b[table + 5] = green, b[table + 6] = red;
    }
    for (int y = 0; y < size; ++y) {
        uint8_t* row = b.data() + bits + size_t(y) * stride;
        for (int x = 0; x < size; ++x) {
            switch (bitCount) {
            case 8: row[x] = 1; break;
            case 16: {
                const uint16_t word = uint16_t((red >> 3) << 10 | (green >> 3) << 5 | blue >> 3);
                row[2 * x] = uint8_t(word), row[2 * x + 1] = uint8_t(word >> 8);
                break;
            }
            case 24: row[3 * x] = blue, row[3 * x + 1] = green, row[3 * x + 2] = red; break;
            default: row[4 * x] = blue, row[4 * x + 1] = green, row[4 * x + 2] = red, row[4 * x + 3] = 0xFF; break;
            }
        }
    }
    return image;  // the mask stays all 0: every pixel shows
}

Bytes SolidIcon(const std::vector<TTestImage>& images) { return MakeIconFile(images); }

}  // namespace qv::test
