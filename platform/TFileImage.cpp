#include "platform/TFileImage.h"

#include <cstdint>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileIO.h"

namespace qv {
namespace {

// The size of a regular file that can be mapped whole; 0 for anything else.
size_t MappableSize(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0) return 0;
    if (uint64_t(st.st_size) > uint64_t(SIZE_MAX)) return 0;
    return size_t(st.st_size);
}

}  // namespace

TFileImage::~TFileImage() {
    if (FMapping) ::munmap(FMapping, FSize);
}

std::shared_ptr<const TFileImage> TFileImage::Own(Bytes bytes) {
    std::shared_ptr<TFileImage> image(new TFileImage);
    image->FOwned = std::move(bytes);
    image->FData = image->FOwned.data();
    image->FSize = image->FOwned.size();
    return image;
}

std::shared_ptr<const TFileImage> TFileImage::Map(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    // Whatever cannot be mapped is read, which also gives the file layer's own open error.
    if (fd < 0) return Read(path);
    const size_t size = MappableSize(fd);
    void* mapping = size ? ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0) : MAP_FAILED;
    ::close(fd);  // the mapping stays valid without the descriptor
    if (mapping == MAP_FAILED) return Read(path);
    std::shared_ptr<TFileImage> image(new TFileImage);
    image->FMapping = mapping;
    image->FData = static_cast<const uint8_t*>(mapping);
    image->FSize = size;
    return image;
}

std::shared_ptr<const TFileImage> TFileImage::Read(const std::string& path) { return Own(ReadWholeFile(path)); }

std::shared_ptr<const TFileImage> TFileImage::Copy(const uint8_t* data, size_t size) {
    return Own(size ? Bytes(data, data + size) : Bytes());
}

}  // namespace qv
