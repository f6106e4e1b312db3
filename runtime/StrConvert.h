#pragma once
// The number and boolean conversions of the viewer's texts. A value that does not convert throws
// EConvertError naming the text, and the step that read it ends there.
#include <cstdint>
#include <string_view>

#include "platform/Errors.h"

namespace qv {

class EConvertError : public EQVError {
public:
    using EQVError::EQVError;
};

// A whole decimal 32-bit number, optional sign, blanks around it allowed.
int32_t StrToInt(std::string_view text);
// The same for Unicode text.
int32_t StrToIntW(std::u16string_view text);
// A number (true unless it is zero; a decimal fraction or exponent is allowed and the number may
// exceed 32 bits) or "True" / "False" in any letter case.
bool StrToBool(std::string_view text);

}  // namespace qv
