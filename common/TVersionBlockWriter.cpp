#include "common/TVersionBlockWriter.h"

#include <cstdio>

#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "platform/Numbers.h"

namespace qv {
namespace {

constexpr uint32_t kSignature = 0xFEEF04BD;
constexpr uint32_t kStructVersion = 0x00010000;
constexpr uint16_t kBinary = 0;
constexpr uint16_t kText = 1;

void Put16(Bytes& out, uint16_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32(Bytes& out, uint32_t value) {
    Put16(out, uint16_t(value));
    Put16(out, uint16_t(value >> 16));
}

void Align4(Bytes& out) {
    while (out.size() % 4) out.push_back(0);
}

// One entry: its header, key and value, then its children each on a 4-byte boundary.
Bytes Entry(const std::u16string& key, uint16_t type, const Bytes& value, uint16_t valueLength,
            const std::vector<Bytes>& children) {
    Bytes out(6, 0);
    AppendUtf16LE(key, out);
    Put16(out, 0);
    Align4(out);
    out.insert(out.end(), value.begin(), value.end());
    for (const Bytes& child : children) {
        Align4(out);
        out.insert(out.end(), child.begin(), child.end());
    }
    if (out.size() > 0xFFFF) throw EQVError("A version-information entry is too long");
    out[0] = uint8_t(out.size());
    out[1] = uint8_t(out.size() >> 8);
    out[2] = uint8_t(valueLength);
    out[3] = uint8_t(valueLength >> 8);
    out[4] = uint8_t(type);
    out[5] = uint8_t(type >> 8);
    return out;
}

uint32_t High(const std::array<uint16_t, 4>& v) { return uint32_t(v[0]) << 16 | v[1]; }
uint32_t Low(const std::array<uint16_t, 4>& v) { return uint32_t(v[2]) << 16 | v[3]; }

}  // namespace

bool TVersionBlockWriter::ParseVersion(const std::string& text, std::array<uint16_t, 4>& version) {
    std::array<uint16_t, 4> parts{};
    size_t start = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        const size_t dot = i + 1 < parts.size() ? text.find('.', start) : text.size();
        if (dot == std::string::npos) return false;
        const std::string part = text.substr(start, dot - start);
        int32_t value = 0;
        if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos || !TryStrToInt(part, value) ||
            value > 0xFFFF)
            return false;
        parts[i] = uint16_t(value);
        start = dot + 1;
    }
    version = parts;
    return true;
}

Bytes TVersionBlockWriter::Write() const {
    Bytes fixed;
    for (uint32_t value : {kSignature, kStructVersion, High(FileVersion), Low(FileVersion), High(ProductVersion),
                           Low(ProductVersion), FileFlagsMask, FileFlags, FileOS, FileType, FileSubtype, FileDateMS,
                           FileDateLS})
        Put32(fixed, value);

    std::vector<Bytes> strings;
    for (const auto& [name, text] : Strings) {
        Bytes value;
        AppendUtf16LE(text, value);
        Put16(value, 0);
        if (text.size() + 1 > 0xFFFF) throw EQVError("A version-information string is too long");
        strings.push_back(Entry(name, kText, value, uint16_t(text.size() + 1), {}));
    }
    char tableKey[9];
    std::snprintf(tableKey, sizeof tableKey, "%04X%04X", unsigned(Language), unsigned(CodePage));
    const Bytes table = Entry(Utf8ToUnicode(tableKey), kText, {}, 0, strings);
    const Bytes stringInfo = Entry(u"StringFileInfo", kText, {}, 0, {table});

    Bytes translation;
    Put16(translation, Language);
    Put16(translation, CodePage);
    const Bytes var = Entry(u"Translation", kBinary, translation, uint16_t(translation.size()), {});
    const Bytes varInfo = Entry(u"VarFileInfo", kText, {}, 0, {var});

    return Entry(u"VS_VERSION_INFO", kBinary, fixed, uint16_t(fixed.size()), {stringInfo, varInfo});
}

}  // namespace qv
