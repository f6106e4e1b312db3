// Editing the languages: the page and the project's texts kept in step while the shown language
// changes, and the language list dialog with its own copy of the languages, its template list and
// the take-over into the project.
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QMouseEvent>
#include <QMimeData>
#include <QUrl>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QScrollArea>
#include <QSplitter>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#include "builder/BuilderText.h"
#include "builder/TLanguagePage.h"
#include "builder/TfrmEditLanguageList.h"
#include "builder/core/LanguageTemplates.h"
#include "common/ui/TModalDialogDriver.h"
#include "platform/FileIO.h"
#include "platform/TIniFile.h"
#include "platform/TUnicodeStringList.h"
#include "tests/builder/BuilderWindowFixture.h"
#include "tests/support/TestProject.h"

namespace qv {
namespace {

using test::TestProject;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

std::u16string TemplateText(const std::string& path) {
    TUnicodeStringList list;
    list.LoadFromFile(path);
    return list.Text();
}

class LanguageListTest : public test::BuilderWindowTest {
protected:
    QStringList Selector(TfrmBuilderMain& w) const {
        QStringList names;
        QComboBox* selector = w.LanguagePage().tntcboLanguage;
        for (int i = 0; i < selector->count(); ++i) names << selector->itemText(i);
        return names;
    }
    // The dialog of a shown window, holding the languages A, B and C with texts "sysA", "readA"...
    TfrmEditLanguageList& DialogWithABC(TfrmBuilderMain& w) const {
        TfrmEditLanguageList& d = w.EditLanguageList();
        d.SetLanguages({"A", "B", "C"}, {u"sysA", u"sysB", u"sysC"}, {u"readA", u"readB", u"readC"});
        return d;
    }
    static void Select(TfrmEditLanguageList& d, int row) {
        d.tntlstLangList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    static void Add(TfrmEditLanguageList& d, const QString& name, const QString& templateName) {
        d.tnttxtLangName->setText(name);
        d.tntcboTemplate->setEditText(templateName);
        d.tntbtnAddLang->click();
    }
    // The window's edit button opens the dialog; act runs inside it, then the close button ends it.
    static void EditLanguages(TfrmBuilderMain& w, const std::function<void(TfrmEditLanguageList&)>& act) {
        const auto outcome = TModalDialogDriver::PressButton(
            QStringLiteral("tntbtnClose"), [&act](QWidget& window) { act(static_cast<TfrmEditLanguageList&>(window)); });
        w.LanguagePage().tntbtnAddLang->click();
        EXPECT_TRUE(outcome->Seen);
    }
    // A user's key press on the language selector (which also gives it the focus first).
    static void KeyOnSelector(TfrmBuilderMain& w, Qt::Key key) {
        QComboBox* selector = w.LanguagePage().tntcboLanguage;
        selector->setFocus();
        QTest::keyClick(selector, key);
    }
    std::string SavedTwoLanguageProject() {
        FProject.WriteDefault();
        return FProject.ProjectPath();
    }

    TestProject FProject;
};

// --- the page and the data

TEST_F(LanguageListTest, TypingInBThenPickingCKeepsTheTypingInBAndShowsC) {
    auto w = MakeWindow();
    TLanguagePage& page = w->LanguagePage();
    w->pgcMain->setCurrentIndex(1);
    KeyOnSelector(*w, Qt::Key_Down);  // English
    ASSERT_EQ(page.tntcboLanguage->currentIndex(), 1);
    w->SetSaved();
    page.TextField(2)->setText(QStringLiteral("Copy them"));  // buttoncopyto
    page.tnttxtReadme->setPlainText(QStringLiteral("typed"));
    KeyOnSelector(*w, Qt::Key_Down);  // 한국어
    EXPECT_EQ(page.tntcboLanguage->currentIndex(), 2);
    TUnicodeStringList english;
    english.SetText(w->SysTexts()[1]);
    EXPECT_EQ(english.Values(u"buttoncopyto"), u"Copy them");
    EXPECT_EQ(w->ReadmeTexts()[1], u"typed");
    TUnicodeStringList korean;
    korean.SetText(w->SysTexts()[2]);
    EXPECT_EQ(page.TextField(2)->text().toStdU16String(), korean.Values(u"buttoncopyto"));
    EXPECT_EQ(page.tnttxtReadme->toPlainText(), U("나의 아이콘을 이용 받아 감사 드리겠습니다."));
    EXPECT_TRUE(w->Modified());
    EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("* ")));
    EXPECT_EQ(w->StatusText(), U("このプロジェクトは保存されていません。"));
}

TEST_F(LanguageListTest, OnlySwitchingLanguagesOfAnOpenedProjectLeavesTitleAndStatus) {
    auto w = MakeWindow({SavedTwoLanguageProject()});
    w->pgcMain->setCurrentIndex(1);
    w->SetStatusText(QStringLiteral("status before"));
    const QString title = w->windowTitle(), appTitle = w->ApplicationTitle();
    ASSERT_FALSE(title.startsWith(QStringLiteral("*")));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Down}) {
        KeyOnSelector(*w, key);
        EXPECT_FALSE(w->Modified());
        EXPECT_EQ(w->windowTitle(), title);
        EXPECT_EQ(w->ApplicationTitle(), appTitle);
        EXPECT_EQ(w->StatusText(), QStringLiteral("status before"));
    }
    EXPECT_EQ(w->LanguagePage().tntcboLanguage->currentIndex(), 1);
    EXPECT_EQ(w->LanguagePage().tnttxtReadme->toPlainText(), QStringLiteral("Please read.\n"));
    // The page of the language shown last goes back into the data at the next touch, unchanged in
    // what the page holds.
    EXPECT_TRUE(w->LangPageEdited());
    w->tntcboLanguageEnter();
    EXPECT_FALSE(w->LangPageEdited());
    EXPECT_EQ(w->SysTexts()[1], u"fontname=Noto Sans\r\nfontsize=9\r\nbuttonYes=Yes\r\n");
}

