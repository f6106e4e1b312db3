#pragma once
// A read-only stream over bytes owned elsewhere (a resource inside a loaded module, say).
// keepAlive, when given, holds the owner for as long as the stream exists.
#include <memory>

#include "platform/TStream.h"

namespace qv {

class TByteSpanStream : public TStream {
public:
    TByteSpanStream(const uint8_t* data, size_t size, std::shared_ptr<const void> keepAlive = {})
        : FData(data), FSize(size), FKeepAlive(std::move(keepAlive)) {}

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void*, size_t) override { return 0; }
    uint64_t Position() const override { return FPosition; }
    void SetPosition(uint64_t position) override { FPosition = position; }
    uint64_t Size() const override { return FSize; }

    const uint8_t* Data() const { return FData; }

private:
    const uint8_t* FData;
    size_t FSize;
    std::shared_ptr<const void> FKeepAlive;
    uint64_t FPosition = 0;
};

}  // namespace qv
