#include <gtest/gtest.h>

#include "platform/CaseFold.h"
#include "platform/CodePage.h"
#include "platform/TAnsiStringList.h"
#include "platform/TUnicodeStringList.h"
#include "tests/text/CodePageScope.h"

namespace qv {
namespace {

using test::CodePageScope;

// Both lists share one lookup; every rule is checked on each of them. Literals are UTF-8, which
// is also the system code page of these tests.
template <class List>
class NameValue : public testing::Test {
protected:
    using String = typename List::String;
    static String S(const char* utf8) {
        if constexpr (std::is_same_v<String, std::u16string>)
            return Utf8ToUnicode(utf8);
        else
            return utf8;
    }
    List Make(std::initializer_list<const char*> lines) {
        List list;
        for (const char* line : lines) list.Add(S(line));
        return list;
    }
    CodePageScope FScope{"UTF-8"};
};

using Lists = testing::Types<TUnicodeStringList, TAnsiStringList>;
TYPED_TEST_SUITE(NameValue, Lists);

TYPED_TEST(NameValue, SplitAtTheFirstEqualsWithNothingTrimmed) {
    auto list = this->Make({"packname=a=b", "bannerurl =x", " fontname=y", "title= spaced ", "alone", "=novalue"});
    struct Case {
        const char* key;
        const char* value;
    } cases[] = {
        {"packname", "a=b"},  {"bannerurl", ""}, {"bannerurl ", "x"}, {"fontname", ""},
        {" fontname", "y"},   {"title", " spaced "}, {"alone", ""},  {"", "novalue"},
        {"missing", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(list.Values(this->S(c.key)), this->S(c.value)) << "[" << c.key << "]";
    EXPECT_EQ(list.Names(0), this->S("packname"));
    EXPECT_EQ(list.ValueFromIndex(0), this->S("a=b"));
    EXPECT_EQ(list.Names(4), this->S(""));
    EXPECT_EQ(list.ValueFromIndex(4), this->S(""));
    EXPECT_EQ(list.IndexOfName(this->S("alone")), -1);
}

TYPED_TEST(NameValue, CaseInsensitiveByDefaultAndExactOnRequestFirstMatchWins) {
    auto list = this->Make({"PackName=first", "packname=second", "FONTSIZE=9"});
    EXPECT_EQ(list.Values(this->S("packname")), this->S("first"));
    EXPECT_EQ(list.Values(this->S("fontSize")), this->S("9"));
    EXPECT_EQ(list.IndexOfName(this->S("PACKNAME")), 0);

    list.SetCaseSensitive(true);
    EXPECT_EQ(list.Values(this->S("packname")), this->S("second"));
    EXPECT_EQ(list.Values(this->S("PackName")), this->S("first"));
    EXPECT_EQ(list.Values(this->S("fontSize")), this->S(""));
}

TYPED_TEST(NameValue, SettingAValueReplacesAddsOrDeletesItsLine) {
    auto list = this->Make({"a=1", "b=2"});
    list.SetValues(this->S("A"), this->S("x=y"));
    list.SetValues(this->S("c"), this->S("3"));
    list.SetValues(this->S("b"), this->S(""));
    list.SetValues(this->S("nothere"), this->S(""));
    std::vector<typename TypeParam::String> expected = {this->S("A=x=y"), this->S("c=3")};
    EXPECT_EQ(list.Lines(), expected);
}

TYPED_TEST(NameValue, NonAsciiNamesFoldTheirLetters) {
    auto list = this->Make({"Ünïcödé=latin", "ΣΟΦΊΑ=greek", "ПРИВЕТ=cyrillic", "ＦＯＮＴ=fullwidth", "日本=kanji"});
    struct Case {
        const char* key;
        const char* value;
    } cases[] = {
        {"üNÏCÖDÉ", "latin"}, {"σοφία", "greek"}, {"привет", "cyrillic"}, {"ｆｏｎｔ", "fullwidth"},
        {"日本", "kanji"},    {"日", ""},        {"FONT", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(list.Values(this->S(c.key)), this->S(c.value)) << c.key;
}

TEST(NameValueAnsi, DoubleByteTrailBytesAreNeverFoldedAsLetters) {
    CodePageScope scope("CP932");
    TAnsiStringList list;
    list.Add("\x83\x41=a");    // ア: its trail byte is "A"
    list.Add("Key\x83\x41=b");
    EXPECT_EQ(list.Values("\x83\x61"), "");  // ヂ (trail byte "a") is another character
    EXPECT_EQ(list.Values("\x83\x41"), "a");
    EXPECT_EQ(list.Values("kEY\x83\x41"), "b");
    EXPECT_EQ(list.Values("kEY\x83\x61"), "");
}

TEST(NameValueAnsi, UndecodableNamesMatchOnlyByteForByte) {
    CodePageScope scope("UTF-8");
    TAnsiStringList list;
    list.Add("\xFF=broken");
    EXPECT_EQ(list.Values("\xFE"), "");
    EXPECT_EQ(list.Values("\xFF"), "broken");
}

TEST(CaseFold, FoldsTheBicameralBlocksAndLeavesTheRest) {
    struct Case {
        char16_t in, out;
    } cases[] = {
        {u'A', u'a'},         {u'z', u'z'},         {u'@', u'@'},         {u'\u00C0', u'\u00E0'},
        {u'\u00D7', u'\u00D7'}, {u'\u0100', u'\u0101'}, {u'\u0101', u'\u0101'}, {u'\u0178', u'\u00FF'},
        {u'\u0391', u'\u03B1'}, {u'\u03C2', u'\u03C3'}, {u'\u0401', u'\u0451'}, {u'\u042F', u'\u044F'},
        {u'\u212A', u'k'},      {u'\uFF21', u'\uFF41'}, {u'\u65E5', u'\u65E5'}, {u'\uFFFF', u'\uFFFF'},
    };
    for (const Case& c : cases) EXPECT_EQ(FoldCase(c.in), c.out) << std::hex << static_cast<int>(c.in);
}

}  // namespace
}  // namespace qv
