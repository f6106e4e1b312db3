// The read-me's links: the addresses the detector finds are marked, a left-button press on one
// opens it through the shell seam, anything else goes to the read-me as usual.
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <cstring>

#include "ViewerTestSupport.h"

namespace qv::test {
namespace {

class ViewerReadmeTest : public ViewerTest {
protected:
    void OpenWithReadme(const std::u16string& readme) {
        FProject.WriteInfo({"agreebutton=False", "iconcount=1", "iconname0=a.ico"});
        FProject.WriteUnicodeList("demo_lang0_readme.txt", readme);
        BuildAndOpen();
        ASSERT_TRUE(ErrorBoxes().isEmpty()) << ErrorBoxes().join('\n').toStdString();
    }
    // A point on character position of the read-me's text.
    QPoint OnCharacter(int position) const {
        QTextCursor cursor(Form().tnttxtReadme->document());
        cursor.setPosition(position);
        const QRect r = Form().tnttxtReadme->cursorRect(cursor);
        return QPoint(r.x() + 2, r.center().y());
    }
    int PositionOf(const QString& text) const { return Form().tnttxtReadme->toPlainText().indexOf(text); }
    void Press(const QPoint& at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(Form().tnttxtReadme->viewport(), button, {}, at);
        QTest::mouseRelease(Form().tnttxtReadme->viewport(), button, {}, at);
    }
    bool UnderlinedAt(int position) const {
        const QTextBlock block = Form().tnttxtReadme->document()->findBlock(position);
        for (const QTextLayout::FormatRange& r : block.layout()->formats())
            if (position - block.position() >= r.start && position - block.position() < r.start + r.length)
                return r.format.fontUnderline();
        return false;
    }
};

TEST_F(ViewerReadmeTest, ALeftPressOnALinkOpensItAndNothingElseDoes) {
    OpenWithReadme(u"Visit https://example.org/icons today.\r\nOr www.example.com, or mail mailto:a@example.org\r\n");
    const int web = PositionOf("https://example.org/icons");
    const int www = PositionOf("www.example.com");
    const int mail = PositionOf("mailto:a@example.org");
    EXPECT_TRUE(UnderlinedAt(web + 3));
    EXPECT_TRUE(UnderlinedAt(www));
    EXPECT_FALSE(UnderlinedAt(PositionOf("today")));
    EXPECT_FALSE(UnderlinedAt(www + int(std::strlen("www.example.com"))));  // the comma after it

    Press(OnCharacter(web + 10));
    Press(OnCharacter(www + 1));
    Press(OnCharacter(mail + 4));
    EXPECT_EQ(OpenedUrls(),
              (QStringList{"https://example.org/icons", "http://www.example.com", "mailto:a@example.org"}));

    FSeams.ClearCalls();
    Press(OnCharacter(PositionOf("Visit") + 1));                                        // plain text
    Press(OnCharacter(web + 10), Qt::RightButton);                                      // another button
    Press(QPoint(Form().tnttxtReadme->viewport()->width() - 5, OnCharacter(web).y()));  // beside the line's end
    EXPECT_TRUE(OpenedUrls().isEmpty()) << OpenedUrls().join(' ').toStdString();
    EXPECT_EQ(Form().ReadmeLinkAt(OnCharacter(web + 1)), "https://example.org/icons");
}

TEST_F(ViewerReadmeTest, LinksAreFoundInEveryLanguagesReadme) {
    OpenWithReadme(u"no link here");
    FProject.WriteUnicodeList("demo_lang1_readme.txt", u"English: https://example.org/en");
    Open(Build());
    PickLanguage(1);
    const int at = PositionOf("https://example.org/en");
    ASSERT_GE(at, 0);
    Press(OnCharacter(at + 5));
    EXPECT_EQ(OpenedUrls(), QStringList{"https://example.org/en"});
}

TEST_F(ViewerReadmeTest, WhenTheWindowsCreationEndedEarlyTheReadmeHasNoLinks) {
    FProject.WriteInfo({"agreebutton=False", "iconcount=2", "iconname0=a.ico", "iconname1=b.ico"});
    FProject.WriteUnicodeList("demo_lang0_readme.txt", u"https://example.org/");
    const std::string package = Build();
    EditPackage(package, [](TResources& r) { RemoveResource(r, RT_GROUP_ICON, "_ICONPACK1"); });
    Open(package);
    ASSERT_EQ(ErrorBoxes().size(), 1);
    EXPECT_FALSE(Form().ReadmeLinksActive());
    EXPECT_EQ(Form().tnttxtReadme->toPlainText(), "https://example.org/");
    Press(OnCharacter(3));
    EXPECT_TRUE(OpenedUrls().isEmpty());
    EXPECT_FALSE(UnderlinedAt(3));
}

}  // namespace
}  // namespace qv::test
