#pragma once
// Memory blocks and an integer power for the icon container.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace qv {

// A block of size bytes from the C heap (nullptr for 0); throws std::bad_alloc when there is no
// memory. AllocMem fills the block with zeros. Release with FreeMem or FreeMemAndNil.
void* GetMem(size_t size);
void* AllocMem(size_t size);
inline void FreeMem(void* block) noexcept { std::free(block); }

// Takes the block out of the variable, empties the variable, then releases the block. An empty
// variable is left as it is.
template <class T>
void FreeMemAndNil(T*& block) noexcept {
    T* const taken = block;
    block = nullptr;
    std::free(const_cast<void*>(static_cast<const void*>(taken)));
}

// base multiplied exponent times into 1, in 32-bit arithmetic that wraps on overflow; an exponent
// of 0 or less gives 1.
int32_t IntPow(int32_t base, int32_t exponent);

}  // namespace qv
