#pragma once
// Adds the package resources in the layout the runtime reads: texts as raw data, the version
// block, the banner, and each icon as one icon resource per image plus its icon group.
#include <cstdint>
#include <string>

#include "platform/Bytes.h"

namespace qv {

class TQVIcon;
class TResourceUpdater;

class TPackageResources {
public:
    static constexpr uint16_t LangNeutral = 0;
    static constexpr uint16_t LangEnglishUS = 1033;
    static constexpr uint16_t LangJapanese = 1041;

    explicit TPackageResources(TResourceUpdater& update) : FUpdate(update) {}

    void AddInfo(const std::string& infoText);
    // U+FEFF and the text in UTF-16LE, no terminating zero.
    void AddUnicodeText(const std::string& name, const std::u16string& text);
    void AddVersion(const Bytes& versionBlock);
    void AddBanner(const Bytes& png);
    // One icon resource per image under the next identifiers, then the group naming them.
    void AddIconGroup(const std::string& groupName, const TQVIcon& icon);

    uint32_t NextIconId() const { return FNextIconId; }

private:
    TResourceUpdater& FUpdate;
    uint32_t FNextIconId = 1;  // one counter across the package icon and every icon
};

}  // namespace qv