TEST_F(LanguageListTest, TheSelectorTakesNoTypingAndOnlyATouchStoresThePage) {
    auto w = MakeWindow();
    TLanguagePage& page = w->LanguagePage();
    EXPECT_FALSE(page.tntcboLanguage->isEditable());
    const std::u16string before = w->SysTexts()[0];
    page.TextField(0)->setText(QStringLiteral("dropped"));
    EXPECT_EQ(w->SysTexts()[0], before) << "typing alone does not reach the data";
    QTest::mousePress(page.tntcboLanguage, Qt::LeftButton);  // the list opens
    EXPECT_NE(w->SysTexts()[0], before);
    EXPECT_FALSE(w->LangPageEdited());
    page.tntcboLanguage->hidePopup();
}

TEST_F(LanguageListTest, LongTextsComeBackWholeFromThePage) {
    auto w = MakeWindow();
    const std::u16string longText(100000, u'w');
    std::u16string sys = u"fontname=" + longText + u"\r\nfontsize=9\r\n";
    for (const char* key : {"labeldragdrop", "titleerror"})
        sys += QString::fromLatin1(key).toStdU16String() + u"=" + longText + u"\r\n";
    w->LanguagePage().SetTexts(sys, u"");
    EXPECT_EQ(w->LanguagePage().SysText(), sys);
}

