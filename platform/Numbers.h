#pragma once
// Decimal numbers in text, as settings and version texts hold them.
#include <cstdint>
#include <string_view>

namespace qv {

// A whole decimal 32-bit number with an optional sign, blanks around it allowed. False (value
// untouched) for anything else: empty text, other characters, a number out of range.
bool TryStrToInt(std::string_view text, int32_t& value);

}  // namespace qv
