// The language page's rows and the conversion between them and a language's interface text;
// the four language templates delivered beside the builder.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "builder/TLanguagePage.h"
#include "builder/core/LanguageTextKeys.h"
#include "platform/FileIO.h"
#include "platform/TUnicodeStringList.h"
#include "tests/builder/BuilderWindowFixture.h"

namespace qv {
namespace {

using test::BuilderWindowTest;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

TEST_F(BuilderWindowTest, EveryRowHasItsLabelBesideItsField) {
    auto w = MakeWindow();
    w->pgcMain->setCurrentIndex(1);
    QTest::qWait(1);
    TLanguagePage& page = w->LanguagePage();
    EXPECT_EQ(page.wseFontSize->minimum(), 8);
    EXPECT_EQ(page.wseFontSize->maximum(), 36);
    EXPECT_EQ(page.wseFontSize->singleStep(), 1);
    EXPECT_EQ(page.tntbtnRefFontName->text(), U("フォント(&F)..."));
    EXPECT_EQ(page.tntbtnAddLang->text(), U("編集(&E)..."));
    EXPECT_FALSE(page.tntcboLanguage->isEditable());
    EXPECT_EQ(page.FieldsWidth(), 376);
    for (const TLanguageTextKey& key : LanguageTextKeys()) {
        SCOPED_TRACE(key.Key);
        QWidget* field = page.findChild<QWidget*>(QString::fromLatin1(key.ControlName));
        ASSERT_NE(field, nullptr);
        QLabel* label = nullptr;
        for (QLabel* l : page.findChildren<QLabel*>())
            if (l->text() == U(key.Label)) label = l;
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
        const int labelRow = label->mapTo(&page, label->rect().center()).y();
        const int fieldRow = field->mapTo(&page, field->rect().center()).y();
        EXPECT_LE(std::abs(labelRow - fieldRow), 4);
    }
}

TEST_F(BuilderWindowTest, PageToDataWritesTheKeysInOrderAndLeavesEmptyOnesOut) {
    auto w = MakeWindow();
    TLanguagePage& page = w->LanguagePage();
    page.SetTexts(u"", u"");
    page.wseFontSize->setValue(20);
    page.TextField(17)->setText(QStringLiteral("Error"));
    page.TextField(0)->setText(QStringLiteral("Drop = here"));
    page.tnttxtReadme->setPlainText(QStringLiteral("a\nb"));
    w->LanguagePageToData();
    EXPECT_EQ(w->SysTexts()[0], u"fontsize=20\r\nlabeldragdrop=Drop = here\r\ntitleerror=Error\r\n");
    EXPECT_EQ(w->ReadmeTexts()[0], u"a\r\nb");
}

TEST_F(BuilderWindowTest, DataToPageReadsKeysWithoutRegardToCase) {
    auto w = MakeWindow();
    TLanguagePage& page = w->LanguagePage();
    struct TCase {
        std::u16string Text;
        QString FontName;
        int FontSize;
    } cases[] = {
        {u"FONTNAME=Noto Sans\r\nFontSize=14\r\nbuttonyes=Ja\r\nunknown=x\r\n", QStringLiteral("Noto Sans"), 14},
        {u"fontsize=big\r\n", QString(), 9},
        {u"fontsize=99\r\n", QString(), 36},
        {u"", QString(), 9},
    };
    for (const TCase& c : cases) {
        page.SetTexts(c.Text, u"read\r\nme\r\n");
        EXPECT_EQ(page.tnttxtFontName->text(), c.FontName);
        EXPECT_EQ(page.wseFontSize->value(), c.FontSize);
        EXPECT_EQ(page.tnttxtReadme->toPlainText(), QStringLiteral("read\nme\n"));
    }
    page.SetTexts(cases[0].Text, u"");
    EXPECT_EQ(page.TextField(9)->text(), QStringLiteral("Ja"));
    EXPECT_EQ(page.TextField(10)->text(), QString());
    EXPECT_EQ(page.SysText(), u"fontname=Noto Sans\r\nfontsize=14\r\nbuttonYes=Ja\r\n") << "unknown keys do not survive";
}

TEST_F(BuilderWindowTest, EveryFieldOfThePageMarksTheLanguageEdited) {
    auto w = MakeWindow();
    TLanguagePage& page = w->LanguagePage();
    std::vector<std::function<void()>> edits{[&] { page.tnttxtFontName->setText(QStringLiteral("x")); },
                                             [&] { page.wseFontSize->setValue(page.wseFontSize->value() + 1); },
                                             [&] { page.tnttxtReadme->setPlainText(QStringLiteral("x")); }};
    for (int i = 0; i < kLanguageTextFields; ++i) edits.push_back([&page, i] { page.TextField(i)->setText(QStringLiteral("x")); });
    for (size_t i = 0; i < edits.size(); ++i) {
        w->SetSaved();
        w->tntcboLanguageEnter();  // stores the page and clears the edited mark
        ASSERT_FALSE(w->LangPageEdited());
        edits[i]();
        EXPECT_TRUE(w->LangPageEdited()) << "edit " << i;
        EXPECT_TRUE(w->Modified()) << "edit " << i;
    }
}

TEST_F(BuilderWindowTest, TheFontButtonTakesTheChosenFont) {
    auto w = MakeWindow();
    TLanguagePage& page = w->LanguagePage();
    FSeams.PushFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    page.tntbtnRefFontName->click();
    EXPECT_EQ(page.tnttxtFontName->text(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(page.wseFontSize->value(), 14);
    const std::vector<TSeamCall> fonts = Calls(TSeamKind::ChooseFont);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_TRUE(fonts[0].Args[1].startsWith(QStringLiteral("Noto Sans CJK JP,9"))) << fonts[0].Args[1].toStdString();
    FSeams.PushFontCancelled();
    page.tntbtnRefFontName->click();
    EXPECT_EQ(page.tnttxtFontName->text(), QStringLiteral("DejaVu Sans"));
}

TEST(LanguageTemplates, EachIsAUnicodeListWithAllTwentyKeys) {
    const std::pair<const char*, const char*> templates[] = {{"japanese_sys.dat", "Noto Sans CJK JP"},
                                                             {"english_sys.dat", "DejaVu Sans"},
                                                             {"korean_sys.dat", "Noto Sans CJK KR"},
                                                             {"chinese_sys.dat", "Noto Sans CJK SC"}};
    for (const auto& [name, font] : templates) {
        SCOPED_TRACE(name);
        const Bytes file = ReadWholeFile(std::string(QV_BIN_DIR) + "/" + name);
        ASSERT_GE(file.size(), 6u);
        EXPECT_EQ(file[0], 0xFF);
        EXPECT_EQ(file[1], 0xFE);
        EXPECT_EQ(Bytes(file.end() - 4, file.end()), (Bytes{0x0D, 0x00, 0x0A, 0x00}));
        TUnicodeStringList list;
        list.LoadFromBytes(file);
        ASSERT_EQ(list.Count(), kLanguageTextKeys);
        for (int i = 0; i < kLanguageTextKeys; ++i) {
            EXPECT_EQ(list.Names(i), QString::fromLatin1(LanguageTextKeys()[size_t(i)].Key).toStdU16String());
            EXPECT_FALSE(list.ValueFromIndex(i).empty()) << LanguageTextKeys()[size_t(i)].Key;
        }
        EXPECT_EQ(list.Values(u"fontname"), QString::fromLatin1(font).toStdU16String());
        EXPECT_EQ(list.Values(u"fontsize"), u"9");
        for (const char16_t* format : {u"confirmmakefolder", u"errormakefolder", u"confirmoverwrite", u"errormakefile"})
            EXPECT_NE(list.Values(format).find(u"%s"), std::u16string::npos);
    }
}

}  // namespace
}  // namespace qv
