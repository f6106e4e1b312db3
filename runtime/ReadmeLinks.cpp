#include "runtime/ReadmeLinks.h"

#include <string_view>

namespace qv {
namespace {

constexpr std::u16string_view kPrefixes[] = {u"http:", u"https:", u"ftp:", u"mailto:", u"www."};

char16_t LowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

// Letters and digits of ASCII: an address glued to the end of a Latin word is not one, while
// text without blanks (Japanese, Chinese) may run straight into it.
bool IsWordChar(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}

bool IsAddressChar(char16_t c) {
    if (c <= 0x20 || c >= 0x7F) return false;
    return std::u16string_view(u"<>\"{}|\\^`").find(c) == std::u16string_view::npos;
}

bool IsTrailingPunctuation(char16_t c) { return std::u16string_view(u".,;:!?'").find(c) != std::u16string_view::npos; }

// The length of the prefix that starts text at pos, or 0.
size_t PrefixAt(std::u16string_view text, size_t pos) {
    for (std::u16string_view prefix : kPrefixes) {
        if (text.size() - pos < prefix.size()) continue;
        size_t i = 0;
        while (i < prefix.size() && LowerAscii(text[pos + i]) == prefix[i]) ++i;
        if (i == prefix.size()) return prefix.size();
    }
    return 0;
}

// Drops sentence punctuation, and closing brackets that have no opening one inside the address,
// from the end.
size_t TrimEnd(std::u16string_view address) {
    long long balance[2] = {0, 0};  // opening minus closing round and square brackets
    for (char16_t c : address) {
        balance[0] += (c == u'(') - (c == u')');
        balance[1] += (c == u'[') - (c == u']');
    }
    size_t end = address.size();
    while (end > 0) {
        const char16_t last = address[end - 1];
        const int kind = last == u')' ? 0 : last == u']' ? 1 : -1;
        if (kind >= 0 && balance[kind] < 0) {
            ++balance[kind];  // this closing bracket goes, so it no longer counts
        } else if (!IsTrailingPunctuation(last)) {
            break;
        }
        --end;
    }
    return end;
}

}  // namespace

std::vector<TLinkRange> FindLinks(std::u16string_view text) {
    std::vector<TLinkRange> links;
    size_t pos = 0;
    while (pos < text.size()) {
        const bool wordStart = pos == 0 || !IsWordChar(text[pos - 1]);
        const size_t prefix = wordStart ? PrefixAt(text, pos) : 0;
        if (prefix == 0) {
            ++pos;
            continue;
        }
        size_t end = pos;
        while (end < text.size() && IsAddressChar(text[end])) ++end;
        const size_t length = TrimEnd(text.substr(pos, end - pos));
        if (length > prefix) links.push_back({pos, length});
        pos = end > pos ? end : pos + 1;
    }
    return links;
}

}  // namespace qv
