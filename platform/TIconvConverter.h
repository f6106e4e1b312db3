#pragma once
// One iconv conversion between two code pages that never fails on bad input and never stops
// early: a byte that does not start a valid character of the source, or a character the target
// cannot hold, becomes the target's replacement (U+FFFD where the target can hold it, else "?")
// and the conversion goes on after it. An incomplete character at the very end becomes one
// replacement. Not thread-safe: one converter serves one conversion at a time.
#include <iconv.h>

#include <cstddef>
#include <string>

namespace qv {

class TIconvConverter {
public:
    // Throws EQVError when iconv cannot convert between the two names.
    TIconvConverter(const std::string& from, const std::string& to);
    ~TIconvConverter();
    TIconvConverter(const TIconvConverter&) = delete;
    TIconvConverter& operator=(const TIconvConverter&) = delete;

    // Whether iconv knows a conversion from one name to the other.
    static bool Supports(const std::string& from, const std::string& to);

    // Appends the converted bytes to out.
    void Convert(const char* data, size_t size, std::string& out);
    // Appends the converted text to out; the target must be UTF-16 in the host's byte order.
    void Convert(const char* data, size_t size, std::u16string& out);

    // The byte length of the source character that starts at data (1 for a byte that starts
    // none, and at most size).
    size_t CharLength(const char* data, size_t size);

private:
    template <class Out>
    void Run(const char* data, size_t size, Out& out);
    size_t SkipLength(const char* data, size_t size) const;
    void ResetState();

    iconv_t FHandle;
    std::string FReplacement;  // in the target code page
    size_t FSourceUnit;        // 2 for a UTF-16 source, 4 for UTF-32, else 1
    bool FSourceBigEndian;
};

// iconv's name of UTF-16 in the host's byte order (the layout of char16_t).
const char* NativeUtf16Name();

}  // namespace qv
