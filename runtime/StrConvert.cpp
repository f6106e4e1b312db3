#include "runtime/StrConvert.h"

#include <string>

#include "platform/CaseFold.h"
#include "platform/CodePage.h"
#include "platform/Numbers.h"

namespace qv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Counts the digits from pos on and moves pos past them; sets nonZero when one of them is not 0.
size_t SkipDigits(std::string_view text, size_t& pos, bool& nonZero) {
    const size_t start = pos;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos)
        if (text[pos] != '0') nonZero = true;
    return pos - start;
}

// A decimal number of any size: blanks, sign, digits with an optional fraction, an optional
// exponent, blanks. Sets nonZero for a number other than zero.
bool TryDecimalNumber(std::string_view text, bool& nonZero) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    nonZero = false;
    size_t digits = SkipDigits(text, pos, nonZero);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        digits += SkipDigits(text, pos, nonZero);
    }
    if (digits == 0) return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
        bool ignored = false;
        if (SkipDigits(text, pos, ignored) == 0) return false;
    }
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    return pos == text.size();
}

}  // namespace

int32_t StrToInt(std::string_view text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

int32_t StrToIntW(std::u16string_view text) {
    int32_t value = 0;
    if (!TryStrToInt(UnicodeToUtf8(text), value))
        throw EConvertError("'" + UnicodeToUtf8(text) + "' is not a valid integer value");
    return value;
}

bool StrToBool(std::string_view text) {
    bool nonZero = false;
    if (TryDecimalNumber(text, nonZero)) return nonZero;
    if (SameTextIgnoreCase(text, std::string_view("True"))) return true;
    if (SameTextIgnoreCase(text, std::string_view("False"))) return false;
    throw EConvertError("'" + std::string(text) + "' is not a valid boolean value");
}

}  // namespace qv
