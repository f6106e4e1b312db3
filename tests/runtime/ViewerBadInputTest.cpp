// Damaged and hostile packages: every failing step is reported once in the standard error box,
// the window opens with what was done, nothing crashes, hangs or allocates for a count alone.
#include <QComboBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <sys/resource.h>

#include <filesystem>

#include "platform/FileIO.h"
#include "runtime/TBannerImage.h"
#include "ViewerTestSupport.h"

namespace qv::test {
namespace {

class ViewerBadInputTest : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        FProject.WriteInfo({"packname=Bad", "agreebutton=False", "iconcount=3", "iconname0=a.ico", "iconname1=b.ico",
                            "iconname2=c.ico"});
    }
    // The messages of the error boxes, each checked to hold the expected part.
    void ExpectErrors(const std::vector<std::string>& parts) {
        const QStringList shown = ErrorBoxes();
        ASSERT_EQ(size_t(shown.size()), parts.size()) << shown.join('\n').toStdString();
        for (size_t i = 0; i < parts.size(); ++i)
            EXPECT_TRUE(shown[int(i)].contains(QString::fromStdString(parts[i]))) << shown[int(i)].toStdString();
    }
};

TEST_F(ViewerBadInputTest, MissingResourcesEndTheCreationWhereTheyAreNeeded) {
    struct Case {
        const char* removed;
        uint16_t type;
        std::vector<std::string> errors;  // creation, then the first showing
        bool title, banner, languages;
        int icons;
    } cases[] = {
        {"ICONPACKINFO", RT_RCDATA, {"ICONPACKINFO", "LANG-1_README"}, false, false, false, 0},
        {"ICONPACKLANG", RT_RCDATA, {"ICONPACKLANG", "LANG-1_README"}, true, true, false, 0},
        {"_ICONPACK1", RT_GROUP_ICON, {"アイコンの読み込みに失敗"}, true, true, true, 1},
    };
    for (const Case& c : cases) {
        const std::string package = Build();
        EditPackage(package, [&](TResources& r) { RemoveResource(r, c.type, c.removed); });
        FSeams.ClearCalls();
        Open(package);
        ExpectErrors(c.errors);
        EXPECT_EQ(Form().windowTitle() == "Bad", c.title) << c.removed;
        EXPECT_EQ(Form().tntimgBanner->isVisible(), c.banner) << c.removed;
        EXPECT_EQ(Form().tntcboIconPackLang->count() == 2, c.languages) << c.removed;
        EXPECT_EQ(Form().tntlvIcon->count(), c.icons) << c.removed;
        EXPECT_FALSE(Form().ReadmeLinksActive()) << c.removed;
        EXPECT_TRUE(Form().isVisible());
    }
}

TEST_F(ViewerBadInputTest, DamagedValuesGroupsAndNames) {
    struct Case {
        const char* what;
        std::string info;          // replaces ICONPACKINFO when not empty
        const char* damagedGroup;  // truncated to 5 bytes when set
        std::vector<std::string> errors;
        int icons;
    } cases[] = {
        // The language list comes after the information, so the first showing finds no language.
        {"non-numeric value",
         "packname=Bad\r\nshowiconbit=abc\r\niconcount=3\r\n",
         nullptr,
         {"'abc' is not a valid integer value", "LANG-1_README"},
         0},
        {"damaged group", "", "_ICONPACK2", {"アイコンの読み込みに失敗"}, 2},
        {"a name short",
         "iconcount=3\r\niconname0=a.ico\r\niconname1=b.ico\r\n",
         nullptr,
         {"List index out of bounds (2)"},
         2},
    };
    for (const Case& c : cases) {
        const std::string package = Build();
        EditPackage(package, [&](TResources& r) {
            if (!c.info.empty()) SetRawData(r, "ICONPACKINFO", AnsiText(c.info));
            if (c.damagedGroup) FindResource(r, RT_GROUP_ICON, c.damagedGroup)->data.resize(5);
        });
        FSeams.ClearCalls();
        Open(package);
        ExpectErrors(c.errors);
        EXPECT_EQ(Form().tntlvIcon->count(), c.icons) << c.what;
    }
}

TEST_F(ViewerBadInputTest, AHugeIconCountAllocatesNothingUpFront) {
    const std::string package = Build();
    EditPackage(package, [](TResources& r) {
        SetRawData(r, "ICONPACKINFO",
                   AnsiText("iconcount=2147483647\r\niconname0=a.ico\r\niconname1=b.ico\r\niconname2=c.ico\r\n"));
    });
    rusage before{};
    ::getrusage(RUSAGE_SELF, &before);
    Open(package);
    rusage after{};
    ::getrusage(RUSAGE_SELF, &after);
    ExpectErrors({"アイコンの読み込みに失敗"});  // the fourth group is not there
    EXPECT_EQ(Form().tntlvIcon->count(), 3);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 200 * 1024) << "kilobytes more at the peak";
}

TEST_F(ViewerBadInputTest, TruncatedOrForeignFilesGiveErrorsNotCrashes) {
    const std::string package = Build();
    Bytes file = ReadWholeFile(package);
    struct Case {
        const char* what;
        Bytes data;
    } cases[] = {
        {"overlay cut short", Bytes(file.begin(), file.end() - 100)},
        {"trailer pointing before the file",
         [&] {
             Bytes b = file;
             for (size_t i = b.size() - 8; i < b.size(); ++i) b[i] = 0xFF;
             return b;
         }()},
        {"no package at all", AnsiText("just some text, not a program")},
        {"empty file", Bytes()},
    };
    for (const Case& c : cases) {
        WriteWholeFile(package, c.data);
        FSeams.ClearCalls();
        Open(package);
        EXPECT_FALSE(ErrorBoxes().isEmpty()) << c.what;
        EXPECT_LE(ErrorBoxes().size(), 2) << c.what;  // once for the creation, once for the showing
        EXPECT_EQ(Form().tntlvIcon->count(), 0) << c.what;
    }
}

TEST_F(ViewerBadInputTest, ATenMegabyteReadmeAndTenThousandLanguagesOpen) {
    std::u16string readme;
    const std::u16string line =
        u"A line of the read-me with a link https://example.org/page and more text after it.\r\n";
    while (readme.size() * 2 < 10 * 1024 * 1024) readme += line;
    std::u16string languages;
    for (int i = 0; i < 10000; ++i) languages += u"Language " + std::u16string(1, char16_t(u'A' + i % 26)) + u"\r\n";
    const std::string package = Build();
    EditPackage(package, [&](TResources& r) {
        SetRawData(r, "LANG0_README", Utf16Text(readme));
        SetRawData(r, "ICONPACKLANG", Utf16Text(languages));
    });
    QElapsedTimer timer;
    timer.start();
    Open(package);
    EXPECT_TRUE(ErrorBoxes().isEmpty()) << ErrorBoxes().join('\n').toStdString();
    EXPECT_EQ(Form().tntcboIconPackLang->count(), 10000);
    EXPECT_EQ(Form().tnttxtReadme->document()->blockCount(), int(readme.size() / line.size()));
    EXPECT_LT(timer.elapsed(), 60000) << "milliseconds to open";
    // Languages without texts of their own are reported when picked.
    PickLanguage(9999);
    ExpectErrors({"LANG9999_README"});
}

}  // namespace
}  // namespace qv::test
