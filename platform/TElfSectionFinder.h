#pragma once
// Finds a section of a 64-bit little-endian ELF file by name through the section headers, the way
// tools see a linked module. Every offset and size is checked against the file.
#include <cstdint>
#include <string>

namespace qv {

class TElfSectionFinder {
public:
    enum class EResult {
        NotElf,     // not a 64-bit little-endian ELF file: it has no sections we can see
        NoSection,  // an ELF file without that section (or with no file contents for it)
        Found,
        Damaged     // an ELF file whose headers point outside it; Error() says where
    };

    struct TSection {
        EResult result = EResult::NotElf;
        uint64_t offset = 0;
        uint64_t size = 0;
        std::string error;
    };

    static TSection Find(const uint8_t* data, size_t size, const std::string& name);
};

}  // namespace qv
