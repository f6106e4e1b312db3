// Icon rows as the window makes them: caption, image count, thumbnail strip, the first column's
// widening, and the package icon preview.
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTreeWidget>

#include "builder/TIconRow.h"
#include "builder/TPackageInfoPage.h"
#include "platform/FileIO.h"
#include "tests/builder/BuilderWindowFixture.h"
#include "tests/support/TestProject.h"

namespace qv {
namespace {

using test::BuilderWindowTest;

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

uint32_t Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

TEST_F(BuilderWindowTest, RowsShowNameCountAndAThumbnailStrip) {
    auto w = MakeWindow();
    QTreeWidget* list = w->PackageInfoPage().lvIcon;
    EXPECT_EQ(list->columnWidth(0), 100);
    EXPECT_EQ(list->columnWidth(1), 70);
    w->AddIconFile(WriteIcon("three.ico", {{16, 32, kRed}, {32, 32, kGreen}, {48, 32, kBlue}}));
    EXPECT_EQ(list->columnWidth(0), 540);
    w->AddIconFile(WriteIcon("deep.ico", {{16, 24, kGreen}, {16, 16, kBlue}, {16, 8, kRed}}));
    EXPECT_EQ(list->columnWidth(0), 540) << "widened once";
    EXPECT_FALSE(w->Modified()) << "AddIconFile leaves marking to its callers";

    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("three.ico"));
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("3"));
    const QImage strip = TIconRow::At(*list, 0)->Thumbnail();
    ASSERT_EQ(strip.size(), QSize(340, 48));
    EXPECT_EQ(Rgb(strip, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(Rgb(strip, 2, 0), kRed);
    EXPECT_EQ(Rgb(strip, 19, 0), 0xFFFFFFu);
    EXPECT_EQ(Rgb(strip, 20, 0), kGreen);
    EXPECT_EQ(Rgb(strip, 53, 0), 0xFFFFFFu);
    EXPECT_EQ(Rgb(strip, 54, 0), kBlue);
    // 24, 16 and 8 bits: copied, so they show.
    const QImage deep = TIconRow::At(*list, 1)->Thumbnail();
    EXPECT_EQ(Rgb(deep, 5, 5), kGreen);
    EXPECT_EQ(Rgb(deep, 23, 5), kBlue);
    EXPECT_EQ(Rgb(deep, 41, 5), kRed);
    EXPECT_EQ(list->iconSize(), QSize(340, 48));
}

TEST_F(BuilderWindowTest, AFileThatFailsToLoadLeavesNoRow) {
    auto w = MakeWindow();
    WriteText(Work() + "bad.ico", std::string("\0\0\1\0\1\0", 6));
    EXPECT_ANY_THROW(w->AddIconFile(Work() + "bad.ico"));
    EXPECT_ANY_THROW(w->AddIconFile(Work() + "missing.ico"));
    EXPECT_EQ(w->PackageInfoPage().lvIcon->topLevelItemCount(), 0);
}

TEST_F(BuilderWindowTest, ThePreviewCentresThe32PixelImage) {
    test::TestProject project;
    project.WriteDefault();
    // The only 32 x 32 image has 8 bits; a 32-bit image is 48 x 48.
    project.WriteFile("mainicon.ico", ReadWholeFile(WriteIcon("main.ico", {{48, 32, kBlue}, {32, 8, kRed}})));
    auto w = MakeWindow({project.ProjectPath()});
    const QImage preview = w->PackageInfoPage().imgMainIcon->pixmap().toImage();
    ASSERT_EQ(preview.size(), QSize(96, 96));
    const uint32_t background = w->PackageInfoPage().imgMainIcon->palette().color(QPalette::Window).rgb() & 0xFFFFFF;
    EXPECT_EQ(Rgb(preview, 31, 31), background);
    EXPECT_EQ(Rgb(preview, 32, 32), kRed);
    EXPECT_EQ(Rgb(preview, 63, 63), kRed);
    EXPECT_EQ(Rgb(preview, 64, 64), background);
    EXPECT_EQ(w->odlMainIcon.FileName(), QString::fromStdString(project.Path("mainicon.ico")));
}

}  // namespace
}  // namespace qv
