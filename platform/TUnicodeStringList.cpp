#include "platform/TUnicodeStringList.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace qv {
namespace {

bool StartsWith(const uint8_t* data, size_t size, std::initializer_list<uint8_t> mark) {
    return size >= mark.size() && std::equal(mark.begin(), mark.end(), data);
}

std::u16string Decode(const uint8_t* data, size_t size) {
    if (StartsWith(data, size, {0xFF, 0xFE})) return Utf16LEToUnicode(data + 2, size - 2);
    if (StartsWith(data, size, {0xFE, 0xFF})) return Utf16BEToUnicode(data + 2, size - 2);
    const auto bytes = [&](size_t from) {
        return std::string_view(reinterpret_cast<const char*>(data) + from, size - from);
    };
    if (StartsWith(data, size, {0xEF, 0xBB, 0xBF})) return Utf8ToUnicode(bytes(3));
    return AnsiToUnicode(bytes(0));
}

}  // namespace

void TUnicodeStringList::LoadFromBytes(const uint8_t* data, size_t size) { SetText(Decode(data, size)); }

Bytes TUnicodeStringList::SaveToBytes() const {
    const std::u16string text = Text();
    Bytes out;
    out.reserve(2 + 2 * text.size());
    out.push_back(0xFF);
    out.push_back(0xFE);
    AppendUtf16LE(text, out);
    return out;
}

}  // namespace qv
