#include "runtime/TPackageInfo.h"

#include "runtime/NameValue.h"
#include "runtime/StrConvert.h"

namespace qv {

void TPackageInfo::Read(const TAnsiStringList& lines, const TAgreeButtonEvent& onAgreeButton) {
    for (const std::string& line : lines.Lines())
        if (!ReadLine(line, onAgreeButton)) return;
}

bool TPackageInfo::ReadLine(const std::string& line, const TAgreeButtonEvent& onAgreeButton) {
    std::string name, value;
    SplitNameValue(line, name, value);
    if (name == "packname") {
        FPackName = value;
    } else if (name == "agreebutton") {
        FAgreeButton = StrToBool(value);
        if (onAgreeButton) onAgreeButton(*FAgreeButton);
    } else if (name == "bannerurl") {
        FBannerUrl = value;
        if (!value.empty()) FBannerHandCursor = true;
    } else if (name == "showiconbit") {
        FShowIconBit = static_cast<uint16_t>(StrToInt(value));
    } else if (name == "showiconwidth") {
        FShowIconWidth = static_cast<uint8_t>(StrToInt(value));
    } else if (name == "showiconheight") {
        FShowIconHeight = static_cast<uint8_t>(StrToInt(value));
    } else if (name == "iconcount") {
        FIconCount = StrToInt(value);
    } else {
        return ReadIconName(name, value);
    }
    return true;
}

bool TPackageInfo::ReadIconName(const std::string& name, const std::string& value) {
    if (FIconCount <= 0) return true;
    // A later "iconcount" may have lowered the count below the names already held.
    if (FIconNames.Count() >= FIconCount) return false;
    if (name == "iconname" + std::to_string(FIconNames.Count())) FIconNames.Add(value);
    return true;
}

}  // namespace qv
