#include "tools/screenshot/DemoScenes.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tools/screenshot/TScreenshotScenes.h"

namespace qv {

namespace {

std::unique_ptr<QWidget> CjkDialog() {
    auto dialog = std::make_unique<QDialog>();
    dialog->setObjectName(QStringLiteral("frmCjkDemo"));
    dialog->setWindowTitle(QStringLiteral("QuorvaneBuilder"));
    auto* layout = new QVBoxLayout(dialog.get());
    const char* const lines[] = {
        "プロジェクトは変更されています。保存しますか？",
        "아이콘 패키지를 만들었습니다.",
        "图标包已创建。",
        "Latin text next to 日本語 and 한국어.",
    };
    for (const char* line : lines) {
        auto* label = new QLabel(QString::fromUtf8(line), dialog.get());
        layout->addWidget(label);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const char* caption : {"はい(&Y)", "いいえ(&N)", "キャンセル"})
        buttons->addWidget(new QPushButton(QString::fromUtf8(caption), dialog.get()));
    layout->addLayout(buttons);
    dialog->resize(420, 160);
    return dialog;
}

// Every image of the committed icon files, as Qt's own icon reader decodes them, over the
// window colour: a check of the artwork by an independent reader.
std::unique_ptr<QWidget> Artwork() {
    auto widget = std::make_unique<QWidget>();
    widget->setObjectName(QStringLiteral("frmArtwork"));
    auto* grid = new QGridLayout(widget.get());
    const char* const files[] = {"dialog/QVICON_EXCLAMATION.ico", "dialog/QVICON_ERROR.ico",
                                 "dialog/QVICON_INFORMATION.ico", "dialog/QVICON_CONFIRMATION.ico",
                                 "builder/MAINICONDEFAULT.ico", "builder/BANNERIMAGE.png"};
    int row = 0;
    for (const char* file : files) {
        QImageReader reader(QStringLiteral(QV_RESOURCES_DIR "/") + QString::fromUtf8(file));
        int column = 0;
        do {
            auto* label = new QLabel(widget.get());
            label->setPixmap(QPixmap::fromImage(reader.read()));
            grid->addWidget(label, row, column++, Qt::AlignLeft | Qt::AlignVCenter);
        } while (reader.jumpToNextImage());
        ++row;
    }
    return widget;
}

}  // namespace

void RegisterDemoScenes() {
    TScreenshotScenes::Register(QStringLiteral("demo-artwork"),
                                QStringLiteral("every image of the committed icon files and the banner"), Artwork);
    TScreenshotScenes::Register(QStringLiteral("demo-cjk"),
                                QStringLiteral("a dialog with Japanese, Korean and Chinese text"), CjkDialog);
}

}  // namespace qv
