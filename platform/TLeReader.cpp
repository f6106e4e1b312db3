#include "platform/TLeReader.h"

#include "platform/EResFormatError.h"

namespace qv {

TLeReader::TLeReader(const uint8_t* data, size_t size, std::string context, uint64_t base)
    : FData(data), FSize(data ? size : 0), FContext(std::move(context)), FBase(base) {}

TLeReader TLeReader::Sub(uint64_t offset, uint64_t count, const char* field) const {
    if (offset > FSize || count > FSize - offset)
        Fail(std::string(field) + " (" + std::to_string(count) + " bytes) runs past the end", offset);
    return TLeReader(FData + offset, static_cast<size_t>(count), FContext, FBase + offset);
}

void TLeReader::Fail(const std::string& what, uint64_t offset) const {
    throw EResFormatError(FContext + ": " + what + " at offset " + std::to_string(FBase + offset));
}

void TLeReader::Require(uint64_t count, const char* field) const {
    if (count > Remaining())
        Fail(std::string(field) + " runs past the end (" + std::to_string(count) + " bytes wanted, " +
                 std::to_string(Remaining()) + " left)",
             FOffset);
}

uint16_t TLeReader::ReadU16(const char* field) {
    Require(2, field);
    const uint8_t* p = FData + FOffset;
    FOffset += 2;
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t TLeReader::ReadU32(const char* field) {
    Require(4, field);
    const uint8_t* p = FData + FOffset;
    FOffset += 4;
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint64_t TLeReader::ReadU64(const char* field) {
    Require(8, field);
    const uint64_t low = ReadU32(field);
    const uint64_t high = ReadU32(field);
    return low | (high << 32);
}

const uint8_t* TLeReader::ReadBytes(uint64_t count, const char* field) {
    Require(count, field);
    const uint8_t* p = FData + FOffset;
    FOffset += static_cast<size_t>(count);
    return p;
}

std::u16string TLeReader::ReadZString16(const char* field) {
    const size_t start = FOffset;
    std::u16string text;
    for (;;) {
        if (Remaining() < 2) Fail(std::string(field) + " has no terminating zero", start);
        const char16_t c = static_cast<char16_t>(ReadU16(field));
        if (c == 0) return text;
        text.push_back(c);
    }
}

void TLeReader::Seek(uint64_t offset, const char* field) {
    if (offset > FSize)
        Fail(std::string(field) + " points past the end (size " + std::to_string(FSize) + ")", offset);
    FOffset = static_cast<size_t>(offset);
}

void TLeReader::Skip(uint64_t count, const char* field) {
    Require(count, field);
    FOffset += static_cast<size_t>(count);
}

void TLeReader::AlignTo(size_t alignment, const char* field) {
    const size_t over = FOffset % alignment;
    if (over) Skip(alignment - over, field);
}

}  // namespace qv
