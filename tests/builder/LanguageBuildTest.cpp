// Languages edited in the dialog reach the package: the project is saved, built with quorcomp and
// the package carries every language's texts, also after templates in every encoding, a binary
// and a very large template, a thousand languages and names with line breaks.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QComboBox>

#include <cstdlib>
#include <functional>

#include "builder/BuilderText.h"
#include "builder/TLanguagePage.h"
#include "builder/TfrmEditLanguageList.h"
#include "common/ui/TModalDialogDriver.h"
#include "platform/FileIO.h"
#include "platform/ResId.h"
#include "platform/TModuleResources.h"
#include "platform/TUnicodeStringList.h"
#include "tests/builder/BuilderWindowFixture.h"
#include "tests/support/TestProject.h"
#include "tests/text/CodePageScope.h"

namespace qv {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The languages a package carries: names and, per language, interface text and read-me.
struct TPackageLanguages {
    std::vector<std::u16string> Names;
    std::vector<std::u16string> SysTexts;
    std::vector<std::u16string> Readmes;
};

class LanguageBuildTest : public test::BuilderWindowTest {
protected:
    // Opens the two-language test project, runs act inside the language list dialog, closes it
    // and saves the project.
    std::unique_ptr<TfrmBuilderMain> EditAndSave(const std::function<void(TfrmEditLanguageList&)>& act) {
        FProject.WriteDefault();
        auto w = MakeWindow({FProject.ProjectPath()});
        const auto outcome = TModalDialogDriver::PressButton(
            QStringLiteral("tntbtnClose"), [&act](QWidget& window) { act(static_cast<TfrmEditLanguageList&>(window)); });
        w->LanguagePage().tntbtnAddLang->click();
        EXPECT_TRUE(outcome->Seen);
        w->Action("actSaveProjectFile")->trigger();
        EXPECT_FALSE(w->Modified());
        EXPECT_TRUE(Calls(TSeamKind::ErrorBox).empty());
        return w;
    }
    static void Add(TfrmEditLanguageList& d, const QString& name, const QString& templateName) {
        d.tnttxtLangName->setText(name);
        d.tntcboTemplate->setEditText(templateName);
        d.tntbtnAddLang->click();
    }
    // Built with quorcomp; the languages read back from the package.
    TPackageLanguages Build() {
        const std::string package = Work() + "languages.run";
        const std::string command =
            std::string(QV_BIN_DIR) + "/quorcomp '" + FProject.ProjectPath() + "' '" + package + "' >/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0);
        const TModuleResources res = TModuleResources::FromFile(package);
        EXPECT_TRUE(res.Problems().empty());
        TPackageLanguages out;
        out.Names = Resource(res, "ICONPACKLANG").Lines();
        for (size_t j = 0; j < out.Names.size(); ++j) {
            out.SysTexts.push_back(Resource(res, "LANG" + std::to_string(j) + "_SYS").Text());
            out.Readmes.push_back(Resource(res, "LANG" + std::to_string(j) + "_README").Text());
        }
        return out;
    }
    static TUnicodeStringList Resource(const TModuleResources& res, const std::string& name) {
        TUnicodeStringList list;
        const ResEntry* entry = res.Find(ResId::Number(10), ResId::Name(name));
        EXPECT_NE(entry, nullptr) << name;
        if (entry) list.LoadFromBytes(entry->data);
        return list;
    }
    static std::u16string Template(const std::string& path) {
        TUnicodeStringList list;
        list.LoadFromFile(path);
        return list.Text();
    }

