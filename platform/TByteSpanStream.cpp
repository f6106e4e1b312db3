#include "platform/TByteSpanStream.h"

#include <cstring>

namespace qv {

size_t TByteSpanStream::Read(void* buffer, size_t count) {
    if (FPosition >= FSize) return 0;
    const size_t available = static_cast<size_t>(FSize - FPosition);
    const size_t n = count < available ? count : available;
    if (n) std::memcpy(buffer, FData + FPosition, n);
    FPosition += n;
    return n;
}

}  // namespace qv
