#pragma once
// Writes a version-information block (VS_VERSIONINFO, the body of a resource of type 16) in the
// standard layout resource compilers use: the fixed file information, one string table for one
// language and code page with the strings in the given order (each value with its terminating
// zero), and the translation of that table. Every entry starts on a 4-byte boundary; an entry's
// length leaves out the padding after its last child. TVersionBlock reads what this writes.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/Bytes.h"

namespace qv {

class TVersionBlockWriter {
public:
    std::array<uint16_t, 4> FileVersion{};     // major, minor, release, build
    std::array<uint16_t, 4> ProductVersion{};
    uint32_t FileFlagsMask = 0x3F;
    uint32_t FileFlags = 0;
    uint32_t FileOS = 4;        // 32-bit Windows
    uint32_t FileType = 1;      // application
    uint32_t FileSubtype = 0;
    uint32_t FileDateMS = 0;
    uint32_t FileDateLS = 0;
    uint16_t Language = 0x0411;
    uint16_t CodePage = 0x03A4;
    std::vector<std::pair<std::u16string, std::u16string>> Strings;

    // "1.0.0.2" into a version; false (version untouched) unless it is four numbers of 0 to
    // 65535 joined by dots.
    static bool ParseVersion(const std::string& text, std::array<uint16_t, 4>& version);

    // Throws EQVError when an entry would exceed the 65535 bytes its length can tell.
    Bytes Write() const;
};

}  // namespace qv
