// The package icon box and the banner box: loading through the dialogs, clicks and drops, the
// preview, drawing pictures onto the banner canvas, deleting it, and pictures that cannot be read.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <QTreeWidget>

#include <sys/resource.h>

#include <cstring>
#include <random>

#include "builder/BuilderText.h"
#include "builder/TPackageInfoPage.h"
#include "platform/FileIO.h"
#include "tests/builder/BuilderWindowFixture.h"
#include "tests/icon/IconTestFiles.h"
#include "tests/support/TestCommand.h"

namespace qv {
namespace {

using test::BuilderWindowTest;

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

uint32_t Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

bool Near(uint32_t rgb, uint32_t expected, int tolerance = 24) {
    for (int shift : {0, 8, 16})
        if (std::abs(int((rgb >> shift) & 0xFF) - int((expected >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

// 32-bit images are blended by their alpha with divisor 256: 255 comes out as 254.
bool Blended(uint32_t rgb, uint32_t expected) { return Near(rgb, expected, 1); }

class PackagePicturesTest : public BuilderWindowTest {
protected:
    static QImage Preview(TfrmBuilderMain& w) { return w.PackageInfoPage().imgMainIcon->pixmap().toImage(); }
    static uint32_t WindowColour(TfrmBuilderMain& w) {
        return w.PackageInfoPage().imgMainIcon->palette().color(QPalette::Window).rgb() & 0xFFFFFF;
    }
    // A picture file made by ImageMagick from its arguments.
    std::string Convert(const std::string& name, const std::string& arguments) const {
        const std::string path = Work() + name;
        const test::TCommandOutcome made = test::RunCommandLine("convert " + arguments + " " + test::ShellQuoted(path) + " 2>&1");
        EXPECT_EQ(made.Status, 0) << made.Output;
        return path;
    }
    // A picture of one colour saved by Qt.
    std::string Solid(const std::string& name, int width, int height, uint32_t rgb) const {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor::fromRgb(rgb));
        const std::string path = Work() + name;
        EXPECT_TRUE(image.save(PathToQ(path), "PNG"));
        return path;
    }
};

// --- package icon

TEST_F(PackagePicturesTest, ThePreviewShowsThe32PixelImageElseTheFirstCentredOnTheWindowColour) {
    auto w = MakeWindow();
    w->LoadPackageIcon(WriteIcon("three.ico", {{16, 32, kRed}, {32, 32, kGreen}, {48, 32, kBlue}}));
    QImage preview = Preview(*w);
    ASSERT_EQ(preview.size(), QSize(96, 96));
    EXPECT_EQ(Rgb(preview, 31, 31), WindowColour(*w));
    EXPECT_TRUE(Blended(Rgb(preview, 32, 32), kGreen));
    EXPECT_TRUE(Blended(Rgb(preview, 63, 63), kGreen));
    EXPECT_EQ(Rgb(preview, 64, 64), WindowColour(*w));
    EXPECT_TRUE(w->Modified());

    w->LoadPackageIcon(WriteIcon("no32.ico", {{48, 8, kRed}, {16, 32, kBlue}}));
    preview = Preview(*w);
    EXPECT_EQ(Rgb(preview, 23, 23), WindowColour(*w));
    EXPECT_EQ(Rgb(preview, 24, 24), kRed);
    EXPECT_EQ(Rgb(preview, 71, 71), kRed);
    EXPECT_EQ(Rgb(preview, 72, 72), WindowColour(*w));
    EXPECT_EQ(w->PackageIcon().Count(), 2);
}

TEST_F(PackagePicturesTest, TheIconBoxTakesTheFirstDroppedFileWhenItIsALowerCaseIcoFile) {
    auto w = MakeWindow();
    QGroupBox* box = w->PackageInfoPage().gbxMainIcon;
    const QImage before = Preview(*w);
    DropFiles(box, {WriteIcon("PICTURE.ICO", {{32, 32, kRed}}), WriteIcon("later.ico", {{32, 32, kBlue}})});
    EXPECT_EQ(Preview(*w), before) << "only the first file counts";
    EXPECT_FALSE(w->Modified());
    EXPECT_EQ(w->PackageInfoPage().lvIcon->topLevelItemCount(), 0);

    const std::string first = WriteIcon("first.ico", {{32, 32, kRed}});
    DropFiles(box, {first, WriteIcon("second.ico", {{32, 32, kBlue}})});
    EXPECT_TRUE(Blended(Rgb(Preview(*w), 40, 40), kRed));
    EXPECT_EQ(w->PackageIcon().Count(), 1);
    EXPECT_EQ(w->odlMainIcon.FileName(), PathToQ(first));
    EXPECT_TRUE(w->Modified());
    EXPECT_EQ(w->PackageInfoPage().lvIcon->topLevelItemCount(), 0) << "nothing reaches the icon list";
}

TEST_F(PackagePicturesTest, AnIconThatFailsToLoadKeepsTheOneBefore) {
    auto w = MakeWindow();
    const std::string good = WriteIcon("good.ico", {{32, 32, kBlue}});
    w->LoadPackageIcon(good);
    w->SetSaved();
    const QImage before = Preview(*w);
    WriteText(Work() + "broken.ico", std::string("\0\0\1\0\5\0garbage", 13));
    DropFiles(w->PackageInfoPage().gbxMainIcon, {Work() + "broken.ico"});
    EXPECT_EQ(Calls(TSeamKind::ErrorBox).size(), 1u);
    EXPECT_FALSE(w->Modified());
    EXPECT_EQ(Preview(*w), before);
    EXPECT_EQ(w->odlMainIcon.FileName(), QString()) << "a file that failed is not kept";
    ASSERT_TRUE(ForceDirectories(Work() + "saved"));
    w->SaveProject(Work() + "saved/kept.ipp", false);
    EXPECT_EQ(ReadWholeFile(Work() + "saved/mainicon.ico"), ReadWholeFile(good));
}

TEST_F(PackagePicturesTest, ClickingThePreviewOpensTheIconDialog) {
    auto w = MakeWindow();
    QLabel* picture = w->PackageInfoPage().imgMainIcon;
    EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(picture->toolTip(), QString::fromUtf8("パッケージのアイコンを変更します"));
    FSeams.PushOpenFile(PathToQ(WriteIcon("chosen.ico", {{32, 32, kRed}})));
    QTest::mouseClick(picture, Qt::LeftButton);
    const std::vector<TSeamCall> dialogs = Calls(TSeamKind::OpenFile);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].Args[3], QString::fromUtf8("アイコンファイル(*.ico)|*.ico"));
    EXPECT_TRUE(Blended(Rgb(Preview(*w), 40, 40), kRed));
    EXPECT_TRUE(w->Modified());
    // Cancelled: nothing changes.
    w->SetSaved();
    QTest::mouseClick(picture, Qt::LeftButton);
    EXPECT_EQ(Calls(TSeamKind::OpenFile).size(), 2u);
    EXPECT_FALSE(w->Modified());
}

// --- banner

TEST_F(PackagePicturesTest, PicturesAreDrawnOverTheBannerUnscaledAndCut) {
    auto w = MakeWindow();
    w->LoadBannerImage(Solid("red.png", 88, 31, kRed));
    w->LoadBannerImage(Solid("blue.png", 40, 20, kBlue));
    QImage banner = w->BannerImage();
    ASSERT_EQ(banner.size(), QSize(88, 31));
    EXPECT_EQ(Rgb(banner, 39, 19), kBlue);
    EXPECT_EQ(Rgb(banner, 40, 10), kRed) << "the old banner stays right of the new picture";
    EXPECT_EQ(Rgb(banner, 10, 20), kRed) << "and below it";
    EXPECT_EQ(w->PackageInfoPage().imgBannerImage->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              banner.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(w->Modified());

    QImage big(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) big.setPixel(x, y, qRgb(x, y, 7));
    ASSERT_TRUE(big.save(PathToQ(Work() + "big.png")));
    w->LoadBannerImage(Work() + "big.png");
    banner = w->BannerImage();
    ASSERT_EQ(banner.size(), QSize(88, 31));
    EXPECT_EQ(banner.convertToFormat(QImage::Format_RGB32), big.copy(0, 0, 88, 31));
}

TEST_F(PackagePicturesTest, AfterDeletingTheBannerAFreshWhiteCanvasIsMade) {
    auto w = MakeWindow();
    w->actDeleteBannerExecute();
    EXPECT_FALSE(w->Modified()) << "no banner, nothing to delete";
    w->LoadBannerImage(Solid("red.png", 88, 31, kRed));
    w->SetSaved();
    w->Action("actDeleteBanner")->trigger();
    EXPECT_TRUE(w->BannerImage().isNull());
    EXPECT_TRUE(w->PackageInfoPage().imgBannerImage->pixmap().isNull());
    EXPECT_TRUE(w->Modified());
    w->LoadBannerImage(Solid("blue.png", 40, 20, kBlue));
    EXPECT_EQ(Rgb(w->BannerImage(), 10, 10), kBlue);
    EXPECT_EQ(Rgb(w->BannerImage(), 50, 10), kWhite);
    EXPECT_EQ(Rgb(w->BannerImage(), 10, 25), kWhite);
}

TEST_F(PackagePicturesTest, ATextFileOnTheBannerBoxReportsTheLoaderErrorAndChangesNothing) {
    auto w = MakeWindow();
    w->LoadBannerImage(Solid("red.png", 88, 31, kRed));
    w->SetSaved();
    const QImage before = w->BannerImage();
    WriteText(Work() + "notes.txt", "plain text");
    DropFiles(w->PackageInfoPage().gbxBannerImage, {Work() + "notes.txt", Solid("blue.png", 88, 31, kBlue)});
    const std::vector<TSeamCall> errors = Calls(TSeamKind::ErrorBox);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].Args[0], QString::fromUtf8("拡張子 .txt の画像形式は処理できません"));
    EXPECT_EQ(w->BannerImage(), before);
    EXPECT_FALSE(w->Modified());
    EXPECT_EQ(w->odlBannerImage.FileName(), QString());

    // Any picture file counts, whatever its extension's case; the dialog keeps its name.
    const std::string upper = Solid("BLUE.PNG", 88, 31, kBlue);
    DropFiles(w->PackageInfoPage().gbxBannerImage, {upper});
    EXPECT_EQ(Rgb(w->BannerImage(), 5, 5), kBlue);
    EXPECT_EQ(w->odlBannerImage.FileName(), PathToQ(upper));
    EXPECT_TRUE(w->Modified());
}

TEST_F(PackagePicturesTest, ClickingTheBannerOpensThePictureDialog) {
    auto w = MakeWindow();
    QLabel* picture = w->PackageInfoPage().imgBannerImage;
    EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(picture->toolTip(), QString::fromUtf8("表示するバナー画像を変更します"));
    EXPECT_EQ(picture->contentsRect().size(), QSize(88, 31)) << "the frame lies around the banner";
    FSeams.PushOpenFile(PathToQ(Solid("green.png", 88, 31, kGreen)));
    QTest::mouseClick(picture, Qt::LeftButton);
    const std::vector<TSeamCall> dialogs = Calls(TSeamKind::OpenFile);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].Args[3],
              QString::fromUtf8("画像ファイル(*.bmp, *.png, *.jpg, *.jpeg, *.gif)|*.bmp;*.png;*.jpg;*.jpeg;*.gif|"
                                "Windowsビットマップ(*.bmp)|*.bmp|PNGイメージ(*.png)|*.png|"
                                "Jpegイメージ(*.jpg, *.jpeg)|*.jpg;*.jpeg|GIFイメージ(*.gif)|*.gif"));
    EXPECT_EQ(Rgb(w->BannerImage(), 5, 5), kGreen);
    EXPECT_TRUE(w->Modified());
}

// The width, height, bit depth and colour type of a PNG file's header.
std::tuple<uint32_t, uint32_t, int, int> PngHeader(const Bytes& png) {
    if (png.size() < 26) return {0, 0, 0, 0};
    const auto be32 = [&png](size_t at) {
        return uint32_t(png[at]) << 24 | uint32_t(png[at + 1]) << 16 | uint32_t(png[at + 2]) << 8 | png[at + 3];
    };
    return {be32(16), be32(20), png[24], png[25]};
}

TEST_F(PackagePicturesTest, BannersOfEveryFormatAreSavedAsA24BitPng) {
    const char* const formats[] = {"bmp", "png", "jpg", "jpeg", "gif"};
    for (const char* format : formats) {
        SCOPED_TRACE(format);
        auto w = MakeWindow();
        const std::string picture = Convert(std::string("halves.") + format,
                                            "-size 88x31 xc:red -fill blue -draw 'rectangle 44,0 87,30'");
        w->LoadBannerImage(picture);
        const std::string folder = Work() + "saved_" + format + "/";
        ASSERT_TRUE(ForceDirectories(folder));
        w->SaveProject(folder + "banner.ipp", false);
        const Bytes png = ReadWholeFile(folder + "banner_bannerimage.png");
        EXPECT_EQ(PngHeader(png), std::make_tuple(88u, 31u, 8, 2)) << "88 x 31, 8 bits for each of R, G, B";
        const QImage saved = QImage::fromData(QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size())));
        ASSERT_EQ(saved.size(), QSize(88, 31));
        EXPECT_TRUE(Near(Rgb(saved, 10, 15), kRed)) << std::hex << Rgb(saved, 10, 15);
        EXPECT_TRUE(Near(Rgb(saved, 70, 15), kBlue)) << std::hex << Rgb(saved, 70, 15);
    }
}

