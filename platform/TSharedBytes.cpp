#include "platform/TSharedBytes.h"

namespace qv {

TSharedBytes::TSharedBytes(Bytes bytes) {
    auto owned = std::make_shared<const Bytes>(std::move(bytes));
    FData = owned->data();
    FSize = owned->size();
    FOwner = std::move(owned);
}

TSharedBytes TSharedBytes::Sub(size_t offset, size_t count) const {
    const size_t start = offset < FSize ? offset : FSize;
    const size_t length = count < FSize - start ? count : FSize - start;
    return TSharedBytes(FData + start, length, FOwner);
}

}  // namespace qv
