// TQVIcon::LoadFromResourceName on its own, so that programs which only read icon files and
// streams do not pull in the module resource layer.
#include "icon/TQVIcon.h"

#include "platform/ResId.h"
#include "platform/TByteSpanStream.h"
#include "platform/TModuleResources.h"

namespace qv {
namespace {

constexpr uint16_t kIconResourceType = 3;
constexpr uint16_t kGroupIconResourceType = 14;

}  // namespace

TQVIcon::TLoaded TQVIcon::ReadFromResources(const TModuleResources& resources, const std::string& name) {
    const TSharedBytes groupBytes = resources.Data(ResId::Number(kGroupIconResourceType), ResId::Name(name));
    TByteSpanStream group(groupBytes.data(), groupBytes.size());
    TLoaded loaded;
    loaded.Header = ReadIconDir(group);
    // Read before anything is reserved: a count the group does not hold fails here.
    const Bytes entries = ReadBytes(group, uint64_t(loaded.Header.Count) * TGroupIconDirEntry::kSize);
    loaded.Directory.reserve(loaded.Header.Count);
    for (size_t i = 0; i < loaded.Header.Count; ++i) {
        const TGroupIconDirEntry g = TGroupIconDirEntry::Decode(entries.data() + i * TGroupIconDirEntry::kSize);
        TIconDirEntry entry = g.Entry;
        entry.ImageOffset = g.Id;  // the identifier takes the offset's place until the next save
        loaded.Directory.push_back(entry);
    }
    // The images stay inside the resources' bytes: nothing is copied. They are looked up first
    // and their headers fetched together, since the images of one icon lie pages apart.
    std::vector<TSharedBytes> blocks;
    blocks.reserve(loaded.Directory.size());
    for (const TIconDirEntry& entry : loaded.Directory) {
        blocks.push_back(resources.Data(ResId::Number(kIconResourceType), ResId::Number(uint16_t(entry.ImageOffset))));
        __builtin_prefetch(blocks.back().data());
    }
    loaded.Images.reserve(blocks.size());
    for (size_t i = 0; i < blocks.size(); ++i) loaded.Images.push_back(ImageIn(blocks[i], loaded.Directory[i]));
    return loaded;
}

void TQVIcon::LoadFromResourceName(const std::string& name) { LoadFromResourceName(TModuleResources::Self(), name); }

void TQVIcon::LoadFromResourceName(const TModuleResources& resources, const std::string& name) {
    LoadGuarded([&resources, &name] { return ReadFromResources(resources, name); });
}

}  // namespace qv
