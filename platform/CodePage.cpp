#include "platform/CodePage.h"

#include <langinfo.h>
#include <locale.h>
#include <strings.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/TIconvConverter.h"

namespace qv {
namespace {

// Opening an iconv descriptor costs far more than a short conversion, so the few pairs in use
// stay open. One lock guards the choice of code page and the descriptors.
class ConverterCache {
public:
    std::string CodePage() {
        std::lock_guard<std::mutex> lock(FMutex);
        if (FCodePage.empty()) FCodePage = DecideCodePage();
        return FCodePage;
    }

    void Reset() {
        std::lock_guard<std::mutex> lock(FMutex);
        FCodePage.clear();
    }

    template <class Out>
    void Convert(const std::string& from, const std::string& to, std::string_view bytes, Out& out) {
        std::lock_guard<std::mutex> lock(FMutex);
        Lookup(from, to).Convert(bytes.data(), bytes.size(), out);
    }

    size_t CharLength(const std::string& codePage, std::string_view bytes) {
        std::lock_guard<std::mutex> lock(FMutex);
        return Lookup(codePage, NativeUtf16Name()).CharLength(bytes.data(), bytes.size());
    }

private:
    struct Entry {
        std::string from, to;
        std::unique_ptr<TIconvConverter> converter;
    };
    static constexpr size_t kKept = 8;

    TIconvConverter& Lookup(const std::string& from, const std::string& to) {
        for (size_t i = 0; i < FEntries.size(); ++i) {
            if (FEntries[i].from == from && FEntries[i].to == to) {
                if (i > 0) std::swap(FEntries[i], FEntries[i - 1]);  // the busy pairs move forward
                return *FEntries[i > 0 ? i - 1 : 0].converter;
            }
        }
        auto converter = std::make_unique<TIconvConverter>(from, to);
        if (FEntries.size() == kKept) FEntries.pop_back();
        FEntries.insert(FEntries.begin(), Entry{from, to, std::move(converter)});
        return *FEntries.front().converter;
    }

    static bool Usable(const std::string& name) {
        return !name.empty() && TIconvConverter::Supports(name, NativeUtf16Name()) &&
               TIconvConverter::Supports(NativeUtf16Name(), name);
    }

    // The locale's character set, read without changing the program's own locale.
    static std::string LocaleCodeset() {
        const char* current = setlocale(LC_CTYPE, nullptr);
        if (current && std::strcmp(current, "C") != 0 && std::strcmp(current, "POSIX") != 0)
            return nl_langinfo(CODESET);
        std::string codeset;
        if (const locale_t fromEnvironment = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr))) {
            codeset = nl_langinfo_l(CODESET, fromEnvironment);
            freelocale(fromEnvironment);
        }
        return codeset;
    }

    static std::string DecideCodePage() {
        const char* chosen = std::getenv("QUORVANE_CODEPAGE");
        if (chosen && Usable(chosen)) return chosen;
        const std::string codeset = LocaleCodeset();
        // The C and POSIX locales report plain ASCII; they count as UTF-8.
        if (codeset.empty() || codeset == "ANSI_X3.4-1968" || codeset == "ASCII" || !Usable(codeset))
            return "UTF-8";
        return codeset;
    }

    std::mutex FMutex;
    std::string FCodePage;
    std::vector<Entry> FEntries;
};

ConverterCache& Cache() {
    static ConverterCache cache;
    return cache;
}

template <class Out>
Out ConvertTo(const std::string& from, const std::string& to, std::string_view bytes) {
    Out out;
    if (!bytes.empty()) Cache().Convert(from, to, bytes, out);
    return out;
}

std::string_view AsBytes(std::u16string_view text) {
    return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)};
}

template <bool BigEndian>
std::u16string Utf16ToUnicode(const uint8_t* data, size_t size) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t first = data[2 * i], second = data[2 * i + 1];
        text[i] = static_cast<char16_t>(BigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return text;
}

template <bool BigEndian>
void AppendUtf16(std::u16string_view text, Bytes& out) {
    const size_t at = out.size();
    out.resize(at + text.size() * 2);
    uint8_t* p = out.data() + at;
    for (const char16_t c : text) {
        const auto low = static_cast<uint8_t>(c & 0xFF), high = static_cast<uint8_t>(c >> 8);
        *p++ = BigEndian ? high : low;
        *p++ = BigEndian ? low : high;
    }
}

}  // namespace

std::string SystemCodePage() { return Cache().CodePage(); }

bool SystemCodePageIsUtf8() {
    const std::string name = SystemCodePage();
    return strcasecmp(name.c_str(), "UTF-8") == 0 || strcasecmp(name.c_str(), "UTF8") == 0;
}

void ResetSystemCodePage() { Cache().Reset(); }

std::u16string AnsiToUnicode(std::string_view text) { return CodePageToUnicode(SystemCodePage(), text); }

std::string UnicodeToAnsi(std::u16string_view text) { return UnicodeToCodePage(SystemCodePage(), text); }

size_t AnsiCharLength(std::string_view text, size_t pos) {
    if (pos >= text.size()) return 0;
    if (static_cast<uint8_t>(text[pos]) < 0x80 && SystemCodePageIsUtf8()) return 1;
    return Cache().CharLength(SystemCodePage(), text.substr(pos));
}

std::u16string Utf8ToUnicode(std::string_view text) { return CodePageToUnicode("UTF-8", text); }

std::string UnicodeToUtf8(std::u16string_view text) { return UnicodeToCodePage("UTF-8", text); }

std::u16string Utf16LEToUnicode(const uint8_t* data, size_t size) { return Utf16ToUnicode<false>(data, size); }

std::u16string Utf16BEToUnicode(const uint8_t* data, size_t size) { return Utf16ToUnicode<true>(data, size); }

void AppendUtf16LE(std::u16string_view text, Bytes& out) { AppendUtf16<false>(text, out); }

void AppendUtf16BE(std::u16string_view text, Bytes& out) { AppendUtf16<true>(text, out); }

std::u16string CodePageToUnicode(const std::string& codePage, std::string_view bytes) {
    return ConvertTo<std::u16string>(codePage, NativeUtf16Name(), bytes);
}

std::string UnicodeToCodePage(const std::string& codePage, std::u16string_view text) {
    return ConvertTo<std::string>(NativeUtf16Name(), codePage, AsBytes(text));
}

}  // namespace qv
