// The language application: the read-me and texts of the chosen language, the fall-backs, the
// controls that are refonted and those that are not, keys kept across languages, the encodings.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "common/ui/qvMessageDlgFormW.h"
#include "platform/CodePage.h"
#include "ViewerTestSupport.h"

namespace qv::test {
namespace {

class ViewerLanguageTest : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        FProject.WriteInfo({"packname=P", "agreebutton=False", "iconcount=1", "iconname0=a.ico"});
    }
    void WriteLanguage(int index, const std::u16string& sys, const std::u16string& readme) {
        const std::string n = std::to_string(index);
        FProject.WriteUnicodeList("demo_lang" + n + "_sys.txt", sys);
        FProject.WriteUnicodeList("demo_lang" + n + "_readme.txt", readme);
    }
    QStringList MessageCaptions() const {
        QStringList captions;
        for (QPushButton* b : frmqvMessageDlgFormW->Buttons()) captions << b->text();
        return captions;
    }
};

const std::u16string kFirst =
    u"labeldragdrop=ドラッグして\r\nlabeldragor=または\r\nbuttoncopyto=コピー\r\ncheckselectonly=選択のみ\r\n"
    u"buttonbrowse=参照\r\nbuttonstart=開始\r\nbuttonagree=同意\r\nconfirmmakefolder=作る %s?\r\n"
    u"errormakefolder=作れない %s\r\nbuttonYes=はい!\r\nbuttonNo=いいえ!\r\nbuttonCancel=やめる\r\n"
    u"buttonNoToAll=全部いいえ\r\nbuttonYesToAll=全部はい\r\nconfirmoverwrite=上書き %s?\r\n"
    u"errormakefile=書けない %s\r\ntitleconfirm=確認\r\ntitleerror=エラー\r\nfontname=DejaVu Serif\r\n"
    u"fontsize=11\r\nunknownkey=x\r\n";

TEST_F(ViewerLanguageTest, TheFirstShowingAppliesTheFirstLanguageEverywhere) {
    WriteLanguage(0, kFirst, u"最初の言語\r\n2 行目\r\n");
    BuildAndOpen();
    ASSERT_TRUE(ErrorBoxes().isEmpty()) << ErrorBoxes().join('\n').toStdString();
    EXPECT_EQ(Form().tnttxtReadme->toPlainText(), "最初の言語\n2 行目");
    EXPECT_EQ(Form().tntlblDragDrop->text(), "ドラッグして");
    EXPECT_EQ(Form().tntlblDragOr->text(), "または");
    EXPECT_EQ(Form().tntbtnCopyTo->text(), "コピー");
    EXPECT_EQ(Form().tntbtnAgree->text(), "同意");
    EXPECT_EQ(CopyTo().windowTitle(), "コピー");
    EXPECT_EQ(CopyTo().tntchkSelectOnly->text(), "選択のみ");
    EXPECT_EQ(CopyTo().tntbtnBrowse->text(), "参照");
    EXPECT_EQ(CopyTo().tntbtnStart->text(), "開始");
    EXPECT_EQ(CopyTo().Texts().FConfirmMakeFolderText, "作る %s?");
    EXPECT_EQ(CopyTo().Texts().FErrorMakeFolderText, "作れない %s");
    EXPECT_EQ(CopyTo().Texts().FConfirmOverwriteText, "上書き %s?");
    EXPECT_EQ(CopyTo().Texts().FTitleConfirmText, "確認");
    EXPECT_EQ(CopyTo().Texts().FTitleErrorText, "エラー");
    EXPECT_EQ(Form().ErrorMakeFileText(), "書けない %s");
    // Five captions of the message dialog are the language's; the others keep the form's.
    EXPECT_EQ(MessageCaptions(), (QStringList{"はい!", "いいえ!", "OK", "やめる", "中止(&A)", "再試行(&R)", "無視(&I)",
                                              "すべて(&A)", "全部いいえ", "全部はい"}));
}

