// The committed artwork is what the dialog, the builder and the compiler rely on: icon files with
// the image layout they index into, masks that agree with the alpha, and the banner's format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FileIO.h"

namespace qv {
namespace {

const std::string KResources = std::string(QV_SOURCE_DIR) + "/resources/";

uint32_t Le(const Bytes& b, size_t at, int size) {
    if (at + size > b.size()) throw std::out_of_range("read past the end of the file");
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | b[at + i];
    return v;
}

uint32_t Be32(const Bytes& b, size_t at) {
    if (at + 4 > b.size()) throw std::out_of_range("read past the end of the file");
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

struct TImageFacts {
    int Size;
    int Bits;
    int Transparent = 0;   // pixels the AND mask leaves out
    int Partial = 0;       // 32 bits: pixels with 0 < alpha < 255
    int MaskMismatch = 0;  // 32 bits: mask bit set exactly when alpha is 0, else counted here
};

// Reads every image of an icon file: its directory entry and the header, pixels and mask it points at.
std::vector<TImageFacts> ReadIcon(const std::string& path) {
    const Bytes b = ReadWholeFile(path);
    EXPECT_EQ(Le(b, 0, 2), 0u);
    EXPECT_EQ(Le(b, 2, 2), 1u);
    std::vector<TImageFacts> images;
    const uint32_t count = Le(b, 4, 2);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * i;
        TImageFacts facts{int(b.at(entry)), int(Le(b, entry + 6, 2))};
        const size_t size = Le(b, entry + 8, 4), at = Le(b, entry + 12, 4);
        EXPECT_EQ(Le(b, entry + 4, 2), 1u) << "planes";
        EXPECT_LE(at + size, b.size());
        const int n = facts.Size;
        EXPECT_EQ(Le(b, at, 4), 40u);
        EXPECT_EQ(Le(b, at + 4, 4), uint32_t(n));
        EXPECT_EQ(Le(b, at + 8, 4), uint32_t(2 * n));  // colour bits and mask
        EXPECT_EQ(Le(b, at + 14, 2), uint32_t(facts.Bits));
        const size_t palette = facts.Bits == 8 ? 256 * 4 : 0;
        const size_t colourStride = (size_t(n) * facts.Bits + 31) / 32 * 4, maskStride = (size_t(n) + 31) / 32 * 4;
        const size_t pixels = at + 40 + palette, mask = pixels + colourStride * n;
        EXPECT_EQ(size, 40 + palette + (colourStride + maskStride) * n);
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                const bool transparent = b.at(mask + y * maskStride + x / 8) & (0x80 >> (x % 8));
                facts.Transparent += transparent;
                if (facts.Bits != 32) continue;
                const int alpha = b.at(pixels + y * colourStride + x * 4 + 3);
                facts.Partial += alpha > 0 && alpha < 255;
                facts.MaskMismatch += transparent != (alpha == 0);
            }
        }
        images.push_back(facts);
    }
    return images;
}

TEST(ResourceArtwork, MessageIconsHoldTheFiveImagesInOrder) {
    const struct { int Size, Bits; } layout[] = {{16, 8}, {32, 8}, {16, 32}, {32, 32}, {48, 32}};
    for (const char* name : {"QVICON_EXCLAMATION", "QVICON_ERROR", "QVICON_INFORMATION", "QVICON_CONFIRMATION"}) {
        const std::vector<TImageFacts> images = ReadIcon(KResources + "dialog/" + name + ".ico");
        ASSERT_EQ(images.size(), 5u) << name;
        for (size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(images[i].Size, layout[i].Size) << name << " image " << i;
            EXPECT_EQ(images[i].Bits, layout[i].Bits) << name << " image " << i;
            EXPECT_GT(images[i].Transparent, 0) << name << " image " << i;                        // a shape, not a square
            EXPECT_LT(images[i].Transparent, images[i].Size * images[i].Size * 3 / 4) << name << " image " << i;
            EXPECT_EQ(images[i].MaskMismatch, 0) << name << " image " << i;
        }
        EXPECT_GT(images[4].Partial, 48) << name << ": the 48-pixel edges are antialiased";
    }
}

TEST(ResourceArtwork, DefaultPackageIconHasThreeImagesWithAlpha) {
    const std::vector<TImageFacts> images = ReadIcon(KResources + "builder/MAINICONDEFAULT.ico");
    ASSERT_EQ(images.size(), 3u);
    const int sizes[] = {16, 32, 48};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(images[i].Size, sizes[i]);
        EXPECT_EQ(images[i].Bits, 32);
        EXPECT_GT(images[i].Partial, 0);
        EXPECT_EQ(images[i].MaskMismatch, 0);
    }
}

TEST(ResourceArtwork, BannerIsAn88By31PalettePng) {
    const Bytes b = ReadWholeFile(KResources + "builder/BANNERIMAGE.png");
    ASSERT_GE(b.size(), 33u);
    EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 4), "PNG");
    EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "IHDR");
    EXPECT_EQ(Be32(b, 16), 88u);
    EXPECT_EQ(Be32(b, 20), 31u);
    EXPECT_EQ(b[24], 8);  // bits per index
    EXPECT_EQ(b[25], 3);  // indexed colour
}

}  // namespace
}  // namespace qv
