#pragma once
// The text of an INI file as the private-profile functions see it, held line by line so that a
// change touches only its own line: comments, blank lines, unknown lines, other sections and
// every line's own line break stay byte for byte. Any bytes parse; nothing here fails.
//
// A section starts at a line "[name]" (blanks before the "[" and around the name ignored; the
// name runs to the last "]") and runs to the next such line; lines before the first section
// belong to none. A key is a line "name=value" inside a section, not starting with ";" or "[":
// the name is the part before the first "=" trimmed of blanks, the value everything after that
// "=" as it stands. Names compare without regard to letter case and with blanks around them
// ignored; the first matching section, and in it the first matching key, counts.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Bytes.h"

namespace qv {

class TIniDocument {
public:
    void Parse(const uint8_t* data, size_t size);
    void Parse(const Bytes& data) { Parse(data.data(), data.size()); }
    Bytes ToBytes() const;

    // False when the section or the key is missing.
    bool ReadValue(std::string_view section, std::string_view key, std::string& value) const;
    // Replaces the value of the key's line in place, or adds "key=value" after the last key of
    // the section, or adds "[section]" and the key at the end of the text. New lines end in
    // CR LF. Names and value end at a line break they might hold, so that a value can never
    // become lines of its own.
    void WriteValue(std::string_view section, std::string_view key, std::string_view value);
    // Whether a line was removed: every line of the key in the section / every matching section.
    bool DeleteKey(std::string_view section, std::string_view key);
    bool EraseSection(std::string_view section);

    bool SectionExists(std::string_view section) const;
    std::vector<std::string> SectionNames() const;                    // in file order, each once
    std::vector<std::string> KeyNames(std::string_view section) const;  // in file order, each once

private:
    enum class TBreak : uint8_t { None, CrLf, Lf, Cr };
    struct TLine {
        std::string FText;
        TBreak FBreak;
    };
    struct TSpan {
        size_t FHeader;  // the "[name]" line
        size_t FEnd;     // one past the section's last line
    };

    bool FindSection(std::string_view section, TSpan& span) const;
    size_t FindKey(const TSpan& span, std::string_view key) const;  // FLines.size() when absent
    void InsertLine(size_t at, std::string text);

    std::vector<TLine> FLines;
};

}  // namespace qv
