#pragma once
// A version-information block (VS_VERSIONINFO, the body of a resource of type 16) and queries of
// its values by path. Each entry is wLength, wValueLength, wType, a zero-terminated UTF-16LE key,
// padding to 4 bytes, the value (wValueLength bytes, or UTF-16 units when wType is 1), padding,
// then the child entries up to wLength; the root's key is "VS_VERSION_INFO". Every size is
// checked against the bytes at hand: a block that is truncated, overruns itself anywhere, lacks
// a key's terminating zero or nests absurdly deep is refused whole.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Bytes.h"

namespace qv {

class TVersionBlock {
public:
    // False, leaving the block empty, when the bytes are not one consistent block.
    bool Parse(const uint8_t* data, size_t size);
    bool Parse(const Bytes& data) { return Parse(data.data(), data.size()); }
    bool IsEmpty() const { return !FValid; }

    // The value at a path of keys separated by '\' such as "StringFileInfo\041103A4\FileVersion"
    // (a leading '\' is optional; keys compare without regard to case). The root path "\" gives
    // the fixed file information. False when an entry on the way is missing.
    bool QueryValue(std::string_view path, Bytes& value) const;
    // The value as text: its UTF-16LE units up to the first zero.
    bool QueryString(std::string_view path, std::u16string& text) const;

private:
    struct TNode {
        std::u16string FKey;
        uint16_t FType = 0;
        Bytes FValue;
        std::vector<TNode> FChildren;
    };
    static bool ParseNode(const uint8_t* data, size_t begin, size_t limit, int depth, TNode& node, size_t& length);
    const TNode* Find(std::string_view path) const;

    TNode FRoot;
    bool FValid = false;
};

}  // namespace qv
