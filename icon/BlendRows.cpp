#include "icon/BlendRows.h"

#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#define QV_BLEND_X86 1
#endif

namespace qv {
namespace {

using RowKernel = void (*)(const uint8_t*, uint8_t*, const TThroughBits&, int);

uint32_t Load(const void* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void Store(void* p, uint32_t v) { std::memcpy(p, &v, 4); }

bool Through(const TThroughBits& t, int c) {
    const int p = t.FirstBit + c;
    return ((t.Bits[p >> 3] ^ t.Invert) >> (7 - (p & 7))) & 1;
}

// The through bits of pixels c to c + 7, pixel c in the top bit; only for whole groups of eight
// inside the row, so that the byte after an unaligned group still belongs to it.
uint32_t Through8(const TThroughBits& t, int c) {
    const int p = t.FirstBit + c;
    const int shift = p & 7;
    uint32_t v = t.Bits[p >> 3];
    if (shift) v = ((v << 8 | t.Bits[(p >> 3) + 1]) >> (8 - shift)) & 0xFF;
    return v ^ t.Invert;
}

// Exact per channel: red and blue share one multiply, each sum stays below 65536.
uint32_t BlendPixel(uint32_t s, uint32_t d) {
    const uint32_t a = s >> 24;
    const uint32_t na = 256 - a;
    const uint32_t rb = (((s & 0x00FF00FF) * a + (d & 0x00FF00FF) * na) >> 8) & 0x00FF00FF;
    const uint32_t g = (((s & 0x0000FF00) * a + (d & 0x0000FF00) * na) >> 8) & 0x0000FF00;
    return (d & 0xFF000000) | rb | g;
}

void BlendScalar(const uint8_t* src, uint8_t* dst, const TThroughBits& through, int from, int count) {
    for (int c = from; c < count; ++c)
        if (Through(through, c)) Store(dst + 4 * c, BlendPixel(Load(src + 4 * c), Load(dst + 4 * c)));
}

#ifdef QV_BLEND_X86
// Per 16-bit lane: D + floor((S - D) * a / 256), a signed high multiply of (S - D) * 128 by
// a * 2; equal to (S * a + (256 - a) * D) div 256 for every S, D and a. Eight pixels a step.
__attribute__((target("avx2"))) void BlendAvx2(const uint8_t* src, uint8_t* dst, const TThroughBits& through,
                                                int count) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i colour = _mm256_set1_epi32(0x00FFFFFF);
    const __m256i select = _mm256_setr_epi32(0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01);
    // Each pixel's alpha into the high byte of its four 16-bit lanes, as unpacking places them.
    const __m256i alphaLow = _mm256_setr_epi8(-1, 3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7,
                                              -1, 3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7);
    const __m256i alphaHigh = _mm256_setr_epi8(-1, 11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15,
                                               -1, 11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15);
    int c = 0;
    for (; c + 8 <= count; c += 8) {
        const uint32_t bits = Through8(through, c);
        if (!bits) continue;
        const __m256i m = _mm256_cmpeq_epi32(_mm256_and_si256(_mm256_set1_epi32(int(bits)), select), select);
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + 4 * c));
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + 4 * c));
        const __m256i sl = _mm256_unpacklo_epi8(s, zero), sh = _mm256_unpackhi_epi8(s, zero);
        const __m256i dl = _mm256_unpacklo_epi8(d, zero), dh = _mm256_unpackhi_epi8(d, zero);
        const __m256i al = _mm256_srli_epi16(_mm256_shuffle_epi8(s, alphaLow), 7);
        const __m256i ah = _mm256_srli_epi16(_mm256_shuffle_epi8(s, alphaHigh), 7);
        const __m256i rl = _mm256_add_epi16(dl, _mm256_mulhi_epi16(_mm256_slli_epi16(_mm256_sub_epi16(sl, dl), 7), al));
        const __m256i rh = _mm256_add_epi16(dh, _mm256_mulhi_epi16(_mm256_slli_epi16(_mm256_sub_epi16(sh, dh), 7), ah));
        const __m256i r = _mm256_packus_epi16(rl, rh);
        const __m256i out = _mm256_blendv_epi8(d, r, _mm256_and_si256(m, colour));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + 4 * c), out);
    }
    BlendScalar(src, dst, through, c, count);
}

#endif

void BlendPortable(const uint8_t* src, uint8_t* dst, const TThroughBits& through, int count) {
    BlendScalar(src, dst, through, 0, count);
}

RowKernel KernelFor(TBlendKernel kernel) {
#ifdef QV_BLEND_X86
    if (kernel == TBlendKernel::Avx2) return __builtin_cpu_supports("avx2") ? BlendAvx2 : nullptr;
#endif
    return kernel == TBlendKernel::Portable ? BlendPortable : nullptr;
}

RowKernel ChooseBlend() {
    const RowKernel avx2 = KernelFor(TBlendKernel::Avx2);
    return avx2 ? avx2 : BlendPortable;
}

}  // namespace

void BlendRow(const uint8_t* src, uint8_t* dst, const TThroughBits& through, int count) {
    static const RowKernel kernel = ChooseBlend();
    kernel(src, dst, through, count);
}

bool BlendRowWith(TBlendKernel kernel, const uint8_t* src, uint8_t* dst, const TThroughBits& through, int count) {
    const RowKernel chosen = KernelFor(kernel);
    if (chosen) chosen(src, dst, through, count);
    return chosen != nullptr;
}

void CopyRowMasked(const uint8_t* src, uint8_t* dst, const TThroughBits& through, int count) {
    int c = 0;
    for (; c + 8 <= count; c += 8) {
        const uint32_t bits = Through8(through, c);
        if (bits == 0xFF)
            std::memcpy(dst + 4 * c, src + 4 * c, 32);
        else
            for (int i = 0; i < 8; ++i)
                if ((bits >> (7 - i)) & 1) std::memcpy(dst + 4 * (c + i), src + 4 * (c + i), 4);
    }
    for (; c < count; ++c)
        if (Through(through, c)) std::memcpy(dst + 4 * c, src + 4 * c, 4);
}

}  // namespace qv