TEST_F(ViewerLanguageTest, FontsChangeOnLabelsReadmeButtonsAndCheckBoxesOnly) {
    WriteLanguage(0, u"fontname=DejaVu Serif\r\nfontsize=11\r\n", u"r");
    Create(Build());
    const QFont langFont = Form().tntlblLang->font();
    const QFont comboFont = Form().tntcboIconPackLang->font();
    const QFont listFont = Form().tntlvIcon->font();
    const QFont pathFont = CopyTo().tnttxtFilePath->font();
    const QFont progressFont = CopyTo().tntpgbCopyTo->font();
    const QFont dialogFont = frmqvMessageDlgFormW->btnYes->font();
    Form().show();
    ASSERT_TRUE(ErrorBoxes().isEmpty()) << ErrorBoxes().join('\n').toStdString();
    const std::vector<QWidget*> refonted = {Form().tntlblDragDrop, Form().tntlblDragOr, Form().tnttxtReadme,
                                            Form().tntbtnCopyTo,   Form().tntbtnAgree,  CopyTo().tntchkSelectOnly,
                                            CopyTo().tntbtnBrowse, CopyTo().tntbtnStart};
    for (QWidget* w : refonted) {
        EXPECT_EQ(w->font().family(), "DejaVu Serif") << w->objectName().toStdString();
        EXPECT_EQ(w->font().pointSize(), 11) << w->objectName().toStdString();
    }
    EXPECT_EQ(Form().tntlblLang->font(), langFont);
    EXPECT_EQ(Form().tntcboIconPackLang->font(), comboFont);
    EXPECT_EQ(Form().tntlvIcon->font(), listFont);
    EXPECT_EQ(CopyTo().tnttxtFilePath->font(), pathFont);
    EXPECT_EQ(CopyTo().tntpgbCopyTo->font(), progressFont);
    EXPECT_EQ(frmqvMessageDlgFormW->btnYes->font(), dialogFont);
    // Labels size themselves to their new font; the right-justified one keeps its right edge.
    EXPECT_EQ(Form().tntlblDragDrop->size(), Form().tntlblDragDrop->sizeHint());
}

TEST_F(ViewerLanguageTest, KeysALanguageDoesNotGiveKeepThePreviousLanguagesValues) {
    WriteLanguage(0, kFirst, u"first");
    WriteLanguage(1,
                  u"labeldragor=or\r\nButtonCopyTo=wrong case\r\nbuttoncopyto =blank before\r\n"
                  u"labeldragdrop=once\r\nlabeldragdrop=twice\r\n",
                  u"second");
    BuildAndOpen();
    PickLanguage(1);
    ASSERT_TRUE(ErrorBoxes().isEmpty()) << ErrorBoxes().join('\n').toStdString();
    EXPECT_EQ(Form().tnttxtReadme->toPlainText(), "second");
    EXPECT_EQ(Form().tntlblDragOr->text(), "or");
    EXPECT_EQ(Form().tntlblDragDrop->text(), "twice");  // the last of a key given twice
    EXPECT_EQ(Form().tntbtnCopyTo->text(), "コピー");   // other letter case, blank before "=": no key
    EXPECT_EQ(CopyTo().windowTitle(), "コピー");
    EXPECT_EQ(Form().tntbtnCopyTo->font().family(), "DejaVu Serif");  // fonts kept too
    EXPECT_EQ(frmqvMessageDlgFormW->btnYes->text(), "はい!");
    PickLanguage(0);
    EXPECT_EQ(Form().tntlblDragOr->text(), "または");
    EXPECT_EQ(Form().tnttxtReadme->toPlainText(), "first");
}

TEST_F(ViewerLanguageTest, WithoutAnyTextTheDesignCaptionsStay) {
    WriteLanguage(0, u"", u"");
    BuildAndOpen();
    ASSERT_TRUE(ErrorBoxes().isEmpty()) << ErrorBoxes().join('\n').toStdString();
    EXPECT_EQ(Form().tntlblDragDrop->text(), "tntlblDragDrop");
    EXPECT_EQ(Form().tntlblDragOr->text(), "tntlblDragOr");
    EXPECT_EQ(Form().tntbtnCopyTo->text(), "tntbtncopyto");
    EXPECT_EQ(Form().tntbtnAgree->text(), "tntbtnAgree");
    EXPECT_EQ(CopyTo().windowTitle(), "tntfrmIconPackCopyTo");
    EXPECT_EQ(CopyTo().tntchkSelectOnly->text(), "tntchkSelectOnly");
    EXPECT_EQ(CopyTo().tntbtnBrowse->text(), "tntbtnBrowse");
    EXPECT_EQ(CopyTo().tntbtnStart->text(), "tntbtnStart");
    EXPECT_EQ(CopyTo().Texts().FConfirmOverwriteText, "");
    EXPECT_EQ(Form().ErrorMakeFileText(), "");
    EXPECT_EQ(MessageCaptions().mid(0, 2), (QStringList{"はい(&Y)", "いいえ(&N)"}));
    EXPECT_EQ(Form().tnttxtReadme->font().pixelSize(), 13);
}

