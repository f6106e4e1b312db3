#include "common/qvSysExt.h"

#include <cstring>
#include <new>

namespace qv {

void* GetMem(size_t size) {
    if (size == 0) return nullptr;
    void* block = std::malloc(size);
    if (!block) throw std::bad_alloc();
    return block;
}

void* AllocMem(size_t size) {
    void* block = GetMem(size);
    if (block) std::memset(block, 0, size);
    return block;
}

int32_t IntPow(int32_t base, int32_t exponent) {
    // Squaring gives the same wrapped product as repeated multiplication, in log2(exponent) steps.
    uint32_t result = 1;
    uint32_t factor = static_cast<uint32_t>(base);
    for (uint32_t e = exponent > 0 ? static_cast<uint32_t>(exponent) : 0; e != 0; e >>= 1) {
        if (e & 1) result *= factor;
        factor *= factor;
    }
    return static_cast<int32_t>(result);
}

}  // namespace qv
