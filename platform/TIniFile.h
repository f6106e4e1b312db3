#pragma once
// An INI file with the private-profile behaviour of the design: section and key names without
// regard to case, a missing file or key reads as the default, every write goes to the file at
// once, and a write changes only the line of its key (replaced in place, or added at the end of
// its section, or in a new section at the end of the file) -- the rest stays byte for byte.
// Values are system-code-page bytes, read whole however long and returned as they stand after
// the "=". Text rules: TIniDocument.
//
// The parsed file is kept between calls and parsed again only when the file's bytes changed, so
// a run of writes costs one read, one compare and one write each.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Bytes.h"
#include "platform/TIniDocument.h"

namespace qv {

class TIniFile {
public:
    explicit TIniFile(std::string fileName) : FFileName(std::move(fileName)) {}

    const std::string& FileName() const { return FFileName; }

    std::string ReadString(std::string_view section, std::string_view ident, std::string_view defaultValue) const;
    // A decimal 32-bit number (blanks around it allowed); anything else reads as the default.
    int32_t ReadInteger(std::string_view section, std::string_view ident, int32_t defaultValue) const;
    // True for any non-zero number.
    bool ReadBool(std::string_view section, std::string_view ident, bool defaultValue) const;

    // Each write throws EFCreateError when the file cannot be written, and EFOpenError when a
    // file that exists cannot be read (it is never replaced by what could not be read).
    void WriteString(std::string_view section, std::string_view ident, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view ident, int32_t value);
    void WriteBool(std::string_view section, std::string_view ident, bool value);  // "1" or "0"

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view ident) const;
    std::vector<std::string> ReadSection(std::string_view section) const;  // its key names
    std::vector<std::string> ReadSections() const;

    void DeleteKey(std::string_view section, std::string_view ident);
    void EraseSection(std::string_view section);

private:
    const TIniDocument& Current(bool forWrite) const;
    template <class Change>
    void Modify(Change change);

    std::string FFileName;
    mutable TIniDocument FDocument;
    mutable Bytes FBytes;  // the file's bytes that FDocument was parsed from
    mutable bool FCached = false;
};

}  // namespace qv
