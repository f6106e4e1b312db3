#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/TAnsiStringList.h"
#include "platform/TMemoryStream.h"
#include "platform/TUnicodeStringList.h"
#include "tests/text/CodePageScope.h"
#include "tests/text/TempFolder.h"

namespace qv {
namespace {

using test::CodePageScope;
using Lines16 = std::vector<std::u16string>;
using Lines8 = std::vector<std::string>;

Bytes Raw(std::string_view s) { return Bytes(s.begin(), s.end()); }

Bytes Le(std::u16string_view text) {
    Bytes out{0xFF, 0xFE};
    AppendUtf16LE(text, out);
    return out;
}

Bytes Be(std::u16string_view text) {
    Bytes out{0xFE, 0xFF};
    AppendUtf16BE(text, out);
    return out;
}

Bytes Utf8Marked(std::string_view text) { return Raw("\xEF\xBB\xBF" + std::string(text)); }

Lines16 LoadUnicode(const Bytes& data) {
    TUnicodeStringList list;
    list.LoadFromBytes(data);
    return list.Lines();
}

struct UnicodeCase {
    const char* name;
    Bytes data;
    Lines16 expected;
};

TEST(UnicodeStringList, ReaderDetectsTheMarkAndSplitsAtEveryBreak) {
    CodePageScope scope("UTF-8");
    const std::u16string mixed = u"a\r\nb\rc\nd\u2028e";
    const std::string mixed8 = "a\r\nb\rc\nd\xE2\x80\xA8" "e";
    const Lines16 abcde = {u"a", u"b", u"c", u"d", u"e"};
    const std::vector<UnicodeCase> cases = {
        {"UTF-16LE", Le(mixed), abcde},
        {"UTF-16BE", Be(mixed), abcde},
        {"UTF-8 with mark", Utf8Marked(mixed8), abcde},
        {"system code page", Raw(mixed8), abcde},
        {"mark only LE", Le(u""), {}},
        {"mark only BE", Be(u""), {}},
        {"mark only UTF-8", Utf8Marked(""), {}},
        {"empty file", {}, {}},
        {"final CR LF", Le(u"a\r\n"), {u"a"}},
        {"final CR", Le(u"a\r"), {u"a"}},
        {"final U+2028", Le(u"a\u2028"), {u"a"}},
        {"two final breaks", Le(u"a\r\n\r\n"), {u"a", u""}},
        {"one empty line", Le(u"\r\n"), {u""}},
        {"LF then CR is two breaks", Le(u"\n\r"), {u"", u""}},
        {"CR then CR LF", Le(u"x\r\r\ny"), {u"x", u"", u"y"}},
        {"no final break", Le(u"a\r\nb"), {u"a", u"b"}},
        {"NUL ends LE text", Le(std::u16string(u"a\0b\r\nc", 6)), {u"a"}},
        {"NUL ends BE text", Be(std::u16string(u"p\r\nq\0r", 6)), {u"p", u"q"}},
        {"NUL ends UTF-8 text", Utf8Marked(std::string("x\0y", 3)), {u"x"}},
        {"NUL ends system text", Raw(std::string("p\r\n\0q", 5)), {u"p"}},
        {"odd last byte LE", Raw(std::string("\xFF\xFE" "a\0b", 5)), {u"a"}},
        {"odd last byte BE", Raw(std::string("\xFE\xFF\0a\0", 5)), {u"a"}},
        {"a second mark is text", Le(u"\uFEFFa"), {u"\uFEFFa"}},
        {"lone surrogate kept", Le(u"\xDC00"), {u"\xDC00"}},
        {"bad UTF-8 after the mark", Utf8Marked("a\xFF"), {u"a\uFFFD"}},
        {"one byte", Raw("\xFF"), {u"\uFFFD"}},
        {"UTF-16 without a mark is system text", Raw(std::string("a\0", 2)), {u"a"}},
    };
    for (const UnicodeCase& c : cases) EXPECT_EQ(LoadUnicode(c.data), c.expected) << c.name;
}

TEST(UnicodeStringList, ReaderUsesCp932ForTextWithoutAMark) {
    CodePageScope scope("CP932");
    EXPECT_EQ(LoadUnicode(Raw("\x93\xFA\x96\x7B\r\n\x8C\xEA")), (Lines16{u"日本", u"語"}));
    // A mark still wins over the code page.
    EXPECT_EQ(LoadUnicode(Utf8Marked("\xE6\x97\xA5")), (Lines16{u"日"}));
    EXPECT_EQ(LoadUnicode(Le(u"日")), (Lines16{u"日"}));
}

TEST(UnicodeStringList, WriterPutsTheMarkAndCrLfAfterEveryLine) {
    struct Case {
        Lines16 lines;
        Bytes expected;
    } cases[] = {
        {{}, {0xFF, 0xFE}},
        {{u""}, {0xFF, 0xFE, 0x0D, 0x00, 0x0A, 0x00}},
        {{u"a", u"\u65E5"}, {0xFF, 0xFE, 0x61, 0x00, 0x0D, 0x00, 0x0A, 0x00, 0xE5, 0x65, 0x0D, 0x00, 0x0A, 0x00}},
        {{u"\U0001F600"}, {0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE, 0x0D, 0x00, 0x0A, 0x00}},
    };
    for (const Case& c : cases) {
        TUnicodeStringList list;
        for (const auto& line : c.lines) list.Add(line);
        EXPECT_EQ(list.SaveToBytes(), c.expected) << c.lines.size() << " lines";
        EXPECT_EQ(LoadUnicode(list.SaveToBytes()), c.lines);
    }
}

TEST(AnsiStringList, ReaderKeepsMarksAndSplitsAtCrLfCrAndLf) {
    struct Case {
        const char* name;
        std::string data;
        Lines8 expected;
    } cases[] = {
        {"breaks", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"UTF-8 mark is text", "\xEF\xBB\xBFk=v\r\n", {"\xEF\xBB\xBFk=v"}},
        {"UTF-16 mark is text", "\xFF\xFEz", {"\xFF\xFEz"}},
        {"U+2028 is no break", "a\xE2\x80\xA8" "b", {"a\xE2\x80\xA8" "b"}},
        {"final break", "a\r\n", {"a"}},
        {"two final breaks", "a\n\n", {"a", ""}},
        {"one empty line", "\r\n", {""}},
        {"empty", "", {}},
        {"NUL ends the text", std::string("x\r\ny\0z\r\nw", 9), {"x", "y"}},
        {"CP932 bytes pass unchanged", "\x95\x5C\r\n", {"\x95\x5C"}},
    };
    for (const Case& c : cases) {
        TAnsiStringList list;
        list.LoadFromBytes(Raw(c.data));
        EXPECT_EQ(list.Lines(), c.expected) << c.name;
    }
}

TEST(AnsiStringList, WriterPutsCrLfAfterEveryLine) {
    TAnsiStringList list;
    EXPECT_EQ(list.SaveToBytes(), Bytes{});
    list.Add("packname=x");
    list.Add("");
    list.Add("\x93\xFA");
    EXPECT_EQ(list.SaveToBytes(), Raw("packname=x\r\n\r\n\x93\xFA\r\n"));
}

TEST(TextList, TextJoinsWithCrLfAndSetTextSplitsByTheReaderRules) {
    TUnicodeStringList list;
    list.SetText(u"a\r\nb\u2028c\n");
    EXPECT_EQ(list.Lines(), (Lines16{u"a", u"b", u"c"}));
    EXPECT_EQ(list.Text(), u"a\r\nb\r\nc\r\n");
    list.SetText(std::u16string_view(u"x\0y", 3));
    EXPECT_EQ(list.Lines(), (Lines16{u"x"}));

    TAnsiStringList ansi;
    ansi.SetText("1\r2\n\n");
    EXPECT_EQ(ansi.Lines(), (Lines8{"1", "2", ""}));
    EXPECT_EQ(ansi.Text(), "1\r\n2\r\n\r\n");
    ansi.SetText("");
    EXPECT_EQ(ansi.Count(), 0);
    EXPECT_EQ(ansi.Text(), "");
}

TEST(TextList, EditingKeepsOrderAndRejectsIndexesOutside) {
    TAnsiStringList list;
    EXPECT_EQ(list.Add("b"), 0);
    list.Insert(0, "a");
    list.Insert(2, "d");
    list.Insert(2, "c");
    EXPECT_EQ(list.Lines(), (Lines8{"a", "b", "c", "d"}));
    list.Delete(1);
    list.SetStrings(0, "A");
    EXPECT_EQ(list.Lines(), (Lines8{"A", "c", "d"}));
    EXPECT_EQ(list[2], "d");
    EXPECT_EQ(list.IndexOf("C"), 1);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("C"), -1);

