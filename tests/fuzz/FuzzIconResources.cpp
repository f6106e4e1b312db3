// An icon file's bytes packed as a module packs them (one icon resource per image and the group
// naming them), with the group also stored cut short and claiming one image more, become the
// overlay of a file image. Every group then either loads with TQVIcon::LoadFromResourceName, its
// images read in place, or fails with the load error; what loads saves and renders without
// reading outside the file's bytes.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "icon/TQVIcon.h"
#include "platform/Errors.h"
#include "platform/TMemoryStream.h"
#include "platform/TModuleResources.h"
#include "platform/TOverlay.h"
#include "platform/TResStreamWriter.h"
#include "tools/qvres/TIconGroupPacker.h"

namespace {

// The packed group again under another name, changed by change.
template <class Change>
void AddVariant(std::vector<qv::ResEntry>& entries, const char* name, Change change) {
    qv::ResEntry variant = entries.back();
    variant.name = qv::ResId::Name(name);
    change(variant.data);
    entries.push_back(std::move(variant));
}

void Exercise(qv::TQVIcon& icon) {
    qv::TMemoryStream saved;
    icon.SaveToStream(saved);
    for (int i = 0; i < icon.Count() && i < 8; ++i) {
        icon.GetImageBitmap(i);
        icon.GetMaskBitmap(i);
        icon.GetPngImage(i);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::set<uint16_t> used;
    std::vector<qv::ResEntry> entries;
    try {
        entries = qv::TIconGroupPacker::Split(qv::Bytes(data, data + size), qv::ResId::Name("WHOLE"), 0, used);
    } catch (const qv::EQVError&) {
        return 0;
    }
    AddVariant(entries, "CUT", [size](qv::Bytes& group) { group.resize(group.size() - 1 - size % 7); });
    AddVariant(entries, "MORE", [](qv::Bytes& group) { ++group[4]; });
    qv::Bytes file = qv::TResStreamWriter::Write(entries);
    const qv::Bytes trailer = qv::TOverlay::Trailer(file.size());
    file.insert(file.end(), trailer.begin(), trailer.end());
    const qv::TModuleResources resources = qv::TModuleResources::FromImage(file.data(), file.size());
    for (const char* name : {"WHOLE", "CUT", "MORE"}) {
        qv::TQVIcon icon;
        try {
            icon.LoadFromResourceName(resources, name);
        } catch (const qv::EIconLoadError&) {
            continue;
        }
        Exercise(icon);
    }
    return 0;
}
