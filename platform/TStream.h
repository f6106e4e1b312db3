#pragma once
// A byte stream with read, write, position and size, the one stream type the icon container and
// the resource layer exchange. A short read or write is not an error at this level: callers
// compare the returned counts where they care.
#include <cstddef>
#include <cstdint>

namespace qv {

class TStream {
public:
    virtual ~TStream() = default;
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    // Reads up to count bytes at the position and advances it; returns the bytes read.
    virtual size_t Read(void* buffer, size_t count) = 0;
    // Writes count bytes at the position and advances it; returns the bytes written.
    virtual size_t Write(const void* buffer, size_t count) = 0;
    virtual uint64_t Position() const = 0;
    // Seek from the beginning. A position past the end is allowed; reads there return 0 bytes.
    virtual void SetPosition(uint64_t position) = 0;
    virtual uint64_t Size() const = 0;

    // Reads exactly count bytes or reports false (the position then stands after what was read).
    bool ReadExact(void* buffer, size_t count) { return Read(buffer, count) == count; }
    bool WriteExact(const void* buffer, size_t count) { return Write(buffer, count) == count; }
    uint64_t Remaining() const { return Position() < Size() ? Size() - Position() : 0; }
};

}  // namespace qv
