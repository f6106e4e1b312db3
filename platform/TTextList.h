#pragma once
// What the ANSI and the Unicode string lists share: a list of lines, the line rules, the
// name=value lookup, and loading and saving through bytes, streams and files. The two lists differ
// only in the character type and in how lines become bytes and back.
//
// Line rules: a text ends at its first NUL; it is split at CR LF, a lone CR and a lone LF (and,
// in Unicode text, U+2028); a break at the very end makes no empty last line. Text() puts CR LF
// after every line, the last one included.
//
// name=value lines are split at their first "="; the value is everything after it, nothing
// trimmed. By default names are compared without regard to letter case (the builder's and the
// compiler's lookup); SetCaseSensitive(true) gives the runtime's exact comparison. The first
// matching line wins; a missing name reads as the empty text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Bytes.h"
#include "platform/TStream.h"

namespace qv {

template <class CharT>
class TTextList {
public:
    using String = std::basic_string<CharT>;
    using StringView = std::basic_string_view<CharT>;

    TTextList() = default;
    TTextList(const TTextList&) = default;
    TTextList& operator=(const TTextList&) = default;
    virtual ~TTextList() = default;

    int Count() const { return static_cast<int>(FStrings.size()); }
    // Index access throws EListError ("List index out of bounds (%d)") outside 0 .. Count()-1.
    const String& Strings(int index) const;
    const String& operator[](int index) const { return Strings(index); }
    void SetStrings(int index, String line);
    const std::vector<String>& Lines() const { return FStrings; }

    int Add(String line);                 // returns the index of the new line
    void Insert(int index, String line);  // 0 .. Count(); Count() appends
    void Delete(int index);
    void Clear() { FStrings.clear(); }
    int IndexOf(StringView line) const;   // -1 when absent; letter case as CaseSensitive()

    String Text() const;
    void SetText(StringView text);

    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool caseSensitive) { FCaseSensitive = caseSensitive; }

    int IndexOfName(StringView name) const;  // the first line whose name matches, or -1
    String Values(StringView name) const;    // empty when no line has the name
    // Replaces the value of the first matching line, or adds "name=value"; an empty value
    // deletes that line instead.
    void SetValues(StringView name, StringView value);
    String Names(int index) const;           // the part before the first "=" (empty without one)
    String ValueFromIndex(int index) const;  // the part after the first "=" (empty without one)

    virtual void LoadFromBytes(const uint8_t* data, size_t size) = 0;
    virtual Bytes SaveToBytes() const = 0;
    void LoadFromBytes(const Bytes& data) { LoadFromBytes(data.data(), data.size()); }
    // Throws EFOpenError naming the file.
    void LoadFromFile(const std::string& path);
    // Reads from the stream's position to its end.
    void LoadFromStream(TStream& stream);
    // Throws EFCreateError naming the file.
    void SaveToFile(const std::string& path) const;
    // Writes at the stream's position; throws EQVError when the stream takes fewer bytes.
    void SaveToStream(TStream& stream) const;

protected:
    void CheckIndex(int index, int limit) const;
    bool SameName(StringView a, StringView b) const;

    std::vector<String> FStrings;
    bool FCaseSensitive = false;
};

extern template class TTextList<char>;
extern template class TTextList<char16_t>;

}  // namespace qv
