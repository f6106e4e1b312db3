#pragma once
// The keys of a language's interface text in the order the builder writes them, with the label
// and the control name of each row of the language page. The font name and the font size come
// first; the eighteen text keys follow.
#include <array>

namespace qv {

struct TLanguageTextKey {
    const char* Key;
    const char* Label;        // UTF-8
    const char* ControlName;
};

constexpr const char kFontNameKey[] = "fontname";
constexpr const char kFontSizeKey[] = "fontsize";
constexpr int kLanguageTextFields = 18;
constexpr int kLanguageTextKeys = kLanguageTextFields + 2;

// All twenty keys: fontname, fontsize, then the text fields.
const std::array<TLanguageTextKey, kLanguageTextKeys>& LanguageTextKeys();
// The eighteen text fields only, in page order.
const TLanguageTextKey* LanguageTextFieldKeys();

}  // namespace qv
