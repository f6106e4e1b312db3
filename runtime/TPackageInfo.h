#pragma once
// The package information ("ICONPACKINFO") as the viewer reads it: lines of name=value in the
// system code page, names compared exactly. Scalar keys are always handled; icon names are taken
// only after "iconcount", in unbroken order from "iconname0" up, and once all of them are in,
// the first line that is no scalar key ends the reading.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/TAnsiStringList.h"

namespace qv {

struct TPackageInfo {
    std::string FPackName;
    TAnsiStringList FIconNames;  // icon i's name, also its file name when it leaves the package
    int32_t FIconCount = 0;
    uint16_t FShowIconBit = 8;   // the low 16 bits of "showiconbit"
    uint8_t FShowIconWidth = 32;  // the low 8 bits of "showiconwidth" (256 becomes 0)
    uint8_t FShowIconHeight = 32;
    std::optional<bool> FAgreeButton;      // the last "agreebutton" value read
    std::optional<std::string> FBannerUrl;  // the last "bannerurl" value read
    bool FBannerHandCursor = false;         // some "bannerurl" value was not empty

    using TAgreeButtonEvent = std::function<void(bool agreeStep)>;

    // Applies the lines in order; onAgreeButton, when given, runs at every "agreebutton" line. A
    // value that is not a number or boolean throws EConvertError; what the lines before it set
    // stays set.
    void Read(const TAnsiStringList& lines, const TAgreeButtonEvent& onAgreeButton = {});

private:
    // False once the line ends the reading.
    bool ReadLine(const std::string& line, const TAgreeButtonEvent& onAgreeButton);
    // A line whose name is no scalar key: false when it ends the reading.
    bool ReadIconName(const std::string& name, const std::string& value);
};

}  // namespace qv
