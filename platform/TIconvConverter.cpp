#include "platform/TIconvConverter.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "platform/Errors.h"

namespace qv {
namespace {

const iconv_t kNoHandle = reinterpret_cast<iconv_t>(-1);
const size_t kIconvError = static_cast<size_t>(-1);

std::string Upper(const std::string& name) {
    std::string s = name;
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

size_t SourceUnit(const std::string& upper) {
    if (StartsWith(upper, "UTF-32") || StartsWith(upper, "UCS-4")) return 4;
    if (StartsWith(upper, "UTF-16") || StartsWith(upper, "UCS-2") || StartsWith(upper, "UNICODE")) return 2;
    return 1;
}

// Converts one character of the host's UTF-16 into the target; empty when the target lacks it.
std::string EncodeOne(iconv_t handle, char16_t c) {
    char16_t in16[1] = {c};
    char* in = reinterpret_cast<char*>(in16);
    size_t inLeft = sizeof in16;
    char out[32];
    char* outPtr = out;
    size_t outLeft = sizeof out;
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    if (iconv(handle, &in, &inLeft, &outPtr, &outLeft) == kIconvError) return {};
    iconv(handle, nullptr, nullptr, &outPtr, &outLeft);
    return std::string(out, static_cast<size_t>(outPtr - out));
}

// What a bad character turns into in the target: U+FFFD where the target can hold it, else "?".
std::string ReplacementFor(const std::string& to) {
    const iconv_t handle = iconv_open(to.c_str(), NativeUtf16Name());
    if (handle == kNoHandle) return "?";
    std::string r = EncodeOne(handle, u'\uFFFD');
    if (r.empty()) r = EncodeOne(handle, u'?');
    iconv_close(handle);
    return r;
}

// Output room for a conversion of size bytes: at most two output bytes per input byte for the
// conversions this project makes; more is added when iconv asks for it.
size_t EstimatedOutput(size_t size) {
    if (size > (std::numeric_limits<size_t>::max() - 64) / 2)
        throw std::length_error("text conversion: input too large");
    return size * 2 + 16;
}

}  // namespace

const char* NativeUtf16Name() {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return "UTF-16BE";
#else
    return "UTF-16LE";
#endif
}

TIconvConverter::TIconvConverter(const std::string& from, const std::string& to)
    : FHandle(iconv_open(to.c_str(), from.c_str())) {
    if (FHandle == kNoHandle)
        throw EQVError("No conversion from code page \"" + from + "\" to \"" + to + "\"");
    const std::string upper = Upper(from);
    FSourceUnit = SourceUnit(upper);
    FSourceBigEndian = upper.size() >= 2 && upper.compare(upper.size() - 2, 2, "BE") == 0;
    FReplacement = ReplacementFor(to);
}

TIconvConverter::~TIconvConverter() { iconv_close(FHandle); }

bool TIconvConverter::Supports(const std::string& from, const std::string& to) {
    const iconv_t handle = iconv_open(to.c_str(), from.c_str());
    if (handle == kNoHandle) return false;
    iconv_close(handle);
    return true;
}

void TIconvConverter::ResetState() { iconv(FHandle, nullptr, nullptr, nullptr, nullptr); }

size_t TIconvConverter::SkipLength(const char* data, size_t size) const {
    if (FSourceUnit == 2 && size >= 4) {
        // A surrogate pair is one character: skip it whole when the target cannot hold it.
        const auto unit = [&](size_t at) {
            const auto b0 = static_cast<uint8_t>(data[at]), b1 = static_cast<uint8_t>(data[at + 1]);
            return FSourceBigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
        };
        if (unit(0) >= 0xD800 && unit(0) < 0xDC00 && unit(2) >= 0xDC00 && unit(2) < 0xE000) return 4;
    }
    return std::min(FSourceUnit, size);
}

template <class Out>
void TIconvConverter::Run(const char* data, size_t size, Out& out) {
    using Unit = typename Out::value_type;
    size_t used = out.size() * sizeof(Unit);  // output bytes so far
    const auto room = [&](size_t extra) {
        const size_t units = (used + extra + sizeof(Unit) - 1) / sizeof(Unit);
        if (units > out.size()) out.resize(std::max(units, out.size() + out.size() / 2));
    };
    const auto base = [&] { return reinterpret_cast<char*>(&out[0]); };
    const auto append = [&](const std::string& bytes) {
        room(bytes.size());
        std::memcpy(base() + used, bytes.data(), bytes.size());
        used += bytes.size();
    };

    ResetState();
    room(EstimatedOutput(size));
    char* in = const_cast<char*>(data);
    size_t inLeft = size;
    while (inLeft > 0) {
        char* outPtr = base() + used;
        size_t outLeft = out.size() * sizeof(Unit) - used;
        const size_t result = iconv(FHandle, &in, &inLeft, &outPtr, &outLeft);
        used = static_cast<size_t>(outPtr - base());
        if (result != kIconvError) break;
        const int err = errno;
        if (err == E2BIG) {
            room(inLeft * 2 + 16);
            continue;
        }
        append(FReplacement);
        if (err != EILSEQ) break;  // EINVAL: the input ends inside a character
        const size_t skip = SkipLength(in, inLeft);
        in += skip;
        inLeft -= skip;
    }
    for (;;) {  // the closing shift sequence of a stateful target
        char* outPtr = base() + used;
        size_t outLeft = out.size() * sizeof(Unit) - used;
        const size_t result = iconv(FHandle, nullptr, nullptr, &outPtr, &outLeft);
        used = static_cast<size_t>(outPtr - base());
        if (result != kIconvError || errno != E2BIG) break;
        room(64);
    }
    out.resize(used / sizeof(Unit));
}

void TIconvConverter::Convert(const char* data, size_t size, std::string& out) { Run(data, size, out); }

void TIconvConverter::Convert(const char* data, size_t size, std::u16string& out) { Run(data, size, out); }

size_t TIconvConverter::CharLength(const char* data, size_t size) {
    const size_t limit = std::min<size_t>(size, 8);
    for (size_t n = 1; n <= limit; ++n) {
        ResetState();
        char buffer[64];
        char* in = const_cast<char*>(data);
        size_t inLeft = n;
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        if (iconv(FHandle, &in, &inLeft, &outPtr, &outLeft) != kIconvError || errno == E2BIG) return n;
        if (errno != EINVAL) break;  // no character starts here
    }
    return std::min<size_t>(size, 1);
}

}  // namespace qv
