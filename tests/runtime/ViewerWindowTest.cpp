// The viewer window as designed: its controls, the package information it shows, the agreement
// step and its layout, the banner and its link, and its anchors when the window is resized.
#include <QBuffer>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "icon/TQVIcon.h"
#include "runtime/TBannerImage.h"
#include "runtime/TSplitter.h"
#include "ViewerTestSupport.h"

namespace qv::test {
namespace {

using ViewerWindowTest = ViewerTest;

std::vector<std::string> InfoWith(const std::vector<std::string>& scalars) {
    std::vector<std::string> lines = scalars;
    for (const char* l : {"iconcount=3", "iconname0=a.ico", "iconname1=b.ico", "iconname2=c.ico"}) lines.push_back(l);
    return lines;
}

TEST_F(ViewerWindowTest, EveryControlIsThereUnderItsNameWithItsDesignPlace) {
    FProject.WriteInfo(InfoWith({"packname=P"}));
    Create(Build());
    EXPECT_EQ(Form().objectName(), "tntfrmQuorvex");
    EXPECT_EQ(Form().size(), QSize(545, 466));
    struct Place {
        const char* name;
        QRect geometry;
    } places[] = {
        {"tntpnlTop", {0, 0, 545, 201}},      {"tntpnlHeader", {0, 0, 545, 31}},
        {"tntcboIconPackLang", {64, 6, 137, 21}}, {"tntimgBanner", {457, 0, 88, 31}},
        {"tnttxtReadme", {0, 31, 545, 170}},  {"csplMain", {0, 201, 545, 8}},
        {"tntpnlBottom", {0, 209, 545, 257}}, {"tntpnlDragDrop", {0, 0, 545, 33}},
        {"tntbtnCopyTo", {367, 4, 169, 25}},  {"tntbtnAgree", {128, 4, 289, 25}},
        {"tntlvIcon", {0, 33, 545, 224}},
    };
    for (const Place& p : places) {
        QWidget* w = Form().findChild<QWidget*>(p.name);
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(w->geometry(), p.geometry) << p.name;
    }
    EXPECT_EQ(Form().tntlblLang->pos(), QPoint(8, 8));
    EXPECT_EQ(Form().tntlblLang->text(), "Language:");
    EXPECT_EQ(Form().tntlblDragDrop->pos(), QPoint(8, 10));
    EXPECT_EQ(Form().tntlblDragDrop->text(), "tntlblDragDrop");
    EXPECT_EQ(Form().tntlblDragOr->text(), "tntlblDragOr");
    EXPECT_EQ(Form().tntbtnCopyTo->text(), "tntbtncopyto");
    EXPECT_TRUE(Form().tnttxtReadme->isReadOnly());
    EXPECT_EQ(Form().tnttxtReadme->font().pixelSize(), 13);
    EXPECT_EQ(Form().font().pointSize(), 8);
    EXPECT_EQ(Form().tntlvIcon->viewMode(), QListView::IconMode);
    EXPECT_EQ(Form().tntlvIcon->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(Form().tntlvIcon->editTriggers(), QAbstractItemView::NoEditTriggers);

    EXPECT_EQ(CopyTo().objectName(), "tntfrmIconPackCopyTo");
    EXPECT_EQ(CopyTo().size(), QSize(498, 66));
    EXPECT_EQ(CopyTo().windowTitle(), "tntfrmIconPackCopyTo");
    EXPECT_FALSE(CopyTo().isVisible());
    EXPECT_TRUE(CopyTo().tntpgbCopyTo->isHidden());
    EXPECT_TRUE(CopyTo().tntbtnStart->isDefault());
    EXPECT_EQ(tntfrmIconPackCopyTo, &CopyTo());
    EXPECT_EQ(tntfrmQuorvex, &Form());
}

TEST_F(ViewerWindowTest, ShowsThePackageNameTheIconsByTheirNamesAndTheLanguages) {
    // The compiler looks icon 1 up as the first "iconname1" line; the viewer names it by the
    // unbroken order rule.
    FProject.WriteInfo({"packname=Pack name", "iconcount=2", "iconname1=b.ico", "iconname0=a.ico", "iconname1=c.ico"});
    BuildAndOpen();
    EXPECT_TRUE(ErrorBoxes().isEmpty()) << ErrorBoxes().join('\n').toStdString();
    EXPECT_EQ(Form().windowTitle(), "Pack name");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Pack name");
    EXPECT_EQ(IconCaptions(), (QStringList{"a.ico", "c.ico"}));
    EXPECT_EQ(Form().PackIconCount(), 2);
    EXPECT_EQ(Form().PackIcon(1).Count(), 2);  // b.ico's two images
    EXPECT_EQ(Form().tntcboIconPackLang->count(), 2);
    EXPECT_EQ(Form().tntcboIconPackLang->currentIndex(), 0);
    EXPECT_EQ(Form().tntcboIconPackLang->itemText(0), "日本語");
    EXPECT_EQ(Form().tnttxtReadme->toPlainText(), "読んでください。");
    EXPECT_TRUE(Form().ReadmeLinksActive());
}

TEST_F(ViewerWindowTest, AnEmptyPackageNameLeavesTheDesignCaptionAndTheTitle) {
    QGuiApplication::setApplicationDisplayName("Before");
    FProject.WriteInfo(InfoWith({"packname="}));
    BuildAndOpen();
    EXPECT_EQ(Form().windowTitle(), "Quorvex");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Before");
}

TEST_F(ViewerWindowTest, AgreeButtonValuesAndTheirLayout) {
    struct Case {
        const char* line;  // nullptr: no such key
        bool agreeStep;
    } cases[] = {{"agreebutton=False", false}, {"agreebutton=0", false}, {nullptr, false},
                 {"agreebutton=TRUE", true},   {"agreebutton=1", true},  {"agreebutton=-2", true}};
    for (const Case& c : cases) {
        FProject.WriteInfo(InfoWith(c.line ? std::vector<std::string>{c.line} : std::vector<std::string>{}));
        Open(Build());
        const std::string what = c.line ? c.line : "no key";
        EXPECT_TRUE(ErrorBoxes().isEmpty()) << what;
        EXPECT_EQ(Form().tntbtnAgree->isVisible(), c.agreeStep) << what;
        for (QWidget* w : {static_cast<QWidget*>(Form().tntlblDragDrop), static_cast<QWidget*>(Form().tntlblDragOr),
                           static_cast<QWidget*>(Form().tntbtnCopyTo), static_cast<QWidget*>(Form().tntlvIcon)})
            EXPECT_EQ(w->isVisible(), !c.agreeStep) << what << " " << w->objectName().toStdString();
        // The read-me fills the window above the strip with the agreement button.
        EXPECT_EQ(Form().tntpnlTop->height(), c.agreeStep ? 466 - 33 - 8 : 201) << what;
        EXPECT_EQ(Form().tntpnlDragDrop->mapTo(&Form(), QPoint(0, 0)).y(), c.agreeStep ? 433 : 209) << what;
        EXPECT_EQ(Form().tntbtnAgree->geometry(), QRect(128, 4, 289, 25)) << what;
    }
}

TEST_F(ViewerWindowTest, AgreeingShowsTheIconsAndShrinksTheReadme) {
    FProject.WriteInfo(InfoWith({"agreebutton=True"}));
    BuildAndOpen();
    QTest::mouseClick(Form().tntbtnAgree, Qt::LeftButton);
    EXPECT_FALSE(Form().tntbtnAgree->isVisible());
    EXPECT_TRUE(Form().tntlblDragDrop->isVisible());
    EXPECT_TRUE(Form().tntlblDragOr->isVisible());
    EXPECT_TRUE(Form().tntbtnCopyTo->isVisible());
    EXPECT_TRUE(Form().tntlvIcon->isVisible());
    EXPECT_EQ(Form().tntpnlTop->height(), 466 / 6);
    EXPECT_EQ(Form().tntlvIcon->mapTo(&Form(), QPoint(0, 0)).y(), 466 / 6 + 8 + 33);
    EXPECT_EQ(Form().tntlvIcon->height(), 466 - 466 / 6 - 8 - 33);
    EXPECT_EQ(Form().tntlvIcon->count(), 3);
}

TEST_F(ViewerWindowTest, ResizingKeepsTheAnchoredControlsAtTheirEdges) {
    FProject.WriteInfo(InfoWith({"agreebutton=True"}));
    BuildAndOpen();
    const int orRightGap = 545 - Form().tntlblDragOr->geometry().right();
    Form().resize(745, 566);
    EXPECT_EQ(Form().tntimgBanner->geometry(), QRect(657, 0, 88, 31));
    EXPECT_EQ(Form().tntbtnCopyTo->geometry(), QRect(567, 4, 169, 25));
    EXPECT_EQ(Form().tntbtnAgree->geometry(), QRect(128, 4, 489, 25));
    EXPECT_EQ(745 - Form().tntlblDragOr->geometry().right(), orRightGap);
    EXPECT_EQ(Form().tntpnlTop->height(), 425);  // top-aligned: keeps its height
    EXPECT_EQ(Form().tntpnlBottom->height(), 566 - 425 - 8);
    EXPECT_EQ(Form().tnttxtReadme->size(), QSize(745, 425 - 31));
}

TEST_F(ViewerWindowTest, TheSplitterResizesTheUpperAreaWithinBounds) {
    FProject.WriteInfo(InfoWith({}));
    BuildAndOpen();
    QWidget* bar = Form().csplMain;
    EXPECT_EQ(bar->cursor().shape(), Qt::SizeVerCursor);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(10, 4));
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 54), bar->mapToGlobal(QPointF(10, 54)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &move);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(10, 54));
    EXPECT_EQ(Form().tntpnlTop->height(), 251);
    EXPECT_EQ(Form().csplMain->y(), 251);
    EXPECT_EQ(Form().tntpnlBottom->geometry(), QRect(0, 259, 545, 466 - 259));
    EXPECT_EQ(Form().csplMain->HeightForDrag(201, -500), TSplitter::MinSize);
    EXPECT_EQ(Form().csplMain->HeightForDrag(201, 500), 466 - 8 - TSplitter::MinSize);
}

