#pragma once
// The fields of a .res stream record besides its data, shared by the owning record (ResEntry) and
// the read-only view of one inside bytes held elsewhere (TResView).
#include <cstdint>

#include "platform/ResId.h"

namespace qv {

struct ResHeader {
    ResId type;
    ResId name;
    uint16_t language = 0;
    uint32_t dataVersion = 0;
    uint16_t memoryFlags = 0x1030;  // moveable, pure, discardable: what resource compilers write
    uint32_t version = 0;
    uint32_t characteristics = 0;
};

}  // namespace qv
