#include "platform/TIniFile.h"

#include <string>
#include <utility>

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/Numbers.h"

namespace qv {

const TIniDocument& TIniFile::Current(bool forWrite) const {
    Bytes bytes;
    try {
        bytes = ReadWholeFile(FFileName);
    } catch (const EFOpenError&) {
        // Missing reads as empty; a file that is there but unreadable must not be overwritten.
        if (forWrite && (FileExists(FFileName) || DirectoryExists(FFileName))) throw;
    }
    if (!FCached || bytes != FBytes) {
        FDocument.Parse(bytes);
        FBytes = std::move(bytes);
        FCached = true;
    }
    return FDocument;
}

template <class Change>
void TIniFile::Modify(Change change) {
    Current(true);
    if (!change(FDocument)) return;
    Bytes bytes = FDocument.ToBytes();
    try {
        WriteWholeFile(FFileName, bytes);
    } catch (...) {
        FCached = false;  // the next call reads what the file really holds
        throw;
    }
    FBytes = std::move(bytes);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view ident,
                                 std::string_view defaultValue) const {
    std::string value;
    return Current(false).ReadValue(section, ident, value) ? value : std::string(defaultValue);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view ident, int32_t defaultValue) const {
    std::string text;
    int32_t value = defaultValue;
    if (Current(false).ReadValue(section, ident, text) && TryStrToInt(text, value)) return value;
    return defaultValue;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view ident, bool defaultValue) const {
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view section, std::string_view ident, std::string_view value) {
    Modify([&](TIniDocument& document) {
        std::string old;
        if (document.ReadValue(section, ident, old) && old == value) return false;
        document.WriteValue(section, ident, value);
        return true;
    });
}

void TIniFile::WriteInteger(std::string_view section, std::string_view ident, int32_t value) {
    WriteString(section, ident, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

bool TIniFile::SectionExists(std::string_view section) const { return Current(false).SectionExists(section); }

bool TIniFile::ValueExists(std::string_view section, std::string_view ident) const {
    std::string value;
    return Current(false).ReadValue(section, ident, value);
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
    return Current(false).KeyNames(section);
}

std::vector<std::string> TIniFile::ReadSections() const { return Current(false).SectionNames(); }

void TIniFile::DeleteKey(std::string_view section, std::string_view ident) {
    Modify([&](TIniDocument& document) { return document.DeleteKey(section, ident); });
}

void TIniFile::EraseSection(std::string_view section) {
    Modify([&](TIniDocument& document) { return document.EraseSection(section); });
}

}  // namespace qv
