#include "platform/TElfSectionFinder.h"

#include <cstring>

#include "platform/EResFormatError.h"
#include "platform/TLeReader.h"

namespace qv {
namespace {

constexpr uint64_t KElfHeaderSize = 64;
constexpr uint64_t KSectionHeaderSize = 64;
constexpr uint32_t KShtNobits = 8;
constexpr uint16_t KShnXindex = 0xFFFF;

struct TSectionHeader {
    uint32_t name;
    uint32_t type;
    uint64_t offset;
    uint64_t size;
    uint32_t link;
};

bool IsElf64Le(const uint8_t* data, size_t size) {
    return size >= KElfHeaderSize && std::memcmp(data, "\x7f" "ELF", 4) == 0 && data[4] == 2 && data[5] == 1;
}

TSectionHeader ReadSectionHeader(const TLeReader& file, uint64_t table, uint64_t entrySize, uint64_t index) {
    TLeReader r = file.Sub(table + index * entrySize, KSectionHeaderSize, "section header");
    TSectionHeader h{};
    h.name = r.ReadU32("sh_name");
    h.type = r.ReadU32("sh_type");
    r.Skip(16, "sh_flags and sh_addr");
    h.offset = r.ReadU64("sh_offset");
    h.size = r.ReadU64("sh_size");
    h.link = r.ReadU32("sh_link");
    return h;
}

// The zero-terminated name at offset inside the section-name table.
std::string SectionName(const TLeReader& strtab, uint32_t offset) {
    if (offset >= strtab.Size()) strtab.Fail("sh_name is outside the section name table", offset);
    TLeReader r = strtab.Sub(offset, strtab.Size() - offset, "sh_name");
    std::string name;
    for (;;) {
        const char c = static_cast<char>(*r.ReadBytes(1, "section name (no terminating zero)"));
        if (c == 0) return name;
        name.push_back(c);
    }
}

TElfSectionFinder::TSection Search(const uint8_t* data, size_t size, const std::string& wanted) {
    TLeReader file(data, size, "ELF file");
    file.Seek(0x28, "e_shoff");
    const uint64_t table = file.ReadU64("e_shoff");
    file.Seek(0x3A, "e_shentsize");
    const uint64_t entrySize = file.ReadU16("e_shentsize");
    uint64_t count = file.ReadU16("e_shnum");
    uint32_t strIndex = file.ReadU16("e_shstrndx");
    TElfSectionFinder::TSection found;
    found.result = TElfSectionFinder::EResult::NoSection;
    if (table == 0) return found;  // no section headers at all
    if (table > size) file.Fail("e_shoff points past the end", 0x28);
    if (entrySize < KSectionHeaderSize) file.Fail("e_shentsize is too small", 0x3A);
    // Large tables keep their real count and string-table index in the first header.
    const TSectionHeader first = ReadSectionHeader(file, table, entrySize, 0);
    if (count == 0) count = first.size;
    if (strIndex == KShnXindex) strIndex = first.link;
    if (count > size / entrySize) file.Fail("section header table runs past the end", table);
    if (strIndex >= count) file.Fail("e_shstrndx is out of range", 0x3E);
    const TSectionHeader names = ReadSectionHeader(file, table, entrySize, strIndex);
    const TLeReader strtab = file.Sub(names.offset, names.size, "section name table");
    for (uint64_t i = 1; i < count; ++i) {
        const TSectionHeader h = ReadSectionHeader(file, table, entrySize, i);
        if (SectionName(strtab, h.name) != wanted) continue;
        if (h.type == KShtNobits) return found;
        file.Sub(h.offset, h.size, ("section " + wanted).c_str());
        found.result = TElfSectionFinder::EResult::Found;
        found.offset = h.offset;
        found.size = h.size;
        return found;
    }
    return found;
}

}  // namespace

TElfSectionFinder::TSection TElfSectionFinder::Find(const uint8_t* data, size_t size, const std::string& name) {
    if (!data || !IsElf64Le(data, size)) return TSection{};
    try {
        return Search(data, size, name);
    } catch (const EResFormatError& e) {
        TSection damaged;
        damaged.result = EResult::Damaged;
        damaged.error = e.what();
        return damaged;
    }
}

}  // namespace qv