// --- pictures that cannot be read

uint32_t Crc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

void PutBe32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (24 - 8 * i));
}
void PutLe(Bytes& b, size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

constexpr uint32_t kHuge = 20000;

// The same picture claiming to be 20,000 x 20,000 pixels, its header otherwise intact.
Bytes ClaimHugeSize(Bytes file, const std::string& format) {
    if (format == "bmp") {
        PutLe(file, 18, kHuge, 4);
        PutLe(file, 22, kHuge, 4);
    } else if (format == "gif") {
        PutLe(file, 6, kHuge, 2);
        PutLe(file, 8, kHuge, 2);
        for (size_t i = 13; i + 9 < file.size(); ++i)
            if (file[i] == 0x2C) {  // the first image descriptor
                PutLe(file, i + 5, kHuge, 2);
                PutLe(file, i + 7, kHuge, 2);
                break;
            }
    } else if (format == "png") {
        PutBe32(file, 16, kHuge);
        PutBe32(file, 20, kHuge);
        PutBe32(file, 29, Crc32(file.data() + 12, 17));
    } else {  // jpeg: the frame header's height and width
        for (size_t i = 2; i + 9 < file.size(); ++i)
            if (file[i] == 0xFF && file[i + 1] == 0xC0) {
                file[i + 5] = uint8_t(kHuge >> 8), file[i + 6] = uint8_t(kHuge);
                file[i + 7] = uint8_t(kHuge >> 8), file[i + 8] = uint8_t(kHuge);
                break;
            }
    }
    return file;
}

long PeakKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST_F(PackagePicturesTest, DamagedTruncatedAndHugePicturesLeaveTheBannerAsItWas) {
    auto w = MakeWindow();
    w->LoadBannerImage(Solid("red.png", 88, 31, kRed));
    const QImage before = w->BannerImage();
    const long peakBefore = PeakKiB();
    for (const std::string format : {"bmp", "png", "jpg", "gif"}) {
        const Bytes good = ReadWholeFile(Convert("good." + format, "-size 88x31 gradient:blue-yellow"));
        Bytes damaged = good;
        std::memset(damaged.data(), 0x5A, std::min<size_t>(8, damaged.size()));
        const Bytes cut(good.begin(), good.begin() + std::ptrdiff_t(good.size() * 2 / 5));
        const Bytes stub(good.begin(), good.begin() + 12);
        const std::pair<const char*, Bytes> refused[] = {
            {"damaged", damaged}, {"stub", stub}, {"huge", ClaimHugeSize(good, format)}, {"empty", Bytes()}};
        for (const auto& [kind, bytes] : refused) {
            SCOPED_TRACE(format + " " + kind);
            const std::string file = Work() + kind + "." + format;
            WriteWholeFile(file, bytes);
            FSeams.ClearCalls();
            w->SetSaved();
            DropFiles(w->PackageInfoPage().gbxBannerImage, {file});
            EXPECT_EQ(Calls(TSeamKind::ErrorBox).size(), 1u);
            EXPECT_EQ(w->BannerImage(), before);
            EXPECT_FALSE(w->Modified());
        }
        // Cut in its pixels, a picture may still give what was read; either way the banner is
        // whole afterwards and changed only when nothing was reported.
        SCOPED_TRACE(format + " cut");
        WriteWholeFile(Work() + "cut." + format, cut);
        FSeams.ClearCalls();
        w->SetSaved();
        DropFiles(w->PackageInfoPage().gbxBannerImage, {Work() + "cut." + format});
        const bool reported = !Calls(TSeamKind::ErrorBox).empty();
        EXPECT_EQ(w->Modified(), !reported);
        EXPECT_EQ(w->BannerImage().size(), QSize(88, 31));
        if (reported) {
            EXPECT_EQ(w->BannerImage(), before);
        }
        w->actDeleteBannerExecute();
        w->LoadBannerImage(Work() + "red.png");
    }
    EXPECT_LT(PeakKiB() - peakBefore, 200L * 1024) << "no picture's pixels were made beyond the limit";
}

TEST_F(PackagePicturesTest, RandomlyDamagedPicturesNeverHarmTheBanner) {
    auto w = MakeWindow();
    w->LoadBannerImage(Solid("red.png", 88, 31, kRed));
    std::mt19937 random(20261211);
    for (const std::string format : {"bmp", "png", "jpg", "gif"}) {
        const Bytes good = ReadWholeFile(Convert("good." + format, "-seed 7 -size 88x31 plasma:fractal"));
        for (int round = 0; round < 40; ++round) {
            SCOPED_TRACE(format + " round " + std::to_string(round));
            Bytes bytes = good;
            // A few bytes changed anywhere past the signature, and sometimes the end cut off.
            for (int k = 0; k < 1 + round % 6; ++k) bytes[8 + random() % (bytes.size() - 8)] = uint8_t(random());
            if (round % 3 == 0) bytes.resize(8 + random() % (bytes.size() - 8));
            const std::string file = Work() + "random." + format;
            WriteWholeFile(file, bytes);
            const QImage before = w->BannerImage();
            FSeams.ClearCalls();
            w->SetSaved();
            DropFiles(w->PackageInfoPage().gbxBannerImage, {file});
            const bool reported = !Calls(TSeamKind::ErrorBox).empty();
            EXPECT_EQ(w->Modified(), !reported);
            ASSERT_EQ(w->BannerImage().size(), QSize(88, 31));
            if (reported) {
                EXPECT_EQ(w->BannerImage(), before);
            }
        }
    }
}

TEST_F(PackagePicturesTest, AnIconOf65535ImagesAndHugeDropsEndWithoutHarm) {
    std::vector<test::TTestImage> images(65535, test::MakeTestImage(1, 1, 32));
    WriteWholeFile(Work() + "many.ico", test::MakeIconFile(images));
    auto w = MakeWindow();
    QTreeWidget* list = w->PackageInfoPage().lvIcon;
    DropFiles(list->viewport(), {Work() + "many.ico"});
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("65535"));
    DropFiles(w->PackageInfoPage().gbxMainIcon, {Work() + "many.ico"});
    EXPECT_EQ(w->PackageIcon().Count(), 65535);
    EXPECT_TRUE(Calls(TSeamKind::ErrorBox).empty());

    // Twenty thousand files at once: icons that are not there end the drop at the first, other
    // files are passed over, and the banner box reads the first file only.
    std::vector<std::string> missing, texts;
    for (int i = 0; i < 20000; ++i) {
        missing.push_back(Work() + "gone" + std::to_string(i) + ".ico");
        texts.push_back(Work() + "note" + std::to_string(i) + ".txt");
    }
    w->SetSaved();
    DropFiles(list->viewport(), missing);
    DropFiles(list->viewport(), texts);
    DropFiles(w->PackageInfoPage().gbxBannerImage, texts);
    EXPECT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(Calls(TSeamKind::ErrorBox).size(), 2u);
    EXPECT_TRUE(w->BannerImage().isNull());
    EXPECT_FALSE(w->Modified());
}

}  // namespace
}  // namespace qv
