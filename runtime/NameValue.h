#pragma once
// The viewer's name=value split of one line: at its first "=", the name before it, the value
// after it (further "=" included); nothing is trimmed. A line without "=" gives an empty name and
// an empty value, which matches no key.
#include <string>

namespace qv {

// Text in the system code page (the package information).
void SplitNameValue(const std::string& line, std::string& name, std::string& value);
// Unicode text (the language texts).
void SplitNameValueW(const std::u16string& line, std::u16string& name, std::u16string& value);

}  // namespace qv
