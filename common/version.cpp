#include "common/version.h"

#include <algorithm>

#include "common/TVersionBlock.h"
#include "platform/CodePage.h"
#include "platform/Numbers.h"

namespace qv {

TVersion AppVersion;

const char* const kAppVersionQuery = "StringFileInfo\\041103A4\\FileVersion";

TVersion ParseVersionText(const std::string& text) {
    TVersion version;
    version.Text = text;
    int32_t* const parts[] = {&version.Major, &version.Minor, &version.Release, &version.Build};
    size_t start = 0;
    for (int32_t* part : parts) {
        if (start > text.size()) break;
        const size_t dot = std::min(text.find('.', start), text.size());
        if (!TryStrToInt(std::string_view(text).substr(start, dot - start), *part)) *part = 0;
        start = dot + 1;
    }
    return version;
}

bool ReadFileVersion(const uint8_t* data, size_t size, TVersion& version) {
    TVersionBlock block;
    std::u16string text;
    if (!block.Parse(data, size) || !block.QueryString(kAppVersionQuery, text)) return false;
    version = ParseVersionText(UnicodeToAnsi(text));
    return true;
}

void InitAppVersion(const uint8_t* data, size_t size) {
    AppVersion = TVersion();
    ReadFileVersion(data, size, AppVersion);
}

}  // namespace qv
