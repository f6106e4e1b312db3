#pragma once
// The viewer's link detection in the plain read-me text: web and mail addresses starting with
// "http:", "https:", "ftp:", "mailto:" or "www." (any letter case) where no ASCII letter, digit
// or underscore comes right before. An address runs up to the first blank, control character,
// non-ASCII character or one of < > " { } | \ ^ `; punctuation that ends a sentence
// (. , ; : ! ? ') and closing brackets without an opening one inside the address are not part of
// it. A prefix with nothing after it is no link.
#include <cstddef>
#include <string_view>
#include <vector>

namespace qv {

struct TLinkRange {
    size_t Start = 0;   // first character (UTF-16 unit)
    size_t Length = 0;  // number of units
    bool operator==(const TLinkRange& o) const { return Start == o.Start && Length == o.Length; }
};

// The addresses in text, in order, not overlapping.
std::vector<TLinkRange> FindLinks(std::u16string_view text);

}  // namespace qv
