#pragma once
// Bounds-checked little-endian reading from a byte range. Every read either succeeds completely
// or throws EResFormatError naming the container, the field and the offset: a damaged file can
// never make a caller read outside the range.
#include <cstddef>
#include <cstdint>
#include <string>

namespace qv {

class TLeReader {
public:
    // context names the container in messages (".res stream", "ELF file"); offsets in messages
    // are counted from base, the position of data inside the whole container.
    TLeReader(const uint8_t* data, size_t size, std::string context, uint64_t base = 0);

    // A reader over count bytes from offset (inside this range), reporting whole-container offsets.
    TLeReader Sub(uint64_t offset, uint64_t count, const char* field) const;

    size_t Offset() const { return FOffset; }
    size_t Size() const { return FSize; }
    size_t Remaining() const { return FSize - FOffset; }
    bool AtEnd() const { return FOffset == FSize; }

    uint16_t ReadU16(const char* field);
    uint32_t ReadU32(const char* field);
    uint64_t ReadU64(const char* field);
    // count bytes at the offset, returned in place (valid as long as the range is).
    const uint8_t* ReadBytes(uint64_t count, const char* field);
    // A zero-terminated UTF-16LE string; the terminator is consumed, not returned.
    std::u16string ReadZString16(const char* field);

    // Moves to an absolute offset inside the range (the end itself is allowed).
    void Seek(uint64_t offset, const char* field);
    void Skip(uint64_t count, const char* field);
    // Skips to the next multiple of alignment, counted from the start of the range.
    void AlignTo(size_t alignment, const char* field);

    // Throws EResFormatError: "<context>: <what> at offset <offset>", offset counted in this range.
    [[noreturn]] void Fail(const std::string& what, uint64_t offset) const;

private:
    void Require(uint64_t count, const char* field) const;

    const uint8_t* FData;
    size_t FSize;
    size_t FOffset = 0;
    std::string FContext;
    uint64_t FBase;
};

}  // namespace qv
