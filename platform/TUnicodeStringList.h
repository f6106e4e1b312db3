#pragma once
// The Unicode string list: the language list, the language texts and read-me files, the
// language templates. Saved as the mark FF FE and UTF-16LE with CR LF after every line (one empty
// line is FF FE 0D 00 0A 00, no lines is FF FE). Loaded by its first bytes: FF FE is UTF-16LE,
// FE FF UTF-16BE, EF BB BF UTF-8, anything else the system code page; the mark is not part of the
// text and an odd last byte of UTF-16 is ignored. Line and name=value rules: TTextList.
#include "platform/TTextList.h"

namespace qv {

class TUnicodeStringList : public TTextList<char16_t> {
public:
    using TTextList<char16_t>::LoadFromBytes;
    void LoadFromBytes(const uint8_t* data, size_t size) override;
    Bytes SaveToBytes() const override;
};

}  // namespace qv
