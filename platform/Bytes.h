#pragma once
#include <cstdint>
#include <vector>

namespace qv {
using Bytes = std::vector<uint8_t>;
}