TEST_F(ViewerLanguageTest, ABadFontSizeEndsTheApplicationKeepingTheLinesBeforeIt) {
    WriteLanguage(0, u"labeldragdrop=before\r\nfontsize=big\r\nlabeldragor=after\r\n", u"readme");
    BuildAndOpen();
    EXPECT_EQ(ErrorBoxes(), QStringList{"'big' is not a valid integer value"});
    EXPECT_EQ(Form().tnttxtReadme->toPlainText(), "readme");
    EXPECT_EQ(Form().tntlblDragDrop->text(), "before");
    EXPECT_EQ(Form().tntlblDragOr->text(), "tntlblDragOr");
}

TEST_F(ViewerLanguageTest, AMissingReadmeOrTextResourceIsReportedAndLeavesWhatWasThere) {
    WriteLanguage(0, u"labeldragdrop=zero\r\n", u"readme zero");
    WriteLanguage(1, u"labeldragdrop=one\r\n", u"readme one");
    const std::string package = Build();
    EditPackage(package, [](TResources& r) { RemoveResource(r, RT_RCDATA, "LANG1_README"); });
    Open(package);
    PickLanguage(1);
    ASSERT_EQ(ErrorBoxes().size(), 1);
    EXPECT_TRUE(ErrorBoxes()[0].contains("LANG1_README")) << ErrorBoxes()[0].toStdString();
    EXPECT_EQ(Form().tnttxtReadme->toPlainText(), "readme zero");
    EXPECT_EQ(Form().tntlblDragDrop->text(), "zero");

    EditPackage(package, [](TResources& r) {
        SetRawData(r, "LANG1_README", Utf16Text(u"readme one"));
        RemoveResource(r, RT_RCDATA, "LANG1_SYS");
    });
    FSeams.ClearCalls();
    Open(package);
    PickLanguage(1);
    ASSERT_EQ(ErrorBoxes().size(), 1);
    EXPECT_TRUE(ErrorBoxes()[0].contains("LANG1_SYS")) << ErrorBoxes()[0].toStdString();
    EXPECT_EQ(Form().tnttxtReadme->toPlainText(), "readme one");
    EXPECT_EQ(Form().tntlblDragDrop->text(), "zero");
}

TEST_F(ViewerLanguageTest, AnEmptyLanguageListSelectsNothingAndTheFirstShowingFindsNoTexts) {
    const std::string package = Build();
    EditPackage(package, [](TResources& r) { SetRawData(r, "ICONPACKLANG", Utf16Text(u"")); });
    Open(package);
    EXPECT_EQ(Form().tntcboIconPackLang->count(), 0);
    EXPECT_EQ(Form().tntcboIconPackLang->currentIndex(), -1);
    ASSERT_EQ(ErrorBoxes().size(), 1);
    EXPECT_TRUE(ErrorBoxes()[0].contains("LANG-1_README")) << ErrorBoxes()[0].toStdString();
    EXPECT_EQ(Form().tntlblDragDrop->text(), "tntlblDragDrop");
    EXPECT_EQ(Form().tntlvIcon->count(), 1);  // the window is otherwise complete
}

TEST_F(ViewerLanguageTest, TheThreeEncodingsReadAsTheSameText) {
    const std::string package = Build();
    const std::u16string sys = u"labeldragdrop=ドラッグ\r\nbuttonagree=同意 ✓\r\n";
    struct Case {
        const char* what;
        Bytes data;
    } cases[] = {
        {"UTF-8 with its mark",
         [&] {
             Bytes b{0xEF, 0xBB, 0xBF};
             const std::string utf8 = UnicodeToUtf8(sys);
             b.insert(b.end(), utf8.begin(), utf8.end());
             return b;
         }()},
        {"UTF-16BE with its mark",
         [&] {
             Bytes b{0xFE, 0xFF};
             AppendUtf16BE(sys, b);
             return b;
         }()},
        {"the system code page", AnsiText(UnicodeToAnsi(sys))},
        {"UTF-16LE with its mark", Utf16Text(sys)},
    };
    ASSERT_TRUE(SystemCodePageIsUtf8()) << "the tests run in a UTF-8 (or C) locale";
    for (const Case& c : cases) {
        EditPackage(package, [&](TResources& r) {
            SetRawData(r, "LANG0_SYS", c.data);
            SetRawData(r, "LANG0_README", c.data);
        });
        Open(package);
        EXPECT_TRUE(ErrorBoxes().isEmpty()) << c.what;
        EXPECT_EQ(Form().tntlblDragDrop->text(), "ドラッグ") << c.what;
        EXPECT_EQ(Form().tntbtnAgree->text(), "同意 ✓") << c.what;
        EXPECT_EQ(Form().tnttxtReadme->toPlainText(), "labeldragdrop=ドラッグ\nbuttonagree=同意 ✓") << c.what;
    }
}

}  // namespace
}  // namespace qv::test
