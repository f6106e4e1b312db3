#include "TestIcons.h"

#include <QBuffer>

#include <algorithm>
#include <stdexcept>

#include "tests/icon/IconTestFiles.h"

namespace qv::test {
namespace {

void Put(Bytes& b, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(uint8_t(value >> (8 * i)));
}

size_t RowBytes(int width, int bitCount) { return size_t((width * bitCount + 31) / 32 * 4); }

// Header, colour table, colour bits and mask bits, rows bottom-up as icon files store them.
TTestImage MakeBlock(const TPixelImage& image) {
    std::vector<uint32_t> palette;
    if (image.BitCount == 8) {
        for (int y = 0; y < image.Height; ++y)
            for (int x = 0; x < image.Width; ++x) {
                const uint32_t c = image.Color(x, y) & 0xFFFFFF;
                if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
            }
        if (palette.size() > 256) throw std::logic_error("an 8-bit test image with more than 256 colours");
        palette.resize(256, 0);
    }
    TTestImage out;
    Bytes& b = out.Block;
    Put(b, 40, 4); Put(b, uint32_t(image.Width), 4); Put(b, uint32_t(image.Height * 2), 4);
    Put(b, 1, 2); Put(b, uint32_t(image.BitCount), 2);
    b.resize(40, 0);
    for (uint32_t c : palette) Put(b, c, 4);  // B, G, R, 0
    for (int y = image.Height - 1; y >= 0; --y) {
        const size_t start = b.size();
        for (int x = 0; x < image.Width; ++x) {
            const uint32_t c = image.Color(x, y);
            if (image.BitCount == 32)
                Put(b, c, 4);
            else if (image.BitCount == 24)
                Put(b, c & 0xFFFFFF, 3);
            else
                b.push_back(uint8_t(std::find(palette.begin(), palette.end(), c & 0xFFFFFF) - palette.begin()));
        }
        b.resize(start + RowBytes(image.Width, image.BitCount), 0);
    }
    for (int y = image.Height - 1; y >= 0; --y) {
        Bytes row(RowBytes(image.Width, 1), 0);
        for (int x = 0; x < image.Width; ++x)
            if (image.Transparent(x, y)) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
    out.Entry.Width = uint8_t(image.Width);
    out.Entry.Height = uint8_t(image.Height);
    out.Entry.Planes = 1;
    out.Entry.BitCount = uint16_t(image.BitCount);
    out.Entry.BytesInRes = uint32_t(b.size());
    return out;
}

}  // namespace

Bytes MakePixelIconFile(const std::vector<TPixelImage>& images) {
    std::vector<TTestImage> blocks;
    for (const TPixelImage& image : images) blocks.push_back(MakeBlock(image));
    return MakeIconFile(blocks);
}

Bytes MakePngIconFile(const QImage& picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    TTestImage image;
    image.Block.assign(png.begin(), png.end());
    image.Entry.Width = uint8_t(picture.width());
    image.Entry.Height = uint8_t(picture.height());
    image.Entry.Planes = 1;
    image.Entry.BitCount = 32;
    image.Entry.BytesInRes = uint32_t(image.Block.size());
    return MakeIconFile({image});
}

uint32_t DistinctColor(int x, int y, int salt) {
    return 0xFF000000u | uint32_t((x * 5 + salt * 40) & 0xFF) << 16 | uint32_t((y * 5 + 3) & 0xFF) << 8 |
           uint32_t((x + y + salt * 17) & 0xFF);
}

}  // namespace qv::test
