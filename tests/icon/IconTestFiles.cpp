#include "IconTestFiles.h"

#include <algorithm>
#include <dirent.h>

#include "platform/FileIO.h"

namespace qv::test {
namespace {

void Put(Bytes& b, size_t offset, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) b[offset + size_t(i)] = uint8_t(value >> (8 * i));
}

void Fill(Bytes& b, size_t from, uint8_t seed) {
    for (size_t i = from; i < b.size(); ++i) b[i] = uint8_t(i * 7 + seed * 13);
}

}  // namespace

TTestImage MakeTestImage(uint8_t width, uint8_t height, uint16_t bitCount, uint8_t seed) {
    TTestImage image;
    const uint64_t size = TImageBlockSizes::For(width, height, bitCount).Total();
    image.Block.assign(size_t(size), 0);
    Fill(image.Block, TImageBlockSizes::kHeaderSize, seed);
    Put(image.Block, 0, 40, 4);
    Put(image.Block, 4, width, 4);
    Put(image.Block, 8, uint32_t(height) * 2, 4);
    Put(image.Block, 12, 1, 2);
    Put(image.Block, 14, bitCount, 2);
    image.Entry.Width = width;
    image.Entry.Height = height;
    image.Entry.ColorCount = bitCount <= 4 ? uint8_t(1u << bitCount) : 0;
    image.Entry.Planes = 1;
    image.Entry.BitCount = bitCount;
    image.Entry.BytesInRes = uint32_t(size);
    return image;
}

TTestImage MakePngTestImage(size_t size, uint8_t width, uint8_t height) {
    TTestImage image;
    image.Block.assign(size, 0);
    Fill(image.Block, 8, 5);
    const uint8_t signature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    std::copy(signature, signature + 8, image.Block.begin());
    image.Entry.Width = width;
    image.Entry.Height = height;
    image.Entry.Planes = 1;
    image.Entry.BitCount = 32;
    image.Entry.BytesInRes = uint32_t(size);
    return image;
}

Bytes MakeIconFile(std::vector<TTestImage> images, const TIconFileLayout& layout) {
    std::vector<size_t> order = layout.StoreOrder;
    if (order.empty())
        for (size_t i = 0; i < images.size(); ++i) order.push_back(i);
    Bytes file(TIconDir::kSize + images.size() * TIconDirEntry::kSize);
    TIconDir dir;
    dir.Type = layout.Type;
    dir.Count = uint16_t(images.size());
    dir.Encode(file.data());
    for (size_t i : order) {
        file.insert(file.end(), layout.Gap, 0xEE);
        images[i].Entry.ImageOffset = uint32_t(file.size());
        file.insert(file.end(), images[i].Block.begin(), images[i].Block.end());
    }
    for (size_t i = 0; i < images.size(); ++i)
        images[i].Entry.Encode(file.data() + TIconDir::kSize + i * TIconDirEntry::kSize);
    return file;
}

Bytes ReadTestFile(const std::string& relativePath) {
    return ReadWholeFile(std::string(QV_TEST_DATA) + "/" + relativePath);
}

std::vector<std::string> TestFiles(const std::string& relativeFolder, const std::string& extension) {
    std::vector<std::string> names;
    const std::string folder = std::string(QV_TEST_DATA) + "/" + relativeFolder;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name.size() > extension.size() && name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
                names.push_back(relativeFolder + "/" + name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

uint32_t Get32(const Bytes& bytes, size_t offset) {
    return uint32_t(Get16(bytes, offset)) | uint32_t(Get16(bytes, offset + 2)) << 16;
}

uint16_t Get16(const Bytes& bytes, size_t offset) {
    return uint16_t(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

}  // namespace qv::test