TEST_F(ViewerWindowTest, TheBannerShowsItsPictureAndOpensItsLink) {
    FProject.WriteInfo(InfoWith({"bannerurl=https://example.org/banner"}));
    BuildAndOpen();
    ASSERT_TRUE(Form().tntimgBanner->isVisible());
    EXPECT_EQ(Form().tntimgBanner->Picture().size(), QSize(88, 31));
    EXPECT_EQ(Form().tntimgBanner->toolTip(), "https://example.org/banner");
    EXPECT_EQ(Form().tntimgBanner->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(Form().tntimgBanner, Qt::LeftButton, {}, QPoint(40, 15));
    EXPECT_EQ(OpenedUrls(), QStringList{"https://example.org/banner"});
    QTest::mouseClick(Form().tntimgBanner, Qt::RightButton, {}, QPoint(40, 15));
    EXPECT_EQ(OpenedUrls().size(), 1);
}

TEST_F(ViewerWindowTest, ABannerLinkOpensOnlyWebAndMailAddresses) {
    struct Case {
        const char* url;
        QStringList opened;
    } cases[] = {{"", {}}, {"/etc/passwd", {}}, {"www.example.org", {"http://www.example.org"}},
                 {"mailto:me@example.org", {"mailto:me@example.org"}}};
    for (const Case& c : cases) {
        FProject.WriteInfo(InfoWith({std::string("bannerurl=") + c.url}));
        Open(Build());
        FSeams.ClearCalls();
        Form().tntimgBannerClick();
        EXPECT_EQ(OpenedUrls(), c.opened) << c.url;
        EXPECT_EQ(Form().tntimgBanner->cursor().shape(), *c.url ? Qt::PointingHandCursor : Qt::ArrowCursor) << c.url;
    }
}

TEST_F(ViewerWindowTest, ABannerThatIsNoPngPictureStaysHiddenWithoutAnError) {
    const std::string package = Build();
    EditPackage(package, [](TResources& r) { SetRawData(r, "BANNERIMAGE", AnsiText("BM not a picture")); });
    Open(package);
    EXPECT_FALSE(Form().tntimgBanner->isVisible());
    EXPECT_TRUE(ErrorBoxes().isEmpty()) << ErrorBoxes().join('\n').toStdString();

    EditPackage(package, [](TResources& r) { RemoveResource(r, RT_RCDATA, "BANNERIMAGE"); });
    Open(package);
    EXPECT_FALSE(Form().tntimgBanner->isVisible());
    EXPECT_TRUE(ErrorBoxes().isEmpty());
}

TEST_F(ViewerWindowTest, ALargerBannerIsCutAtTheAreasEdges) {
    QImage wide(120, 40, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    wide.save(&buffer, "PNG");
    const std::string package = Build();
    EditPackage(package, [&](TResources& r) { SetRawData(r, "BANNERIMAGE", Bytes(png.begin(), png.end())); });
    Open(package);
    ASSERT_TRUE(Form().tntimgBanner->isVisible());
    EXPECT_EQ(Form().tntimgBanner->size(), QSize(88, 31));
    const QImage shown = Form().tntimgBanner->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(88, 31));
    EXPECT_EQ(QColor(shown.pixel(87, 30)), QColor(Qt::red));
}

}  // namespace
}  // namespace qv::test
