#pragma once
// One resource as a .res stream record holds it.
#include <cstdint>

#include "platform/Bytes.h"
#include "platform/ResId.h"

namespace qv {

struct ResEntry {
    ResId type;
    ResId name;
    uint16_t language = 0;
    uint32_t dataVersion = 0;
    uint16_t memoryFlags = 0x1030;  // moveable, pure, discardable: what resource compilers write
    uint32_t version = 0;
    uint32_t characteristics = 0;
    Bytes data;
};

}  // namespace qv
