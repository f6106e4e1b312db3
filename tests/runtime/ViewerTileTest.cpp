// The icon tiles: the chosen image centred in a cell of the list's background colour, cut where
// it is larger, blended by its alpha or copied pixel for pixel, transparent where its mask says.
#include <QListWidget>

#include "TestIcons.h"
#include "icon/TQVIcon.h"
#include "runtime/IconTiles.h"
#include "runtime/TImageList.h"
#include "tests/icon/IconTestFiles.h"
#include "ViewerTestSupport.h"

namespace qv::test {
namespace {

class ViewerTileTest : public ViewerTest {
protected:
    // A package whose icons are the given files, shown with the given info scalars.
    void OpenIcons(const std::vector<Bytes>& icons, const std::vector<std::string>& scalars) {
        std::vector<std::string> names;
        for (size_t i = 0; i < icons.size(); ++i) {
            names.push_back("t" + std::to_string(i) + ".ico");
            FProject.WriteFile("icon/" + names.back(), icons[i]);
        }
        std::vector<std::string> info = scalars;
        info.push_back("iconcount=" + std::to_string(names.size()));
        for (size_t i = 0; i < names.size(); ++i) info.push_back("iconname" + std::to_string(i) + "=" + names[i]);
        FProject.WriteInfo(info);
        Open(Build());
        ASSERT_TRUE(ErrorBoxes().isEmpty()) << ErrorBoxes().join('\n').toStdString();
        ASSERT_EQ(Form().tntlvIcon->count(), int(icons.size()));
    }
    QColor Shown(int icon, int x, int y) const { return QColor(ShownTile(icon).pixel(x, y)); }
    QColor Background() const { return ListBackground(); }
};

QColor Rgb(uint32_t argb) { return QColor(QRgb(argb | 0xFF000000u)); }

// At 8 bits the pattern repeats every 16 pixels, to stay within the palette.
TPixelImage Distinct(int size, int bits, int salt = 0) {
    const int period = bits == 8 ? 16 : 256;
    return {size, size, bits, [=](int x, int y) { return DistinctColor(x % period, y % period, salt); }};
}

const std::vector<std::string> kShow32 = {"showiconbit=32", "showiconwidth=32", "showiconheight=32"};

TEST_F(ViewerTileTest, ImagesAreCentredAndLargerOnesCutOnAllSides) {
    OpenIcons({MakePixelIconFile({Distinct(48, 32)}), MakePixelIconFile({Distinct(16, 32)})}, kShow32);
    EXPECT_EQ(Form().imlIcon.Size(), QSize(32, 32));
    // 48 x 48 at -8, -8.
    EXPECT_EQ(Shown(0, 0, 0), Rgb(DistinctColor(8, 8)));
    EXPECT_EQ(Shown(0, 31, 31), Rgb(DistinctColor(39, 39)));
    EXPECT_EQ(Shown(0, 31, 0), Rgb(DistinctColor(39, 8)));
    // 16 x 16 at 8, 8; the rest of the cell is the list's background.
    EXPECT_EQ(Shown(1, 8, 8), Rgb(DistinctColor(0, 0)));
    EXPECT_EQ(Shown(1, 23, 23), Rgb(DistinctColor(15, 15)));
    for (QPoint p : {QPoint(7, 7), QPoint(24, 8), QPoint(8, 24), QPoint(0, 31)})
        EXPECT_EQ(Shown(1, p.x(), p.y()), Background());
    // The list shows exactly the image list's images.
    EXPECT_EQ(
        Form().tntlvIcon->item(1)->icon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
        Form().imlIcon.Image(1).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_EQ(Form().tntlvIcon->iconSize(), QSize(32, 32));
}

TEST_F(ViewerTileTest, AlphaIsBlendedAndTheMaskMakesCellsTransparent) {
    TPixelImage clear{32, 32, 32, [](int, int) { return 0x00FF0000u; }};  // red, all alpha 0
    TPixelImage half{32, 32, 32, [](int, int) { return 0x800000FFu; }};   // blue at alpha 128
    TPixelImage eight{32, 32, 8, [](int x, int) { return x < 16 ? 0xFF102030u : 0xFF000000u; },
                      [](int x, int) { return x >= 16; }};  // right half transparent by its mask
    OpenIcons({MakePixelIconFile({clear}), MakePixelIconFile({half}), MakePixelIconFile({eight})},
              {"showiconbit=8", "showiconwidth=32", "showiconheight=32"});
    const QColor bg = Background();
    EXPECT_EQ(Shown(0, 5, 5), bg);
    EXPECT_EQ(Shown(0, 31, 31), bg);
    const QColor blended = Shown(1, 5, 5);
    EXPECT_EQ(blended.red(), bg.red() * 128 / 256);
    EXPECT_EQ(blended.blue(), (255 * 128 + bg.blue() * 128) / 256);
    EXPECT_EQ(Shown(2, 3, 3), Rgb(0x102030));
    EXPECT_EQ(Form().imlIcon.Image(2).pixel(3, 3) >> 24, 0xFFu);
    EXPECT_EQ(Shown(2, 20, 3), bg);
    EXPECT_EQ(Form().imlIcon.Image(2).pixel(20, 3) >> 24, 0u);  // transparent, not painted over
}

TEST_F(ViewerTileTest, TheBitCountPicksTheImageOfTheWantedSize) {
    const Bytes with24 = MakePixelIconFile({Distinct(16, 8, 1), Distinct(32, 8, 2), Distinct(32, 24, 3)});
    const Bytes without24 = MakePixelIconFile({Distinct(16, 8, 1), Distinct(32, 8, 2), Distinct(32, 32, 4)});
    const Bytes noSize = MakePixelIconFile({Distinct(16, 32, 5), Distinct(48, 32, 6)});
    OpenIcons({with24, without24, noSize}, {"showiconbit=24", "showiconwidth=288", "showiconheight=32"});
    EXPECT_EQ(Form().imlIcon.Size(), QSize(32, 32));  // 288 keeps its low 8 bits
    EXPECT_EQ(Shown(0, 4, 4), Rgb(DistinctColor(4, 4, 3)));
    EXPECT_EQ(Shown(1, 4, 4), Rgb(DistinctColor(4, 4, 2)));  // the first 32 x 32 image (8 bits)
    EXPECT_EQ(Shown(2, 8, 8), Rgb(DistinctColor(0, 0, 5)));  // image 0, centred
}

TEST_F(ViewerTileTest, APngImageIsDecodedAndDrawnByItsAlpha) {
    QImage picture(40, 40, QImage::Format_ARGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) picture.setPixel(x, y, y < 20 ? qRgba(0, 200, 0, 255) : qRgba(0, 0, 0, 0));
    OpenIcons({MakePngIconFile(picture)}, kShow32);
    ASSERT_TRUE(Form().PackIcon(0).IsPngImage(0));
    // 40 x 40 at -4, -4: rows 0 to 15 of the cell are the opaque half, the rest is background.
    EXPECT_EQ(Shown(0, 0, 0), QColor(0, 200, 0));
    EXPECT_EQ(Shown(0, 31, 15), QColor(0, 200, 0));
    EXPECT_EQ(Shown(0, 10, 16), Background());
    EXPECT_EQ(Form().imlIcon.Image(0).pixel(10, 16) >> 24, 0u);
}

TEST_F(ViewerTileTest, AnImageThatMakesNoPictureLeavesAnEmptyCell) {
    // A PNG signature followed by bytes Qt cannot read: the icon loads, its tile stays empty.
    TTestImage broken = MakePngTestImage(64, 32, 32);
    OpenIcons({MakeIconFile({broken}), MakePixelIconFile({Distinct(32, 32)})}, kShow32);
    EXPECT_EQ(Shown(0, 16, 16), Background());
    EXPECT_EQ(Shown(1, 16, 16), Rgb(DistinctColor(16, 16)));
}

TEST_F(ViewerTileTest, TilesAreDrawnWhenTheirItemsArePaintedWithTheSamePixels) {
    // More icons than the list shows at once; each a different pattern.
    std::vector<Bytes> icons;
    for (int i = 0; i < 120; ++i) icons.push_back(MakePixelIconFile({Distinct(32, 32, i), Distinct(16, 8, i)}));
    OpenIcons(icons, kShow32);
    QListWidget& list = *Form().tntlvIcon;
    const int last = list.count() - 1;
    list.viewport()->grab();
    EXPECT_TRUE(Form().imlIcon.IsMade(0));
    EXPECT_FALSE(Form().imlIcon.IsMade(last));  // out of view: not drawn yet
    list.scrollToItem(list.item(last));
    list.viewport()->grab();
    ASSERT_TRUE(Form().imlIcon.IsMade(last));
    // What a tile drawn at once would be.
    for (int i : {0, last}) {
        TImageList eager;
        const TIconTile cell = BuildIconTile(Form().PackIcon(i), 32, 32, 32, Background());
        eager.Add(cell.Tile, cell.Mask);
        EXPECT_EQ(Form().imlIcon.Image(i), eager.Image(0)) << i;
        EXPECT_EQ(list.item(i)->icon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  eager.Image(0).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    EXPECT_EQ(Shown(last, 4, 4), Rgb(DistinctColor(4, 4, last)));
    // Every item is one grid cell, its caption centred under the icon.
    EXPECT_EQ(list.item(last)->sizeHint(), list.gridSize());
    EXPECT_EQ(list.item(last)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignTop));
}

TEST(ImageList, DeferredImagesAreMadeOnceByTheSourceAndMixWithAddedOnes) {
    TImageList images;
    int made = 0;
    images.SetSource([&made](int index) {
        ++made;
        QImage tile(2, 1, QImage::Format_ARGB32), mask(2, 1, QImage::Format_ARGB32);
        tile.fill(QColor(index, 0, 0));
        mask.fill(Qt::black);
        mask.setPixel(1, 0, qRgb(255, 255, 255));  // transparent there
        return TIconTile{tile, mask};
    });
    QImage added(2, 1, QImage::Format_ARGB32);
    added.fill(Qt::blue);
    QImage opaque(2, 1, QImage::Format_ARGB32);
    opaque.fill(Qt::black);
    EXPECT_EQ(images.AddDeferred(), 0);
    EXPECT_EQ(images.Add(added, opaque), 1);
    EXPECT_EQ(images.AddDeferred(), 2);
    EXPECT_FALSE(images.IsMade(0));
    EXPECT_TRUE(images.IsMade(1));
    EXPECT_EQ(images.Image(2).pixel(0, 0), qRgba(2, 0, 0, 255));
    EXPECT_EQ(images.Image(2).pixel(1, 0) >> 24, 0u);
    EXPECT_EQ(images.Image(2).pixel(0, 0), qRgba(2, 0, 0, 255));
    EXPECT_EQ(made, 1);
    EXPECT_FALSE(images.IsMade(0));
    EXPECT_EQ(images.Image(1).pixel(1, 0), qRgba(0, 0, 255, 255));
    images.SetSize(QSize(2, 1));
    EXPECT_EQ(images.Count(), 0);
}

TEST_F(ViewerTileTest, ZeroSizedTilesShowNoImage) {
    OpenIcons({MakePixelIconFile({Distinct(16, 32)})}, {"showiconwidth=256", "showiconheight=32"});
    EXPECT_EQ(Form().imlIcon.Size(), QSize(0, 32));
    EXPECT_TRUE(Form().imlIcon.Image(0).isNull());
    EXPECT_EQ(IconCaptions(), QStringList{"t0.ico"});
}

}  // namespace
}  // namespace qv::test