    test::TestProject FProject;
};

TEST_F(LanguageBuildTest, AThirdLanguageFromTheKoreanTemplateReachesThePackage) {
    auto w = EditAndSave([](TfrmEditLanguageList& d) { Add(d, U("한국어"), QStringLiteral("korean_sys.dat")); });
    const TPackageLanguages package = Build();
    ASSERT_EQ(package.Names, (std::vector<std::u16string>{u"日本語", u"English", u"한국어"}));
    const std::u16string korean = Template(ProgramDir() + "korean_sys.dat");
    EXPECT_EQ(package.SysTexts[2], korean);
    EXPECT_NE(korean.find(u"buttoncopyto=폴더로 복사(&C)..."), std::u16string::npos);
    EXPECT_EQ(package.Readmes[2], u"");
    EXPECT_EQ(package.SysTexts[1], u"fontname=Noto Sans\r\nfontsize=9\r\nbuttonYes=Yes\r\n");
    EXPECT_EQ(package.Readmes[0], u"読んでください。\r\n");
}

TEST_F(LanguageBuildTest, TemplatesInEveryEncodingAndBinaryOnesBuild) {
    test::CodePageScope codePage("CP932");
    const struct {
        const char* File;
        Bytes Data;
        std::u16string Text;
    } templates[] = {
        {"utf8bom.dat", {0xEF, 0xBB, 0xBF, 'b', 'u', 't', 't', 'o', 'n', 'Y', 'e', 's', '=', 0xEC, 0x98, 0x88}, u"buttonYes=예\r\n"},
        {"utf16le.dat", {0xFF, 0xFE, 'a', 0, '=', 0, 0x08, 0xC6}, u"a=예\r\n"},
        {"utf16be.dat", {0xFE, 0xFF, 0, 'a', 0, '=', 0xC6, 0x08}, u"a=예\r\n"},
        {"cp932.dat", {'a', '=', 0x82, 0xCD, 0x82, 0xA2}, u"a=はい\r\n"},
        {"binary.dat", {0x4D, 0x5A, 0x90, 0xFF, 0x0A, 0x00, 0x01, 0x02}, u"MZ\uFFFD\uFFFD\r\n"},
    };
    for (const auto& t : templates) WriteWholeFile(Work() + t.File, t.Data);
    EditAndSave([this, &templates](TfrmEditLanguageList& d) {
        for (const auto& t : templates) Add(d, QString::fromLatin1(t.File), PathToQ(Work() + t.File));
    });
    const TPackageLanguages package = Build();
    ASSERT_EQ(package.Names.size(), 7u);
    for (size_t i = 0; i < std::size(templates); ++i) {
        EXPECT_EQ(package.Names[i + 2], QString::fromLatin1(templates[i].File).toStdU16String());
        EXPECT_EQ(package.SysTexts[i + 2], templates[i].Text) << templates[i].File;
    }
}

TEST_F(LanguageBuildTest, AThousandLanguagesAndNamesWithLineBreaksBuild) {
    EditAndSave([](TfrmEditLanguageList& d) {
        for (int i = 0; i < 997; ++i) Add(d, QStringLiteral("L%1").arg(i), QStringLiteral("english_sys.dat"));
        Add(d, QStringLiteral("line\nbreak"), QStringLiteral("nosuch.dat"));
    });
    const TPackageLanguages package = Build();
    ASSERT_EQ(package.Names.size(), 1000u);
    EXPECT_EQ(package.Names[998], u"L996");
    EXPECT_EQ(package.Names[999], u"line break");
    EXPECT_EQ(package.SysTexts[998], Template(ProgramDir() + "english_sys.dat"));
    EXPECT_EQ(package.SysTexts[999], u"fontname=Tahoma\r\nfontsize=9\r\n");
}

TEST_F(LanguageBuildTest, AFiftyMegabyteTemplateIsTakenWholeAndBuilt) {
    std::string big = "fontname=Big\r\n";
    const std::string line = "labeldragdrop=" + std::string(100, 'x') + "\r\n";
    while (big.size() < 50u * 1024 * 1024) big += line;
    WriteWholeFile(Work() + "big.txt", Bytes(big.begin(), big.end()));
    EditAndSave([this](TfrmEditLanguageList& d) { Add(d, QStringLiteral("Big"), PathToQ(Work() + "big.txt")); });
    const TPackageLanguages package = Build();
    ASSERT_EQ(package.Names, (std::vector<std::u16string>{u"日本語", u"English", u"Big"}));
    EXPECT_EQ(package.SysTexts[2].size(), big.size());
    EXPECT_EQ(package.SysTexts[2].substr(0, 14), u"fontname=Big\r\n");
}

}  // namespace
}  // namespace qv
