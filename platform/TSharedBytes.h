#pragma once
// Read-only bytes that may belong to someone else (a mapped file, a module's resources): a
// pointer and a size plus a share in whatever holds them, so the bytes stay valid as long as any
// copy of this exists. Copies are cheap and never copy the bytes.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/Bytes.h"

namespace qv {

class TSharedBytes {
public:
    TSharedBytes() = default;
    // Bytes held by owner (or, with no owner, for the life of the program).
    TSharedBytes(const uint8_t* data, size_t size, std::shared_ptr<const void> owner)
        : FData(data), FSize(size), FOwner(std::move(owner)) {}
    // Takes the bytes over.
    explicit TSharedBytes(Bytes bytes);

    const uint8_t* data() const { return FData; }
    size_t size() const { return FSize; }
    bool empty() const { return FSize == 0; }
    const uint8_t* begin() const { return FData; }
    const uint8_t* end() const { return FData + FSize; }

    // count bytes from offset, sharing the owner; the range is clipped to these bytes.
    TSharedBytes Sub(size_t offset, size_t count) const;
    Bytes ToBytes() const { return Bytes(begin(), end()); }

private:
    const uint8_t* FData = nullptr;
    size_t FSize = 0;
    std::shared_ptr<const void> FOwner;
};

}  // namespace qv
