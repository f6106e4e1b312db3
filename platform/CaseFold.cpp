#include "platform/CaseFold.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "platform/CodePage.h"

namespace qv {
namespace {

// A block of upper-case letters and the distance to their folded forms; "alternate" blocks hold
// upper/lower pairs side by side, so that only every other unit (from First) folds.
struct FoldRange {
    char16_t First, Last;
    int32_t Delta;
    bool Alternate;
};

constexpr FoldRange kFolds[] = {
    {0x00C0, 0x00D6, 32, false},    {0x00D8, 0x00DE, 32, false},    {0x0100, 0x012F, 1, true},
    {0x0132, 0x0137, 1, true},      {0x0139, 0x0148, 1, true},      {0x014A, 0x0177, 1, true},
    {0x0178, 0x0178, -121, false},  {0x0179, 0x017E, 1, true},      {0x017F, 0x017F, -268, false},
    {0x0386, 0x0386, 38, false},    {0x0388, 0x038A, 37, false},    {0x038C, 0x038C, 64, false},
    {0x038E, 0x038F, 63, false},    {0x0391, 0x03A1, 32, false},    {0x03A3, 0x03AB, 32, false},
    {0x03C2, 0x03C2, 1, false},     {0x03D8, 0x03EF, 1, true},      {0x0400, 0x040F, 80, false},
    {0x0410, 0x042F, 32, false},    {0x0460, 0x0481, 1, true},      {0x048A, 0x04BF, 1, true},
    {0x04C0, 0x04C0, 15, false},    {0x04C1, 0x04CE, 1, true},      {0x04D0, 0x052F, 1, true},
    {0x0531, 0x0556, 48, false},    {0x10A0, 0x10C5, 7264, false},  {0x1E00, 0x1E95, 1, true},
    {0x1E9E, 0x1E9E, -7615, false}, {0x1EA0, 0x1EFF, 1, true},      {0x1F08, 0x1F0F, -8, false},
    {0x1F18, 0x1F1D, -8, false},    {0x1F28, 0x1F2F, -8, false},    {0x1F38, 0x1F3F, -8, false},
    {0x1F48, 0x1F4D, -8, false},    {0x1F68, 0x1F6F, -8, false},    {0x2126, 0x2126, -7517, false},
    {0x212A, 0x212A, -8383, false}, {0x212B, 0x212B, -8262, false}, {0x2160, 0x216F, 16, false},
    {0x24B6, 0x24CF, 26, false},    {0x2C00, 0x2C2E, 48, false},    {0xFF21, 0xFF3A, 32, false},
};

char AsciiFold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

}  // namespace

char16_t FoldCase(char16_t c) {
    if (c < 0x80) return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
    const FoldRange* range = std::upper_bound(std::begin(kFolds), std::end(kFolds), c,
                                              [](char16_t unit, const FoldRange& r) { return unit < r.First; });
    if (range == std::begin(kFolds)) return c;
    --range;
    if (c > range->Last || (range->Alternate && (c - range->First) % 2 != 0)) return c;
    return static_cast<char16_t>(c + range->Delta);
}

bool SameTextIgnoreCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

bool SameTextIgnoreCase(std::string_view a, std::string_view b) {
    if (IsAscii(a) && IsAscii(b))
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiFold(x) == AsciiFold(y); });
    if (a == b) return true;
    // Bytes that decode to no character all become U+FFFD: such names match only byte for byte.
    const std::u16string wideA = AnsiToUnicode(a), wideB = AnsiToUnicode(b);
    if (wideA.find(u'\uFFFD') != std::u16string::npos || wideB.find(u'\uFFFD') != std::u16string::npos) return false;
    return SameTextIgnoreCase(wideA, wideB);
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace qv
