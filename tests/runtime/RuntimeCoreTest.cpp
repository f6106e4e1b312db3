// The viewer's pure rules: the package information's key order, the conversions of its values,
// the name=value split and the read-me's link detection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TAnsiStringList.h"
#include "runtime/NameValue.h"
#include "runtime/ReadmeLinks.h"
#include "runtime/StrConvert.h"
#include "runtime/TPackageInfo.h"

namespace qv::test {
namespace {

TAnsiStringList Lines(const std::vector<std::string>& lines) {
    TAnsiStringList list;
    for (const std::string& l : lines) list.Add(l);
    return list;
}

std::vector<std::string> Names(const TPackageInfo& info) { return info.FIconNames.Lines(); }

TPackageInfo Read(const std::vector<std::string>& lines) {
    TPackageInfo info;
    info.Read(Lines(lines));
    return info;
}

TEST(PackageInfoTest, IconNamesComeOnlyAfterTheCountInUnbrokenOrder) {
    struct Case {
        std::vector<std::string> lines;
        std::vector<std::string> names;
    } cases[] = {
        {{"iconcount=2", "iconname1=b.ico", "iconname0=a.ico", "iconname1=c.ico"}, {"a.ico", "c.ico"}},
        {{"iconname0=early.ico", "iconcount=1", "iconname0=a.ico"}, {"a.ico"}},
        {{"iconcount=0", "iconname0=a.ico"}, {}},
        {{"iconcount=-3", "iconname0=a.ico"}, {}},
        {{"iconcount=2", "IconName0=a.ico", "iconname0 =b.ico", "iconname0=x=y.ico"}, {"x=y.ico"}},
        {{"iconcount=2", "no equals sign", "iconname0=a.ico", "iconname01=z.ico", "iconname1=b.ico"},
         {"a.ico", "b.ico"}},
        // A huge count takes no more than the names there are.
        {{"iconcount=2147483647", "iconname0=a.ico", "iconname1=b.ico"}, {"a.ico", "b.ico"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Names(Read(c.lines)), c.names) << c.lines.front();
}

TEST(PackageInfoTest, ScalarKeysAreAlwaysTakenAndTheFirstOtherLineAfterAllNamesStops) {
    const TPackageInfo late = Read({"iconcount=1", "iconname0=a.ico", "packname=Late"});
    EXPECT_EQ(late.FPackName, "Late");
    const TPackageInfo stopped =
        Read({"iconcount=1", "iconname0=a.ico", "comment=x", "packname=Ignored", "showiconwidth=16"});
    EXPECT_EQ(stopped.FPackName, "");
    EXPECT_EQ(stopped.FShowIconWidth, 32);
    EXPECT_EQ(Names(stopped), std::vector<std::string>{"a.ico"});
    // Names compare exactly: another letter case or a blank is not the key.
    const TPackageInfo exact = Read({"PackName=A", "packname =B", "packname= C "});
    EXPECT_EQ(exact.FPackName, " C ");
}

TEST(PackageInfoTest, NumbersKeepTheirLowBits) {
    const TPackageInfo info = Read({"showiconwidth=288", "showiconheight=256", "showiconbit=65560", "iconcount= 7 "});
    EXPECT_EQ(info.FShowIconWidth, 32);
    EXPECT_EQ(info.FShowIconHeight, 0);
    EXPECT_EQ(info.FShowIconBit, 24);
    EXPECT_EQ(info.FIconCount, 7);
    EXPECT_EQ(Read({"showiconbit=-1"}).FShowIconBit, 65535);
    const TPackageInfo defaults = Read({});
    EXPECT_EQ(defaults.FShowIconBit, 8);
    EXPECT_EQ(defaults.FShowIconWidth, 32);
    EXPECT_EQ(defaults.FShowIconHeight, 32);
    EXPECT_EQ(defaults.FIconCount, 0);
    EXPECT_FALSE(defaults.FAgreeButton.has_value());
}

TEST(PackageInfoTest, AgreeButtonValues) {
    struct Case {
        const char* value;
        bool agree;
    } cases[] = {{"False", false}, {"0", false},          {"false", false}, {"-0", false},
                 {"0.0", false},   {"TRUE", true},        {"1", true},      {"-2", true},
                 {"True", true},   {"99999999999", true}, {"1e3", true},    {" 5 ", true}};
    for (const Case& c : cases) {
        std::vector<bool> applied;
        TPackageInfo info;
        info.Read(Lines({std::string("agreebutton=") + c.value}), [&](bool on) { applied.push_back(on); });
        EXPECT_EQ(info.FAgreeButton, c.agree) << c.value;
        EXPECT_EQ(applied, std::vector<bool>{c.agree}) << c.value;
    }
    std::vector<bool> applied;
    TPackageInfo twice;
    twice.Read(Lines({"agreebutton=True", "agreebutton=0"}), [&](bool on) { applied.push_back(on); });
    EXPECT_EQ(applied, (std::vector<bool>{true, false}));
}

TEST(PackageInfoTest, AValueThatDoesNotConvertEndsTheReadingKeepingWhatCameBefore) {
    struct Case {
        std::vector<std::string> lines;
        const char* message;
    } cases[] = {
        {{"packname=P", "agreebutton=yes", "bannerurl=u"}, "'yes' is not a valid boolean value"},
        {{"packname=P", "showiconbit=abc", "bannerurl=u"}, "'abc' is not a valid integer value"},
        {{"packname=P", "iconcount=", "bannerurl=u"}, "'' is not a valid integer value"},
        {{"packname=P", "showiconwidth=4294967296", "bannerurl=u"}, "'4294967296' is not a valid integer value"},
        {{"packname=P", "showiconheight=1.5", "bannerurl=u"}, "'1.5' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        TPackageInfo info;
        try {
            info.Read(Lines(c.lines));
            ADD_FAILURE() << "no error for " << c.lines[1];
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(info.FPackName, "P") << c.lines[1];
        EXPECT_FALSE(info.FBannerUrl.has_value()) << c.lines[1];
    }
}

TEST(PackageInfoTest, BannerUrlKeepsTheLastValueAndAnyNonEmptyOneGivesTheHand) {
    const TPackageInfo info = Read({"bannerurl=https://a.example/", "bannerurl="});
    EXPECT_EQ(info.FBannerUrl, std::string());
    EXPECT_TRUE(info.FBannerHandCursor);
    EXPECT_FALSE(Read({"bannerurl="}).FBannerHandCursor);
}

TEST(StrConvertTest, IntegersAndBooleans) {
    EXPECT_EQ(StrToInt("-12"), -12);
    EXPECT_EQ(StrToInt(" +3 "), 3);
    EXPECT_EQ(StrToIntW(u"2147483647"), 2147483647);
    EXPECT_THROW(StrToInt("0x10"), EConvertError);
    EXPECT_THROW(StrToIntW(u"１２"), EConvertError);  // fullwidth digits are no decimal number
    EXPECT_THROW(StrToBool(""), EConvertError);
    EXPECT_THROW(StrToBool("1e"), EConvertError);
    EXPECT_THROW(StrToBool("on"), EConvertError);
}

TEST(NameValueTest, SplitsAtTheFirstEqualsSignAndTrimsNothing) {
    struct Case {
        const char* line;
        const char* name;
        const char* value;
    } cases[] = {
        {"a=b=c", "a", "b=c"}, {" a = b ", " a ", " b "}, {"=v", "", "v"}, {"no sign", "", ""}, {"k=", "k", ""}};
    for (const Case& c : cases) {
        std::string name = "stale", value = "stale";
        SplitNameValue(c.line, name, value);
        EXPECT_EQ(name, c.name) << c.line;
        EXPECT_EQ(value, c.value) << c.line;
    }
    std::u16string name, value;
    SplitNameValueW(u"fontname=ＭＳ ゴシック=1", name, value);
    EXPECT_EQ(name, u"fontname");
    EXPECT_EQ(value, u"ＭＳ ゴシック=1");
}

TEST(ReadmeLinksTest, FindsWebAndMailAddresses) {
    struct Case {
        std::u16string text;
        std::vector<std::u16string> links;
    } cases[] = {
        {u"See https://example.org/a?b=1#c for more.", {u"https://example.org/a?b=1#c"}},
        {u"HTTP://X.ORG, ftp://f.example/x; mailto:me@example.org!",
         {u"HTTP://X.ORG", u"ftp://f.example/x", u"mailto:me@example.org"}},
        {u"www.example.com.", {u"www.example.com"}},
        {u"(see https://w.example/a_(b)) and [www.q.example]", {u"https://w.example/a_(b)", u"www.q.example"}},
        {u"最新版はhttps://example.jp/です", {u"https://example.jp/"}},
        {u"<http://a.example/>\"x\"", {u"http://a.example/"}},
        {u"line1 http://a.example\nhttp://b.example", {u"http://a.example", u"http://b.example"}},
        {u"xhttp://no.example notwww.example.com http: www. mailto:", {}},
        {u"gopher://a.example file:///etc news:x", {}},
        {u"https://x.example/'quoted'", {u"https://x.example/'quoted"}},
    };
    for (const Case& c : cases) {
        std::vector<std::u16string> found;
        for (const TLinkRange& r : FindLinks(c.text)) found.push_back(c.text.substr(r.Start, r.Length));
        EXPECT_EQ(found, c.links);
    }
}

TEST(ReadmeLinksTest, LongRunsStayLinear) {
    std::u16string closing = u"http://a.example/" + std::u16string(200000, u')');
    const std::vector<TLinkRange> links = FindLinks(closing);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].Length, 17u);
    std::u16string many;
    for (int i = 0; i < 20000; ++i) many += u"www.e.x ";
    EXPECT_EQ(FindLinks(many).size(), 20000u);
}

}  // namespace
}  // namespace qv::test
