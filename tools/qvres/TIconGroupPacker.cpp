#include "tools/qvres/TIconGroupPacker.h"

#include "icon/IconRecords.h"
#include "platform/Errors.h"

namespace qv {
namespace {

uint16_t NextFreeId(std::set<uint16_t>& used) {
    for (uint32_t id = 1; id <= 0xFFFF; ++id)
        if (used.insert(uint16_t(id)).second) return uint16_t(id);
    throw EQVError("no icon resource identifiers left");
}

}  // namespace

std::vector<ResEntry> TIconGroupPacker::Split(const Bytes& file, const ResId& groupName, uint16_t language,
                                              std::set<uint16_t>& usedIds) {
    if (file.size() < TIconDir::kSize) throw EQVError("not an icon file: too short for its header");
    const TIconDir header = TIconDir::Decode(file.data());
    if (header.Reserved != 0 || header.Type != 1 || header.Count == 0)
        throw EQVError("not an icon file: bad header");
    if (TIconDir::kSize + uint64_t(header.Count) * TIconDirEntry::kSize > file.size())
        throw EQVError("not an icon file: the directory runs past the end");

    Bytes group(TIconDir::kSize + size_t(header.Count) * TGroupIconDirEntry::kSize);
    header.Encode(group.data());
    std::vector<ResEntry> entries;
    for (size_t i = 0; i < header.Count; ++i) {
        const TIconDirEntry entry = TIconDirEntry::Decode(file.data() + TIconDir::kSize + i * TIconDirEntry::kSize);
        if (uint64_t(entry.ImageOffset) + entry.BytesInRes > file.size() || entry.BytesInRes == 0)
            throw EQVError("not an icon file: image " + std::to_string(i) + " lies outside the file");
        ResEntry image;
        image.type = ResId::Number(kIconType);
        image.name = ResId::Number(NextFreeId(usedIds));
        image.language = language;
        image.data.assign(file.begin() + entry.ImageOffset, file.begin() + entry.ImageOffset + entry.BytesInRes);
        TGroupIconDirEntry::FromEntry(entry, image.name.AsNumber())
            .Encode(group.data() + TIconDir::kSize + i * TGroupIconDirEntry::kSize);
        entries.push_back(std::move(image));
    }
    ResEntry groupEntry;
    groupEntry.type = ResId::Number(kGroupType);
    groupEntry.name = groupName;
    groupEntry.language = language;
    groupEntry.data = std::move(group);
    entries.push_back(std::move(groupEntry));
    return entries;
}

}  // namespace qv
