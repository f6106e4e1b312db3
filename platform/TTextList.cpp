#include "platform/TTextList.h"

#include <algorithm>
#include <limits>

#include "platform/CaseFold.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"

namespace qv {
namespace {

template <class CharT>
bool IsLineBreak(CharT c) {
    if constexpr (sizeof(CharT) > 1) {
        if (c == CharT(0x2028)) return true;
    }
    return c == CharT('\r') || c == CharT('\n');
}

template <class CharT>
std::vector<std::basic_string<CharT>> SplitLines(std::basic_string_view<CharT> text) {
    text = text.substr(0, text.find(CharT(0)));
    std::vector<std::basic_string<CharT>> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsLineBreak(text[i])) continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == CharT('\r') && i + 1 < text.size() && text[i + 1] == CharT('\n')) ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    if (lines.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
        throw EListError("List capacity exceeded");
    return lines;
}

}  // namespace

template <class CharT>
void TTextList<CharT>::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

template <class CharT>
const typename TTextList<CharT>::String& TTextList<CharT>::Strings(int index) const {
    CheckIndex(index, Count());
    return FStrings[static_cast<size_t>(index)];
}

template <class CharT>
void TTextList<CharT>::SetStrings(int index, String line) {
    CheckIndex(index, Count());
    FStrings[static_cast<size_t>(index)] = std::move(line);
}

template <class CharT>
int TTextList<CharT>::Add(String line) {
    Insert(Count(), std::move(line));
    return Count() - 1;
}

template <class CharT>
void TTextList<CharT>::Insert(int index, String line) {
    CheckIndex(index, Count() + 1);
    if (Count() == std::numeric_limits<int>::max()) throw EListError("List capacity exceeded");
    FStrings.insert(FStrings.begin() + index, std::move(line));
}

template <class CharT>
void TTextList<CharT>::Delete(int index) {
    CheckIndex(index, Count());
    FStrings.erase(FStrings.begin() + index);
}

template <class CharT>
bool TTextList<CharT>::SameName(StringView a, StringView b) const {
    return FCaseSensitive ? a == b : SameTextIgnoreCase(a, b);
}

template <class CharT>
int TTextList<CharT>::IndexOf(StringView line) const {
    for (int i = 0; i < Count(); ++i)
        if (SameName(FStrings[static_cast<size_t>(i)], line)) return i;
    return -1;
}

template <class CharT>
typename TTextList<CharT>::String TTextList<CharT>::Text() const {
    size_t size = 0;
    for (const String& line : FStrings) size += line.size() + 2;
    String text;
    text.reserve(size);
    for (const String& line : FStrings) {
        text += line;
        text += CharT('\r');
        text += CharT('\n');
    }
    return text;
}

template <class CharT>
void TTextList<CharT>::SetText(StringView text) {
    FStrings = SplitLines(text);
}

template <class CharT>
int TTextList<CharT>::IndexOfName(StringView name) const {
    for (int i = 0; i < Count(); ++i) {
        const StringView line = FStrings[static_cast<size_t>(i)];
        const size_t equals = line.find(CharT('='));
        if (equals != StringView::npos && SameName(line.substr(0, equals), name)) return i;
    }
    return -1;
}

template <class CharT>
typename TTextList<CharT>::String TTextList<CharT>::Values(StringView name) const {
    const int index = IndexOfName(name);
    return index < 0 ? String() : ValueFromIndex(index);
}

template <class CharT>
void TTextList<CharT>::SetValues(StringView name, StringView value) {
    const int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    String line(name);
    line += CharT('=');
    line += value;
    if (index >= 0)
        SetStrings(index, std::move(line));
    else
        Add(std::move(line));
}

template <class CharT>
typename TTextList<CharT>::String TTextList<CharT>::Names(int index) const {
    const String& line = Strings(index);
    const size_t equals = line.find(CharT('='));
    return equals == String::npos ? String() : line.substr(0, equals);
}

template <class CharT>
typename TTextList<CharT>::String TTextList<CharT>::ValueFromIndex(int index) const {
    const String& line = Strings(index);
    const size_t equals = line.find(CharT('='));
    return equals == String::npos ? String() : line.substr(equals + 1);
}

template <class CharT>
void TTextList<CharT>::LoadFromFile(const std::string& path) {
    LoadFromBytes(ReadWholeFile(path));
}

template <class CharT>
void TTextList<CharT>::LoadFromStream(TStream& stream) {
    constexpr size_t kChunk = 65536;
    Bytes data;
    const uint64_t remaining = stream.Remaining();
    // A stream may report a size it does not hold: read what it gives, not what it says.
    if (remaining <= (uint64_t{1} << 30)) data.reserve(static_cast<size_t>(remaining));
    size_t used = 0;
    for (;;) {
        if (data.size() - used < kChunk) data.resize(used + std::max(kChunk, used / 2));
        const size_t n = stream.Read(data.data() + used, data.size() - used);
        if (n == 0) break;
        used += n;
    }
    data.resize(used);
    LoadFromBytes(data);
}

template <class CharT>
void TTextList<CharT>::SaveToFile(const std::string& path) const {
    WriteWholeFile(path, SaveToBytes());
}

template <class CharT>
void TTextList<CharT>::SaveToStream(TStream& stream) const {
    const Bytes data = SaveToBytes();
    if (!stream.WriteExact(data.data(), data.size())) throw EQVError("Stream write error");
}

template class TTextList<char>;
template class TTextList<char16_t>;

}  // namespace qv
