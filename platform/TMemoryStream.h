#pragma once
// A growable stream held in memory; writing past the end extends it with zero bytes.
#include "platform/Bytes.h"
#include "platform/TStream.h"

namespace qv {

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(Bytes data) : FData(std::move(data)) {}

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    uint64_t Position() const override { return FPosition; }
    void SetPosition(uint64_t position) override { FPosition = position; }
    uint64_t Size() const override { return FData.size(); }

    const Bytes& Data() const { return FData; }
    Bytes TakeData();
    void Clear();
    void Reserve(size_t bytes) { FData.reserve(bytes); }

private:
    Bytes FData;
    uint64_t FPosition = 0;
};

}  // namespace qv
