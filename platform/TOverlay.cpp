#include "platform/TOverlay.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/EResFormatError.h"
#include "platform/Errors.h"
#include "platform/TResStreamReader.h"

namespace qv {
namespace {

// Reads exactly size bytes at offset; false on an error or a file that ended early.
bool ReadAt(int fd, uint8_t* buffer, size_t size, uint64_t offset) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, buffer + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

void MarkDamaged(TOverlay::TInfo& info, uint64_t fileSize, const std::string& error) {
    info.state = TOverlay::EState::Damaged;
    info.prefixSize = fileSize;
    info.streamLength = 0;
    info.entries.clear();
    info.views.clear();
    info.error = error;
}

}  // namespace

const char TOverlay::KMagic[8] = {'Q', 'V', 'R', 'S', 'R', 'C', '0', '1'};

TOverlay::TInfo TOverlay::Locate(const uint8_t* tail, size_t tailSize, uint64_t fileSize) {
    TInfo info;
    info.prefixSize = fileSize;
    if (tailSize < KTrailerSize || fileSize < KTrailerSize || std::memcmp(tail, KMagic, 8) != 0) return info;
    uint64_t length = 0;
    for (int i = 7; i >= 0; --i) length = (length << 8) | tail[8 + i];
    if (length > fileSize - KTrailerSize) {
        MarkDamaged(info, fileSize,
                    "overlay: the trailer's length " + std::to_string(length) + " points outside the file (size " +
                        std::to_string(fileSize) + ")");
        return info;
    }
    info.state = EState::Found;
    info.streamLength = length;
    info.prefixSize = fileSize - KTrailerSize - length;
    return info;
}

void TOverlay::Parse(TInfo& info, const uint8_t* stream, size_t size) {
    try {
        info.views = TResStreamReader::ReadViews(stream, size);
    } catch (const EResFormatError& e) {
        MarkDamaged(info, info.prefixSize + info.streamLength + KTrailerSize,
                    std::string("overlay: ") + e.what());
    }
}

// The entries take copies of the data, so nothing in the result points into the stream.
void TOverlay::CopyViews(TInfo& info) {
    info.entries = ToEntries(info.views);
    info.views.clear();
}

TOverlay::TInfo TOverlay::ReadViews(const uint8_t* file, size_t size) {
    if (!file || size < KTrailerSize) return Locate(nullptr, 0, size);
    TInfo info = Locate(file + size - KTrailerSize, KTrailerSize, size);
    if (info.state == EState::Found)
        Parse(info, file + info.prefixSize, static_cast<size_t>(info.streamLength));
    return info;
}

TOverlay::TInfo TOverlay::Read(const uint8_t* file, size_t size) {
    TInfo info = ReadViews(file, size);
    CopyViews(info);
    return info;
}

TOverlay::TInfo TOverlay::ReadFd(int fd, const std::string& path) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return TInfo{};
    const uint64_t fileSize = static_cast<uint64_t>(st.st_size);
    uint8_t tail[KTrailerSize];
    if (fileSize < KTrailerSize) return Locate(nullptr, 0, fileSize);
    if (!ReadAt(fd, tail, sizeof tail, fileSize - KTrailerSize)) {
        TInfo info;
        MarkDamaged(info, fileSize, "overlay: cannot read the trailer of \"" + path + "\"");
        return info;
    }
    TInfo info = Locate(tail, sizeof tail, fileSize);
    if (info.state != EState::Found) return info;
    // The length was checked against the real file size, so this allocation is bounded by it.
    Bytes stream(static_cast<size_t>(info.streamLength));
    if (!ReadAt(fd, stream.data(), stream.size(), info.prefixSize)) {
        MarkDamaged(info, fileSize, "overlay: cannot read the stream of \"" + path + "\"");
        return info;
    }
    Parse(info, stream.data(), stream.size());
    CopyViews(info);
    return info;
}

TOverlay::TInfo TOverlay::ReadFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(errno));
    try {
        TInfo info = ReadFd(fd, path);
        ::close(fd);
        return info;
    } catch (...) {
        ::close(fd);
        throw;
    }
}

Bytes TOverlay::Trailer(uint64_t streamLength) {
    Bytes trailer(KMagic, KMagic + 8);
    for (int i = 0; i < 8; ++i) trailer.push_back(static_cast<uint8_t>(streamLength >> (8 * i)));
    return trailer;
}

}  // namespace qv