TEST_F(LanguageListTest, TheFontDialogIsPresetAndItsAnswerTaken) {
    auto w = MakeWindow();
    TLanguagePage& page = w->LanguagePage();
    page.tnttxtFontName->setText(QStringLiteral("Noto Serif"));
    page.wseFontSize->setValue(12);
    FSeams.PushFontCancelled();
    page.tntbtnRefFontName->click();
    EXPECT_EQ(page.tnttxtFontName->text(), QStringLiteral("Noto Serif"));
    EXPECT_EQ(page.wseFontSize->value(), 12);
    ASSERT_EQ(Calls(TSeamKind::ChooseFont).size(), 1u);
    EXPECT_TRUE(Calls(TSeamKind::ChooseFont)[0].Args[1].startsWith(QStringLiteral("Noto Serif,12,")));

    QFont pixels(QStringLiteral("DejaVu Sans Mono"));
    pixels.setPixelSize(20);
    FSeams.PushFont(pixels);
    page.tntbtnRefFontName->click();
    EXPECT_EQ(page.tnttxtFontName->text(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(page.wseFontSize->value(), 12) << "a size in pixels is no size in points";
}

// Drags a splitter's handle by dx pixels, as the mouse does.
void DragHandle(QSplitterHandle* handle, int dx) {
    const QPoint from = handle->rect().center();
    const auto send = [handle](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), QPointF(handle->mapToGlobal(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(handle, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, from + QPoint(dx, 0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, from + QPoint(dx, 0), Qt::LeftButton, Qt::NoButton);
}

TEST_F(LanguageListTest, TheSplitterKeepsBothPartsAndItsLeftWidthIsStored) {
    {
        auto w = MakeWindow();
        w->pgcMain->setCurrentIndex(1);
        QCoreApplication::processEvents();
        TLanguagePage& page = w->LanguagePage();
        ASSERT_EQ(page.FieldsWidth(), 376);
        DragHandle(page.csplLanguage->handle(1), 5000);
        EXPECT_GE(page.tntgbxReadme->width(), 10) << "the read-me part stays";
        DragHandle(page.csplLanguage->handle(1), -5000);
        EXPECT_GE(page.tntboxLanguage->width(), 1) << "the rows stay";
        DragHandle(page.csplLanguage->handle(1), 250 - page.FieldsWidth());
        EXPECT_EQ(page.FieldsWidth(), 250);
        w->close();
    }
    EXPECT_EQ(TIniFile(SettingsFile()).ReadString("Window", "LanguageEditLeftWidth", ""), "250");
    auto again = MakeWindow();
    EXPECT_EQ(again->LanguagePage().FieldsWidth(), 250);
}

// --- the dialog

TEST_F(LanguageListTest, TheDialogStartsAsDesigned) {
    auto w = MakeWindow();
    TfrmEditLanguageList& d = w->EditLanguageList();
    EXPECT_EQ(d.windowTitle(), U("言語の編集"));
    EXPECT_EQ(d.size(), QSize(393, 163));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_TRUE(d.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    const struct {
        const char* Name;
        const char* Caption;
        bool Enabled;
    } buttons[] = {{"tntbtnRefTemplate", "参照(&R)...", true}, {"tntbtnAddLang", "追加(&A)", false},
                   {"tntbtnChangeLang", "変更(&M)", false},   {"tntbtnDeleteLang", "削除(&D)", true},
                   {"tntbtnClose", "閉じる(&C)", true}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.Name);
        auto* button = d.findChild<QPushButton*>(QString::fromLatin1(b.Name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), U(b.Caption));
        EXPECT_EQ(button->isEnabled(), b.Enabled);
    }
    EXPECT_TRUE(d.tntbtnClose->isDefault());
    for (const char* arrow : {"tntspdbtnUp", "tntspdbtnDown"}) {
        auto* button = d.findChild<QToolButton*>(QString::fromLatin1(arrow));
        ASSERT_NE(button, nullptr) << arrow;
        EXPECT_TRUE(button->isEnabled());
        EXPECT_TRUE(button->autoRaise());
        EXPECT_FALSE(button->icon().isNull());
    }
    EXPECT_EQ(d.tntgbxLangList->title(), U("言語一覧"));
    EXPECT_TRUE(d.tnttxtLangName->text().isEmpty());
    EXPECT_TRUE(d.tntcboTemplate->isEditable());
    auto* marker = d.findChild<QLabel*>(QStringLiteral("imgCharSet"));
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->toolTip(), U("このページの文字コードはUNICODEです"));
    EXPECT_FALSE(marker->pixmap().isNull());
    for (const char* label : {"言語名：", "テンプレートファイル："}) {
        bool found = false;
        for (QLabel* l : d.findChildren<QLabel*>()) found = found || l->text() == U(label);
        EXPECT_TRUE(found) << label;
    }
    EXPECT_NE(d.findChild<QObject*>(QStringLiteral("ddTemplate")), nullptr);
}

TEST_F(LanguageListTest, SelectingCopiesTheNameAndANameEnablesAddAndChangeForGood) {
    auto w = MakeWindow();
    TfrmEditLanguageList& d = DialogWithABC(*w);
    Select(d, 1);
    EXPECT_EQ(d.tnttxtLangName->text(), QStringLiteral("B"));
    d.tnttxtLangName->setText(QStringLiteral("typed"));
    d.show();
    const QRect row = d.tntlstLangList->visualItemRect(d.tntlstLangList->item(1));
    QTest::mouseClick(d.tntlstLangList->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    EXPECT_EQ(d.tnttxtLangName->text(), QStringLiteral("B")) << "a click on the selected language";
    d.hide();
    EXPECT_TRUE(d.tntbtnAddLang->isEnabled());
    EXPECT_TRUE(d.tntbtnChangeLang->isEnabled());
    d.tnttxtLangName->clear();
    EXPECT_TRUE(d.tntbtnAddLang->isEnabled());
    EXPECT_TRUE(d.tntbtnChangeLang->isEnabled());
    EXPECT_FALSE(d.Changed()) << "selecting changes nothing";

    d.tntcboTemplate->setEditText(QStringLiteral("english_sys.dat"));
    d.tntbtnAddLang->click();  // the empty name
    EXPECT_EQ(d.Names(), (QStringList{"A", "B", "C", ""}));
    EXPECT_EQ(d.SysTexts().back(), TemplateText(ProgramDir() + "english_sys.dat"));
    EXPECT_TRUE(d.Changed());
}

TEST_F(LanguageListTest, UpAndDownMoveTheLanguageWithItsTextsAndSelection) {
    auto w = MakeWindow();
    const struct {
        int Selected;
        void (TfrmEditLanguageList::*Move)();
        QStringList Names;
        int SelectedAfter;
        bool Changed;
    } cases[] = {
        {1, &TfrmEditLanguageList::tntspdbtnUpClick, {"B", "A", "C"}, 0, true},
        {0, &TfrmEditLanguageList::tntspdbtnUpClick, {"A", "B", "C"}, 0, false},
        {1, &TfrmEditLanguageList::tntspdbtnDownClick, {"A", "C", "B"}, 2, true},
        {2, &TfrmEditLanguageList::tntspdbtnDownClick, {"A", "B", "C"}, 2, false},
        {-1, &TfrmEditLanguageList::tntspdbtnUpClick, {"A", "B", "C"}, -1, false},
        {-1, &TfrmEditLanguageList::tntspdbtnDownClick, {"A", "B", "C"}, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "selected " << c.Selected << ", names " << c.Names.join(',').toStdString());
        TfrmEditLanguageList& d = DialogWithABC(*w);
        if (c.Selected >= 0) Select(d, c.Selected);
        d.tnttxtLangName->setText(QStringLiteral("typed"));
        (d.*c.Move)();
        EXPECT_EQ(d.Names(), c.Names);
        EXPECT_EQ(d.Changed(), c.Changed);
        EXPECT_EQ(d.tnttxtLangName->text(), QStringLiteral("typed")) << "moving is not a click";
        const QList<QListWidgetItem*> selected = d.tntlstLangList->selectedItems();
        EXPECT_EQ(selected.isEmpty() ? -1 : d.tntlstLangList->row(selected[0]), c.SelectedAfter);
        for (int i = 0; i < 3; ++i) {
            const std::u16string name = c.Names[i].toStdU16String();
            EXPECT_EQ(d.SysTexts()[size_t(i)], u"sys" + name);
            EXPECT_EQ(d.ReadmeTexts()[size_t(i)], u"read" + name);
        }
    }
    // The arrow buttons are wired to the moves.
    TfrmEditLanguageList& d = DialogWithABC(*w);
    Select(d, 2);
    d.tntspdbtnUp->click();
    d.tntspdbtnUp->click();
    EXPECT_EQ(d.Names(), (QStringList{"C", "A", "B"}));
    d.tntspdbtnDown->click();
    EXPECT_EQ(d.Names(), (QStringList{"A", "C", "B"}));
}

TEST_F(LanguageListTest, DeleteRemovesTheSelectedLanguageButNeverTheLast) {
    auto w = MakeWindow();
    TfrmEditLanguageList& d = DialogWithABC(*w);
    d.tntbtnDeleteLang->click();
    EXPECT_EQ(Calls(TSeamKind::Beep).size(), 1u) << "nothing selected";
    EXPECT_FALSE(d.Changed());
    Select(d, 1);
    d.tntbtnDeleteLang->click();
    EXPECT_EQ(d.Names(), (QStringList{"A", "C"}));
    EXPECT_EQ(d.SysTexts(), (std::vector<std::u16string>{u"sysA", u"sysC"}));
    EXPECT_EQ(d.ReadmeTexts(), (std::vector<std::u16string>{u"readA", u"readC"}));
    EXPECT_TRUE(d.Changed());
    EXPECT_TRUE(d.tntlstLangList->selectedItems().isEmpty());
    Select(d, 0);
    d.tntbtnDeleteLang->click();
    Select(d, 0);
    d.tntbtnDeleteLang->click();
    EXPECT_EQ(d.Names(), (QStringList{"C"}));
    EXPECT_EQ(Calls(TSeamKind::Beep).size(), 2u) << "the last language stays";
}

TEST_F(LanguageListTest, AddResolvesTheTemplateAndKeepsTheTemplateListNewestFirst) {
    auto w = MakeWindow();
    TfrmEditLanguageList& d = DialogWithABC(*w);
    while (d.tntcboTemplate->count() > 0) d.tntcboTemplate->removeItem(0);
    d.AddTemplate(QStringLiteral("english_sys.dat"));
    const std::string mine = Work() + "mine.dat";
    WriteWholeFile(mine, UnicodeFile(u"fontname=Mine\r\nbuttonYes=Oui\r\n"));
    WriteWholeFile(Work() + "korean_sys.dat", UnicodeFile(u"fontname=not the program folder's\r\n"));
    WriteWholeFile(ProgramDir() + "ENGLISH_SYS.DAT", UnicodeFile(u"fontname=Upper\r\n"));
    const struct {
        QString Template;
        std::u16string Text;
        QStringList Templates;
    } cases[] = {
        // A bare name is looked for in the program folder, not in the working folder.
        {QStringLiteral("korean_sys.dat"), TemplateText(ProgramDir() + "korean_sys.dat"),
         {"korean_sys.dat", "english_sys.dat"}},
        // A full path whose folder exists is used as it stands.
        {PathToQ(mine), u"fontname=Mine\r\nbuttonYes=Oui\r\n", {PathToQ(mine), "korean_sys.dat", "english_sys.dat"}},
        // A listed name in other letter case gets no second entry (the file of that spelling is read).
        {QStringLiteral("ENGLISH_SYS.DAT"), u"fontname=Upper\r\n",
         {PathToQ(mine), "korean_sys.dat", "english_sys.dat"}},
        // A missing template gives exactly the default text and stays out of the list.
        {QStringLiteral("nosuch.dat"), u"fontname=Tahoma\r\nfontsize=9", {PathToQ(mine), "korean_sys.dat", "english_sys.dat"}},
        {PathToQ(Work() + "nowhere/x.dat"), u"fontname=Tahoma\r\nfontsize=9",
         {PathToQ(mine), "korean_sys.dat", "english_sys.dat"}},
    };
    // The working folder holds a korean_sys.dat of its own, which a bare name must not find.
    struct TWorkingFolder {
        std::string Before = QToPath(QDir::currentPath());
        explicit TWorkingFolder(const std::string& dir) { EXPECT_EQ(::chdir(dir.c_str()), 0); }
        ~TWorkingFolder() { EXPECT_EQ(::chdir(Before.c_str()), 0); }
    } working(Work());
    int count = 3;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Template.toStdString());
        Add(d, QStringLiteral("L%1").arg(count), c.Template);
        ++count;
        ASSERT_EQ(d.Names().size(), count);
        EXPECT_EQ(d.Names().back(), QStringLiteral("L%1").arg(count - 1));
        EXPECT_EQ(d.SysTexts().back(), c.Text);
        EXPECT_EQ(d.ReadmeTexts().back(), u"");
        EXPECT_EQ(d.Templates(), c.Templates);
        EXPECT_EQ(d.tntcboTemplate->currentText(), c.Template);
    }
    EXPECT_TRUE(d.Changed());
    EXPECT_TRUE(Calls(TSeamKind::ErrorBox).empty());
}

TEST_F(LanguageListTest, ChangeRenamesAndRereadsTheSelectedLanguageOnly) {
    auto w = MakeWindow();
    TfrmEditLanguageList& d = DialogWithABC(*w);
    const int templates = d.tntcboTemplate->count();
    d.tnttxtLangName->setText(QStringLiteral("X"));
    d.tntcboTemplate->setEditText(QStringLiteral("english_sys.dat"));
    d.tntbtnChangeLang->click();
    EXPECT_EQ(d.Names(), (QStringList{"A", "B", "C"})) << "nothing selected";
    EXPECT_FALSE(d.Changed());

    Select(d, 2);
    d.tnttxtLangName->setText(QStringLiteral("Deutsch"));
    d.tntcboTemplate->setEditText(QStringLiteral("nosuch.dat"));
    d.tntbtnChangeLang->click();
    EXPECT_EQ(d.Names(), (QStringList{"A", "B", "Deutsch"}));
    EXPECT_EQ(d.SysTexts()[2], u"sysC") << "a missing template leaves the text";
    EXPECT_TRUE(d.Changed());

    d.tntcboTemplate->setEditText(QStringLiteral("english_sys.dat"));
    d.tntbtnChangeLang->click();
    EXPECT_EQ(d.SysTexts()[2], TemplateText(ProgramDir() + "english_sys.dat"));
    EXPECT_EQ(d.ReadmeTexts()[2], u"readC");
    EXPECT_EQ(d.SysTexts()[1], u"sysB");
    EXPECT_EQ(d.tntcboTemplate->count(), templates) << "changing does not touch the template list";
}

TEST_F(LanguageListTest, ATemplateThatCannotBeReadIsReportedAndTheNameStays) {
    auto w = MakeWindow();
    // A file that exists but whose reading fails (a read of /proc/self/mem at 0 is refused), and
    // a named pipe, which would block a reader that opened it.
    const std::string pipe = Work() + "pipe.dat";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {std::string("/proc/self/mem"), pipe}) {
        SCOPED_TRACE(path);
        FSeams.ClearCalls();
        TfrmEditLanguageList& fresh = DialogWithABC(*w);
        Add(fresh, QStringLiteral("Broken"), PathToQ(path));
        const std::vector<TSeamCall> errors = Calls(TSeamKind::ErrorBox);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_TRUE(errors[0].Args[0].contains(PathToQ(path))) << errors[0].Args[0].toStdString();
        EXPECT_EQ(fresh.Names(), (QStringList{"A", "B", "C", "Broken"}));
        EXPECT_EQ(fresh.SysTexts().size(), 4u);
        EXPECT_EQ(fresh.ReadmeTexts().size(), 4u);
        EXPECT_FALSE(fresh.Changed());
    }
}

TEST_F(LanguageListTest, TheTemplateFieldTakesTheChosenOrDroppedFile) {
    auto w = MakeWindow();
    TfrmEditLanguageList& d = w->EditLanguageList();
    d.tntcboTemplate->setEditText(QStringLiteral("before.dat"));
    FSeams.PushOpenFile(QString());  // cancelled
    d.tntbtnRefTemplate->click();
    EXPECT_EQ(d.tntcboTemplate->currentText(), QStringLiteral("before.dat"));
    FSeams.PushOpenFile(QStringLiteral("/t/chosen.txt"));
    d.tntbtnRefTemplate->click();
    EXPECT_EQ(d.tntcboTemplate->currentText(), QStringLiteral("/t/chosen.txt"));
    const std::vector<TSeamCall> opens = Calls(TSeamKind::OpenFile);
    ASSERT_EQ(opens.size(), 2u);
    EXPECT_EQ(opens[0].Args[3], U("言語テンプレート(*.dat, *.txt)|*.dat;*.txt|テキストファイル(*.txt)|*.txt|すべてのファイル|*.*"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/d/first.ico")), QUrl::fromLocalFile(QStringLiteral("/d/second.dat"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(d.tntcboTemplate, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(d.tntcboTemplate, &drop);
    EXPECT_EQ(d.tntcboTemplate->currentText(), QStringLiteral("/d/first.ico")) << "the type is not examined";
    EXPECT_FALSE(d.tntcboTemplate->lineEdit()->acceptDrops()) << "drags over the text reach the target";
}

TEST_F(LanguageListTest, NamesWithLineBreaksBecomeOneLine) {
    auto w = MakeWindow();
    TfrmEditLanguageList& d = DialogWithABC(*w);
    Add(d, QString::fromUtf16(u"two\nlines\r\nand\u2028more"), QStringLiteral("nosuch.dat"));
    Select(d, 0);
    d.tnttxtLangName->setText(QStringLiteral("a\rb"));
    d.tntbtnChangeLang->click();
    EXPECT_EQ(d.Names(), (QStringList{"a b", "B", "C", "two lines  and more"}));
}

// --- the take-over into the project

TEST_F(LanguageListTest, ClosingAfterOnlySelectingTakesNothingOver) {
    auto w = MakeWindow({SavedTwoLanguageProject()});
    w->LanguagePage().tntcboLanguage->setCurrentIndex(1);
    w->DataToLanguagePage();
    w->SetSaved();
    const auto sys = w->SysTexts();
    const std::vector<std::function<void(TfrmEditLanguageList&)>> closings{
        [](TfrmEditLanguageList& d) { d.tntbtnClose->click(); },
        [](TfrmEditLanguageList& d) { QTest::keyClick(d.tnttxtLangName, Qt::Key_Return); },
        [](TfrmEditLanguageList& d) { QTest::keyClick(d.tntcboTemplate->lineEdit(), Qt::Key_Enter); },
        [](TfrmEditLanguageList& d) { QTest::keyClick(d.tntlstLangList, Qt::Key_Escape); },
        [](TfrmEditLanguageList& d) { d.close(); },
    };
    for (size_t i = 0; i < closings.size(); ++i) {
        SCOPED_TRACE(i);
        bool copied = false;
        EditLanguages(*w, [&](TfrmEditLanguageList& d) {
            copied = d.Names() == (QStringList{U("日本語"), "English"}) && d.SysTexts() == sys;
            Select(d, 0);
            Select(d, 1);
            closings[i](d);
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_TRUE(copied);
        EXPECT_FALSE(w->EditLanguageList().isVisible());
        EXPECT_FALSE(w->Modified());
        EXPECT_EQ(w->LanguagePage().tntcboLanguage->currentIndex(), 1);
        EXPECT_EQ(w->SysTexts(), sys);
    }
}

TEST_F(LanguageListTest, AnyEditTakesTheWholeListOverAndSelectsTheFirst) {
    const std::vector<std::pair<const char*, std::function<void(TfrmEditLanguageList&)>>> edits{
        {"down", [](TfrmEditLanguageList& d) { Select(d, 0); d.tntspdbtnDown->click(); }},
        {"delete", [](TfrmEditLanguageList& d) { Select(d, 0); d.tntbtnDeleteLang->click(); }},
        {"change", [](TfrmEditLanguageList& d) { Select(d, 1); d.tnttxtLangName->setText("Englisch"); d.tntbtnChangeLang->click(); }},
        {"add", [](TfrmEditLanguageList& d) { Add(d, U("한국어"), "korean_sys.dat"); }},
    };
    const QStringList expected[] = {{"English", U("日本語")}, {"English"}, {U("日本語"), "Englisch"},
                                    {U("日本語"), "English", U("한국어")}};
    for (size_t i = 0; i < edits.size(); ++i) {
        SCOPED_TRACE(edits[i].first);
        auto w = MakeWindow({SavedTwoLanguageProject()});
        w->LanguagePage().tntcboLanguage->setCurrentIndex(1);
        w->DataToLanguagePage();
        w->LanguagePage().tnttxtReadme->setPlainText(QStringLiteral("typed into English"));
        w->SetSaved();
        EditLanguages(*w, edits[i].second);
        EXPECT_EQ(Selector(*w), expected[i]);
        EXPECT_EQ(w->LanguagePage().tntcboLanguage->currentIndex(), 0);
        EXPECT_TRUE(w->Modified());
        ASSERT_EQ(w->SysTexts().size(), size_t(expected[i].size()));
        ASSERT_EQ(w->ReadmeTexts().size(), size_t(expected[i].size()));
        const auto& readmes = w->ReadmeTexts();
        EXPECT_NE(std::find(readmes.begin(), readmes.end(), u"typed into English"), readmes.end())
            << "the page was stored before the dialog got its copy";
        EXPECT_EQ(w->LanguagePage().ReadmeText(), readmes[0]) << "the page shows the first language";
    }
}

TEST_F(LanguageListTest, TheTemplateListGoesToTheSettingsNewestFirst) {
    {
        auto w = MakeWindow();
        TfrmEditLanguageList& d = DialogWithABC(*w);
        while (d.tntcboTemplate->count() > 0) d.tntcboTemplate->removeItem(0);
        for (const char* name : {"english_sys.dat", "korean_sys.dat"}) Add(d, "x", name);
        w->close();
    }
    TIniFile ini(SettingsFile());
    EXPECT_EQ(ini.ReadString("System", "Template0", ""), "korean_sys.dat");
    EXPECT_EQ(ini.ReadString("System", "Template1", ""), "english_sys.dat");
    auto again = MakeWindow();
    EXPECT_EQ(again->EditLanguageList().Templates(), (QStringList{"korean_sys.dat", "english_sys.dat"}));
}

}  // namespace
}  // namespace qv
