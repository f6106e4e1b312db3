#pragma once
// The system code page and the text conversions of the project. Text in the system code page
// ("ANSI" text: file names, the project file, the package information) is held as std::string
// bytes; Unicode text as UTF-16 in std::u16string.
//
// The system code page is QUORVANE_CODEPAGE when that names a code page iconv knows (for example
// CP932, to exchange projects with Windows systems), else the character set of the locale
// (LC_ALL / LC_CTYPE / LANG); the C and POSIX locales count as UTF-8.
//
// Bad input never fails a conversion: a byte that starts no character becomes U+FFFD (one per
// byte), an incomplete character at the end becomes one U+FFFD, and a character the target code
// page cannot hold becomes U+FFFD where the target has it (UTF-8) or "?" (CP932 and the other
// Windows code pages, as Windows' own conversion does). UTF-16 input keeps every unit as it is,
// lone surrogates included: UTF-16 is the text lists' own form.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Bytes.h"

namespace qv {

// The iconv name of the system code page ("UTF-8", "CP932", "ISO-8859-1", ...). Decided on first
// use and kept until ResetSystemCodePage.
std::string SystemCodePage();
bool SystemCodePageIsUtf8();
// Forgets the decision, so that the next use reads QUORVANE_CODEPAGE and the locale again.
void ResetSystemCodePage();

// System code page <-> UTF-16.
std::u16string AnsiToUnicode(std::string_view text);
std::string UnicodeToAnsi(std::u16string_view text);
// The byte length of the character at pos of a system-code-page text (1 for a byte that starts
// no character; 0 at the end).
size_t AnsiCharLength(std::string_view text, size_t pos);

// UTF-8 <-> UTF-16.
std::u16string Utf8ToUnicode(std::string_view text);
std::string UnicodeToUtf8(std::u16string_view text);

// UTF-16 bytes in a given byte order <-> UTF-16 text; an odd last byte is ignored.
std::u16string Utf16LEToUnicode(const uint8_t* data, size_t size);
std::u16string Utf16BEToUnicode(const uint8_t* data, size_t size);
void AppendUtf16LE(std::u16string_view text, Bytes& out);
void AppendUtf16BE(std::u16string_view text, Bytes& out);

// Any code page iconv knows <-> UTF-16; throws EQVError for a name iconv does not know.
std::u16string CodePageToUnicode(const std::string& codePage, std::string_view bytes);
std::string UnicodeToCodePage(const std::string& codePage, std::u16string_view text);

}  // namespace qv
