#include <gtest/gtest.h>

#include <random>

#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "tests/text/CodePageScope.h"

namespace qv {
namespace {

using test::CodePageScope;

const std::string kNihongoCp932 = "\x93\xFA\x96\x7B\x8C\xEA";  // 日本語

TEST(SystemCodePage, PlainLocalesCountAsUtf8AndTheVariableOverridesThem) {
    struct Case {
        const char* codePage;
        const char* locale;
        const char* expected;
    } cases[] = {
        {nullptr, "C", "UTF-8"},
        {nullptr, "POSIX", "UTF-8"},
        {nullptr, "C.UTF-8", "UTF-8"},
        {"CP932", "C", "CP932"},
        {"CP1252", "C.UTF-8", "CP1252"},
        {"NO-SUCH-CODE-PAGE", "C", "UTF-8"},  // a name iconv does not know is ignored
        {"", "C", "UTF-8"},
    };
    for (const Case& c : cases) {
        CodePageScope scope(c.codePage, c.locale);
        EXPECT_EQ(SystemCodePage(), c.expected) << (c.codePage ? c.codePage : "(unset)") << " / " << c.locale;
    }
}

TEST(SystemCodePage, Cp932TextConvertsBothWays) {
    CodePageScope scope("CP932");
    EXPECT_FALSE(SystemCodePageIsUtf8());
    EXPECT_EQ(AnsiToUnicode(kNihongoCp932), u"日本語");
    EXPECT_EQ(UnicodeToAnsi(u"日本語"), kNihongoCp932);
    EXPECT_EQ(AnsiToUnicode("abc\xB1"), u"abc\uFF71");  // half-width katakana is one byte
}

TEST(SystemCodePage, BadBytesBecomeOneReplacementEachAndNeverStopTheConversion) {
    struct Case {
        const char* codePage;
        std::string bytes;
        std::u16string expected;
    } cases[] = {
        {"UTF-8", "a\xFF" "b", u"a\uFFFDb"},
        {"UTF-8", "a\xC3", u"a\uFFFD"},                      // incomplete at the end
        {"UTF-8", "\xE3\x81" "A", u"\uFFFD\uFFFDA"},         // broken in the middle
        {"UTF-8", "\xC0\xAF", u"\uFFFD\uFFFD"},              // overlong
        {"UTF-8", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},    // an encoded surrogate
        {"UTF-8", std::string("x\0y", 3), std::u16string(u"x\0y", 3)},
        {"CP932", "\x81", u"\uFFFD"},                         // a lead byte alone at the end
        {"CP932", std::string("\x93\xFA") + "\x81" "\x20" "z", u"日\uFFFD z"},
    };
    for (const Case& c : cases) {
        CodePageScope scope(c.codePage);
        EXPECT_EQ(AnsiToUnicode(c.bytes), c.expected) << c.codePage << " " << testing::PrintToString(c.bytes);
    }
}

TEST(SystemCodePage, CharactersTheTargetCannotHoldBecomeOneReplacement) {
    {
        CodePageScope scope("CP932");
        EXPECT_EQ(UnicodeToAnsi(u"a\U0001F600b"), "a?b");  // a surrogate pair is one character
        EXPECT_EQ(UnicodeToAnsi(u"a\xD800" u"b"), "a?b");
        EXPECT_EQ(UnicodeToAnsi(u"\u00E9\u65E5"), "?\x93\xFA");
    }
    EXPECT_EQ(UnicodeToUtf8(u"x\xDC00y"), "x\xEF\xBF\xBDy");
    EXPECT_EQ(UnicodeToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToUnicode("\xF0\x9F\x98\x80"), u"\U0001F600");
}

TEST(SystemCodePage, GarbageOfAnySizeConvertsToAtMostOneUnitPerByte) {
    std::mt19937 random(7);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    for (const char* codePage : {"UTF-8", "CP932"}) {
        CodePageScope scope(codePage);
        const std::u16string text = AnsiToUnicode(garbage);
        EXPECT_GT(text.size(), garbage.size() / 4) << codePage;
        EXPECT_LE(text.size(), garbage.size()) << codePage;
        EXPECT_LE(UnicodeToAnsi(text).size(), 2 * text.size()) << codePage;
    }
}

TEST(Utf16Bytes, ByteOrdersRoundTripEveryUnitAndDropAnOddLastByte) {
    const std::u16string text = u"A\u65E5\xD800z";  // a lone surrogate is kept as it is
    Bytes le, be;
    AppendUtf16LE(text, le);
    AppendUtf16BE(text, be);
    EXPECT_EQ(le, (Bytes{0x41, 0x00, 0xE5, 0x65, 0x00, 0xD8, 0x7A, 0x00}));
    EXPECT_EQ(be, (Bytes{0x00, 0x41, 0x65, 0xE5, 0xD8, 0x00, 0x00, 0x7A}));
    le.push_back(0x33);
    be.push_back(0x33);
    EXPECT_EQ(Utf16LEToUnicode(le.data(), le.size()), text);
    EXPECT_EQ(Utf16BEToUnicode(be.data(), be.size()), text);
}

TEST(SystemCodePage, CharLengthFollowsDoubleByteCharacters) {
    CodePageScope scope("CP932");
    const std::string text = "\x95\x5C\\a\x81";  // 表, a backslash, a, a lone lead byte
    EXPECT_EQ(AnsiCharLength(text, 0), 2u);
    EXPECT_EQ(AnsiCharLength(text, 2), 1u);
    EXPECT_EQ(AnsiCharLength(text, 3), 1u);
    EXPECT_EQ(AnsiCharLength(text, 4), 1u);
    EXPECT_EQ(AnsiCharLength(text, 5), 0u);
}

TEST(CodePageByName, UnknownNamesAreReportedAndKnownOnesConvert) {
    EXPECT_THROW(CodePageToUnicode("NO-SUCH-CODE-PAGE", "a"), EQVError);
    EXPECT_EQ(CodePageToUnicode("CP1252", "\x80"), u"\u20AC");
    EXPECT_EQ(UnicodeToCodePage("CP1252", u"\u20AC"), "\x80");
}

}  // namespace
}  // namespace qv
