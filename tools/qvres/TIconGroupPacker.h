#pragma once
// Turns an icon file into the resources a module carries for it: one icon resource (type 3) per
// image, numbered with identifiers not used yet, and the icon group (type 14) that names them,
// as resource compilers store an ICON statement.
#include <cstdint>
#include <set>
#include <vector>

#include "platform/Bytes.h"
#include "platform/ResEntry.h"
#include "platform/ResId.h"

namespace qv {

class TIconGroupPacker {
public:
    static constexpr uint16_t kIconType = 3;
    static constexpr uint16_t kGroupType = 14;

    // usedIds: icon identifiers taken already; the new ones are added. Throws EQVError for bytes
    // that are not an icon file (header, directory or an image outside the file) and when the
    // identifiers run out.
    static std::vector<ResEntry> Split(const Bytes& iconFile, const ResId& groupName, uint16_t language,
                                       std::set<uint16_t>& usedIds);
};

}  // namespace qv
