#pragma once
// Names compared without regard to letter case, as the builder and the compiler look up keys of
// name=value lists, INI sections and keys, and version-block entries.
#include <string_view>

namespace qv {

// Simple case folding of one UTF-16 unit: ASCII, Latin-1, Latin Extended-A and Additional,
// Greek, Cyrillic, Armenian, Georgian, Glagolitic, the letter-like symbols, Roman numerals,
// circled and fullwidth Latin letters. Other units stay as they are.
char16_t FoldCase(char16_t c);

bool SameTextIgnoreCase(std::u16string_view a, std::u16string_view b);
// System-code-page text. ASCII names fold byte by byte; a name with other bytes is compared as
// its UTF-16 text, so that the trail byte of a double-byte character (0x41 to 0x7A in CP932)
// never counts as a letter.
bool SameTextIgnoreCase(std::string_view a, std::string_view b);

bool IsAscii(std::string_view text);

}  // namespace qv
