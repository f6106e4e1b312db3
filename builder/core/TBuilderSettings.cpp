#include "builder/core/TBuilderSettings.h"

#include <algorithm>

#include "platform/TIniFile.h"

namespace qv {
namespace {

constexpr char kWindow[] = "Window";
constexpr char kRecent[] = "Recent";
constexpr char kBannerUrlList[] = "BannerURLList";
constexpr char kSystem[] = "System";

std::string TemplateKey(size_t index) { return "Template" + std::to_string(index); }

// Appends the non-empty values of the keys in order.
template <class KeyOf>
void ReadList(const TIniFile& file, const char* section, size_t from, size_t to, KeyOf keyOf,
              std::vector<std::string>& list) {
    for (size_t i = from; i <= to; ++i) {
        std::string value = file.ReadString(section, keyOf(i), "");
        if (!value.empty()) list.push_back(std::move(value));
    }
}

}  // namespace

TBuilderSettings TBuilderSettings::Read(const TIniFile& file) {
    TBuilderSettings s;
    s.PosX = file.ReadInteger(kWindow, "PosX", -1);
    s.PosY = file.ReadInteger(kWindow, "PosY", -1);
    s.Width = file.ReadInteger(kWindow, "Width", -1);
    s.Height = file.ReadInteger(kWindow, "Height", -1);
    s.Maximize = file.ReadBool(kWindow, "Maximize", false);
    s.LanguageEditLeftWidth = file.ReadInteger(kWindow, "LanguageEditLeftWidth", -1);
    for (int i = 0; i < kRecentCount; ++i) s.Recent[i] = file.ReadString(kRecent, std::to_string(i + 1), "");
    ReadList(file, kBannerUrlList, 1, kBannerUrlsRead, [](size_t i) { return std::to_string(i); }, s.BannerUrls);
    s.FileInitDir = file.ReadString(kSystem, "FileInitDir", "");
    s.IconInitDir = file.ReadString(kSystem, "IconInitDir", "");
    s.SaveAsFilter = file.ReadInteger(kSystem, "SaveAsFilter", 1);
    s.CompressAsInitDir = file.ReadString(kSystem, "CompressAsInitDir", "");
    s.IconThumbWidth = file.ReadInteger(kSystem, "IconThumbWidth", 340);
    s.IconThumbHeight = file.ReadInteger(kSystem, "IconThumbHeight", 48);
    s.DontCompressIcon = file.ReadBool(kWindow, "DontCompressIcon", false);
    ReadList(file, kSystem, 0, kTemplates - 1, TemplateKey, s.Templates);
    return s;
}

void TBuilderSettings::Write(TIniFile& file) const {
    if (!Maximize) {
        file.WriteInteger(kWindow, "PosX", PosX);
        file.WriteInteger(kWindow, "PosY", PosY);
        file.WriteInteger(kWindow, "Width", Width);
        file.WriteInteger(kWindow, "Height", Height);
    }
    file.WriteBool(kWindow, "Maximize", Maximize);
    file.WriteInteger(kWindow, "LanguageEditLeftWidth", LanguageEditLeftWidth);
    for (int i = 0; i < kRecentCount; ++i) file.WriteString(kRecent, std::to_string(i + 1), Recent[i]);
    const size_t links = std::min<size_t>(BannerUrls.size(), kBannerUrlsWritten);
    for (size_t i = 0; i < links; ++i)
        if (!BannerUrls[i].empty()) file.WriteString(kBannerUrlList, std::to_string(i + 1), BannerUrls[i]);
    file.WriteString(kSystem, "FileInitDir", FileInitDir);
    file.WriteString(kSystem, "IconInitDir", IconInitDir);
    file.WriteInteger(kSystem, "SaveAsFilter", SaveAsFilter);
    file.WriteString(kSystem, "CompressAsInitDir", CompressAsInitDir);
    file.WriteInteger(kSystem, "IconThumbWidth", IconThumbWidth);
    file.WriteInteger(kSystem, "IconThumbHeight", IconThumbHeight);
    file.WriteBool(kWindow, "DontCompressIcon", DontCompressIcon);
    const size_t templates = std::min<size_t>(Templates.size(), kTemplates);
    for (size_t i = 0; i < templates; ++i) file.WriteString(kSystem, TemplateKey(i), Templates[i]);
}

}  // namespace qv
