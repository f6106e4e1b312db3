#include "platform/TMemoryStream.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace qv {

size_t TMemoryStream::Read(void* buffer, size_t count) {
    if (FPosition >= FData.size()) return 0;
    const size_t available = static_cast<size_t>(FData.size() - FPosition);
    const size_t n = count < available ? count : available;
    if (n) std::memcpy(buffer, FData.data() + FPosition, n);
    FPosition += n;
    return n;
}

size_t TMemoryStream::Write(const void* buffer, size_t count) {
    if (count == 0) return 0;
    if (FPosition > std::numeric_limits<size_t>::max() - count)
        throw std::length_error("memory stream: write past the addressable size");
    const size_t end = static_cast<size_t>(FPosition) + count;
    if (end > FData.size()) FData.resize(end);
    std::memcpy(FData.data() + FPosition, buffer, count);
    FPosition = end;
    return count;
}

Bytes TMemoryStream::TakeData() {
    Bytes out = std::move(FData);
    Clear();
    return out;
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

}  // namespace qv
