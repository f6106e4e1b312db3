#pragma once
// The standard resource types the system uses.
#include <cstdint>

namespace qv {

constexpr uint16_t RT_ICON = 3;
constexpr uint16_t RT_RCDATA = 10;
constexpr uint16_t RT_GROUP_ICON = 14;
constexpr uint16_t RT_VERSION = 16;

}  // namespace qv
