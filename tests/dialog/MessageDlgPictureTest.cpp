// The pictures of the kinds: image 4 of each built-in icon file, blended over the window colour.
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

#include "DialogTestSupport.h"
#include "common/ui/TModalDialogDriver.h"
#include "icon/IconDrawing.h"
#include "icon/TQVIcon.h"
#include "platform/TBitmapSurface.h"
#include "platform/TDIBitmap.h"
#include "icon/IconErrors.h"
#include "platform/FileIO.h"
#include "platform/ResId.h"
#include "platform/TResourceUpdater.h"
#include "platform/TModuleResources.h"

namespace qv::test {
namespace {

const char* const kResources[4] = {"QVICON_EXCLAMATION", "QVICON_ERROR", "QVICON_INFORMATION", "QVICON_CONFIRMATION"};

TQVIcon BuiltInIcon(const char* name) {
    TQVIcon icon;
    icon.LoadFromStream(*TModuleResources::Self().Open(ResId::Number(10), ResId::Name(name)));
    return icon;
}

TEST_F(DialogTest, KindsZeroToThreeShowImageFourBlendedOverTheWindowColour) {
    const QColor window = Form().palette().color(Form().backgroundRole());
    EXPECT_EQ(Form().imgIcon->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_FALSE(Form().imgIcon->hasScaledContents());
    QImage previous;
    for (uint8_t kind = 0; kind < 4; ++kind) {
        SCOPED_TRACE(int(kind));
        Form().SetIconKind(kind);
        const QImage shown = Form().imgIcon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), QSize(48, 48));

        // What the icon layer draws for image 4 over a bitmap of the window colour.
        const TQVIcon icon = BuiltInIcon(kResources[kind]);
        ASSERT_EQ(icon.Count(), 5);
        const auto image = icon.GetImageBitmap(4);
        const auto mask = icon.GetMaskBitmap(4);
        ASSERT_TRUE(image && mask);
        TDIBitmap expected(48, 48, 32);
        expected.Fill(0xFF000000u | window.rgb());
        TBitmapSurface surface(expected);
        DrawBitmapBlended(*image, mask.get(), 0, 0, surface);

        int motif = 0, background = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x) {
                const QRgb got = shown.pixel(x, y);
                EXPECT_EQ(qAlpha(got), 255);
                EXPECT_EQ(got & 0xFFFFFF, expected.Pixel(x, y) & 0xFFFFFF) << x << "," << y;
                (qRgb(qRed(got), qGreen(got), qBlue(got)) == window.rgb() ? background : motif)++;
            }
        EXPECT_GT(motif, 400) << "the motif is drawn";
        EXPECT_GT(background, 100) << "the window colour shows around it";
        EXPECT_NE(shown, previous);
        previous = shown;
    }
}

TEST_F(DialogTest, KindFourAndAboveShowNoPictureAndDoNotFail) {
    for (int kind : {4, 5, 128, 255}) {
        SCOPED_TRACE(kind);
        Form().SetIconKind(1);
        ASSERT_FALSE(Form().imgIcon->pixmap().isNull());
        EXPECT_NO_THROW(Form().SetIconKind(uint8_t(kind)));
        EXPECT_TRUE(Form().imgIcon->pixmap().isNull());

        auto outcome = TModalDialogDriver::PressButton("btnOk");
        EXPECT_EQ(MessageDlgW("Custom", uint8_t(kind), TfrmqvMessageDlgFormW::mbOK, "Custom"), 1);
        EXPECT_TRUE(outcome->Pressed);
    }
}

// Points the own module at a file whose overlay carries the four pictures with one of them cut
// short (the overlay wins over the pictures linked into the test).
class TDamagedPictureModule {
public:
    explicit TDamagedPictureModule(const std::string& damaged) {
        char pattern[] = "/tmp/qvdialogXXXXXX";
        const int fd = ::mkstemp(pattern);
        ::close(fd);
        FPath = pattern;
        auto update = TResourceUpdater::Begin(FPath);
        for (const char* name : kResources) {
            Bytes icon = ReadWholeFile(std::string(QV_SOURCE_DIR "/resources/dialog/") + name + ".ico");
            if (name == damaged) icon.resize(icon.size() / 2);
            update->Update(ResId::Number(10), ResId::Name(name), 0, std::move(icon));
        }
        EXPECT_TRUE(update->End()) << update->Error();
        TModuleResources::SetSelfFile(FPath);
    }
    ~TDamagedPictureModule() {
        TModuleResources::SetSelfFile("");
        ::unlink(FPath.c_str());
    }

private:
    std::string FPath;
};

TEST(MessageDlgCreation, APictureThatCannotBeLoadedEndsTheWindowsCreation) {
    EnsureQtApplication();
    FreeMessageDlgForm();
    for (const char* damaged : kResources) {
        SCOPED_TRACE(damaged);
        TDamagedPictureModule module(damaged);
        EXPECT_THROW(EnsureMessageDlgForm(), EIconLoadError);
        EXPECT_EQ(frmqvMessageDlgFormW, nullptr);
        try {
            MessageDlgW("Message", 1, TfrmqvMessageDlgFormW::mbOK, "Error");
            ADD_FAILURE() << "no dialog can be made";
        } catch (const EIconLoadError& e) {
            EXPECT_STREQ(e.what(), "アイコンの読み込みに失敗");
        }
    }
    // With the pictures whole again the dialog is made as usual.
    EnsureMessageDlgForm();
    EXPECT_NE(frmqvMessageDlgFormW, nullptr);
    FreeMessageDlgForm();
}

}  // namespace
}  // namespace qv::test
