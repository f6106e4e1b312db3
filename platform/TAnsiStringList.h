#pragma once
// The ANSI string list: the package information. Bytes in the system code page with no mark
// recognised (EF BB BF stays part of the first line); saved with CR LF after every line. Line
// and name=value rules: TTextList.
#include "platform/TTextList.h"

namespace qv {

class TAnsiStringList : public TTextList<char> {
public:
    using TTextList<char>::LoadFromBytes;
    void LoadFromBytes(const uint8_t* data, size_t size) override;
    Bytes SaveToBytes() const override;
};

}  // namespace qv