    for (int bad : {-1, 3, 100}) {
        EXPECT_THROW(list.Strings(bad), EListError) << bad;
        EXPECT_THROW(list.Delete(bad), EListError) << bad;
        EXPECT_THROW(list.SetStrings(bad, "x"), EListError) << bad;
    }
    EXPECT_THROW(list.Insert(4, "x"), EListError);
    EXPECT_THROW(list.Insert(-1, "x"), EListError);
    try {
        list.Strings(5);
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (5)");
    }
    EXPECT_EQ(list.Count(), 3);
}

class TextListFiles : public testing::Test {
protected:
    test::TempFolder FFolder;
    const std::string FDir = FFolder.Path();
};

TEST_F(TextListFiles, FilesAndStreamsCarryTheSameBytes) {
    TUnicodeStringList list;
    list.Add(u"日本語");
    list.Add(u"");
    const std::string path = FDir + "/lang.txt";
    list.SaveToFile(path);
    EXPECT_EQ(ReadWholeFile(path), list.SaveToBytes());

    TUnicodeStringList again;
    again.LoadFromFile(path);
    EXPECT_EQ(again.Lines(), list.Lines());

    // A stream is read from its position on.
    TMemoryStream stream;
    stream.Write("junk", 4);
    list.SaveToStream(stream);
    EXPECT_EQ(stream.Size(), 4 + list.SaveToBytes().size());
    stream.SetPosition(4);
    TUnicodeStringList fromStream;
    fromStream.LoadFromStream(stream);
    EXPECT_EQ(fromStream.Lines(), list.Lines());

    EXPECT_THROW(again.LoadFromFile(FDir + "/missing.txt"), EFOpenError);
    EXPECT_THROW(list.SaveToFile(FDir + "/no/such/folder.txt"), EFCreateError);
}

TEST_F(TextListFiles, LargeTextLoadsWhole) {
    std::u16string text;
    for (int i = 0; i < 200000; ++i) text += u"line " + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + u"\r\n";
    const std::string path = FDir + "/readme.txt";
    WriteWholeFile(path, Le(text));
    TUnicodeStringList list;
    list.LoadFromFile(path);
    ASSERT_EQ(list.Count(), 200000);
    EXPECT_EQ(list[199999], u"line h");  // 199999 % 26 == 7
    EXPECT_EQ(list.Text(), text);
}


// The sample files under tests/data/valid/text, written the way other programs write them.
std::string Sample(const char* name) { return std::string(QV_TEST_DATA "/valid/text/") + name; }

TEST(SampleFiles, OneLanguageTextInThreeEncodingsReadsTheSame) {
    CodePageScope scope("UTF-8");
    TUnicodeStringList le, be, utf8;
    le.LoadFromFile(Sample("lang0_sys_utf16le.txt"));
    be.LoadFromFile(Sample("lang0_sys_utf16be.txt"));
    utf8.LoadFromFile(Sample("lang0_sys_utf8.txt"));
    EXPECT_EQ(le.Count(), 4);
    EXPECT_EQ(be.Lines(), le.Lines());
    EXPECT_EQ(utf8.Lines(), le.Lines());
    EXPECT_EQ(le.Values(u"LabelDragDrop"), u"ここにドラッグ");
    le.SetCaseSensitive(true);
    EXPECT_EQ(le.Values(u"LabelDragDrop"), u"");
    EXPECT_EQ(le.Values(u"fontsize"), u"9");

    TUnicodeStringList languages;
    languages.LoadFromFile(Sample("iconpacklang_mixed_breaks.txt"));
    EXPECT_EQ(languages.Lines(), (Lines16{u"日本語", u"English", u"한국어", u"中文"}));
}

TEST(SampleFiles, PackageInformationWrittenInCp932) {
    CodePageScope scope("CP932");
    TAnsiStringList info;
    info.LoadFromFile(Sample("iconpackinfo_cp932.txt"));
    EXPECT_EQ(AnsiToUnicode(info.Values("packname")), u"テスト=パック");
    EXPECT_EQ(AnsiToUnicode(info.Values("ICONNAME0")), u"表.ico");
    EXPECT_EQ(info.Values("iconcount"), "2");
    EXPECT_EQ(info.SaveToBytes(), ReadWholeFile(Sample("iconpackinfo_cp932.txt")));
}

}  // namespace
}  // namespace qv
