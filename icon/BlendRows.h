#pragma once
// The per-row work of the icon drawing routines, on rows of 32-bit B, G, R, A pixels.
#include <cstdint>

namespace qv {

// Which pixels of a row let the image through: pixel c does when bit (FirstBit + c) of Bits,
// most significant bit of a byte first, differs from the bit of Invert at that position (Invert
// is 0x00 or 0xFF). Bits covers every pixel of the row.
struct TThroughBits {
    const uint8_t* Bits = nullptr;
    int FirstBit = 0;
    uint8_t Invert = 0;
};

// Where through: each of blue, green and red of dst becomes (S * a + (256 - a) * D) div 256 with
// S and a from src; dst's alpha is kept.
void BlendRow(const uint8_t* src, uint8_t* dst, const TThroughBits& through, int count);
// The same with a chosen implementation, for comparing them; BlendRow takes AVX2 where the
// processor has it, else the portable one. An unavailable one reports false, doing nothing.
enum class TBlendKernel { Portable, Avx2 };
bool BlendRowWith(TBlendKernel kernel, const uint8_t* src, uint8_t* dst, const TThroughBits& through, int count);
// Where through: dst becomes src, all four bytes.
void CopyRowMasked(const uint8_t* src, uint8_t* dst, const TThroughBits& through, int count);

}  // namespace qv
