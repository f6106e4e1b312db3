// Any bytes read as package information fail with the conversion error alone, if at all, and
// every icon name taken comes from its own "iconname<i>=" line, in order. The same bytes as read-me
// text give links that lie inside the text, in order, without overlap, each starting with one of
// the address prefixes and holding no blank.
#include <cctype>
#include <string>

#include "platform/CodePage.h"
#include "platform/TAnsiStringList.h"
#include "platform/TUnicodeStringList.h"
#include "runtime/ReadmeLinks.h"
#include "runtime/StrConvert.h"
#include "runtime/TPackageInfo.h"

namespace {

void CheckInfo(const uint8_t* data, size_t size) {
    qv::TAnsiStringList lines;
    lines.LoadFromBytes(data, size);
    qv::TPackageInfo info;
    try {
        info.Read(lines);
    } catch (const qv::EConvertError&) {
    }
    size_t line = 0;
    for (int i = 0; i < info.FIconNames.Count(); ++i) {
        const std::string wanted = "iconname" + std::to_string(i) + "=" + info.FIconNames[i];
        while (line < lines.Lines().size() && lines.Lines()[line] != wanted) ++line;
        if (line == lines.Lines().size()) __builtin_trap();
        ++line;
    }
}

bool StartsWithPrefix(const std::u16string& link) {
    std::string lower;
    for (char16_t c : link.substr(0, 7)) lower += char(std::tolower(c < 0x80 ? int(c) : 0));
    for (const char* p : {"http:", "https:", "ftp:", "mailto:", "www."})
        if (lower.rfind(p, 0) == 0) return true;
    return false;
}

void CheckLinks(const uint8_t* data, size_t size) {
    qv::TUnicodeStringList readme;
    readme.LoadFromBytes(data, size);
    const std::u16string text = readme.Text();
    size_t end = 0;
    for (const qv::TLinkRange& r : qv::FindLinks(text)) {
        if (r.Start < end || r.Length == 0 || r.Start + r.Length > text.size()) __builtin_trap();
        const std::u16string link = text.substr(r.Start, r.Length);
        if (!StartsWithPrefix(link)) __builtin_trap();
        for (char16_t c : link)
            if (c <= 0x20 || c >= 0x7F) __builtin_trap();
        end = r.Start + r.Length;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckInfo(data, size);
    CheckLinks(data, size);
    return 0;
}
