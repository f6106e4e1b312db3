#include "tools/screenshot/WidgetScreenshot.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

#include "tools/screenshot/TScreenshotScenes.h"

namespace qv {
namespace {

std::unique_ptr<QWidget> RedPanel() {
    auto widget = std::make_unique<QWidget>();
    widget->setFixedSize(120, 40);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(200, 20, 30));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    return widget;
}

TEST(WidgetScreenshot, WritesWhatTheWidgetShows) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::unique_ptr<QWidget> widget = RedPanel();
    const QString path = dir.filePath(QStringLiteral("sub/red.png"));  // missing folders are made
    QString error;
    ASSERT_TRUE(SaveWidgetScreenshot(widget.get(), path, &error)) << qPrintable(error);
    EXPECT_TRUE(widget->isVisible());
    const QImage image(path);
    ASSERT_EQ(image.size(), QSize(120, 40));
    EXPECT_EQ(image.pixelColor(60, 20), QColor(200, 20, 30));
}

TEST(WidgetScreenshot, ReportsWhatCannotBeDone) {
    QString error;
    EXPECT_FALSE(SaveWidgetScreenshot(nullptr, QStringLiteral("/tmp/x.png"), &error));
    EXPECT_FALSE(error.isEmpty());
    std::unique_ptr<QWidget> widget = RedPanel();
    EXPECT_FALSE(SaveWidgetScreenshot(widget.get(), QStringLiteral("/proc/qv-no-such/x.png"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("/proc/qv-no-such/x.png")));
}

TEST(TScreenshotScenes, NamedScenesAreMadeOnRequest) {
    int made = 0;
    TScreenshotScenes::Register(QStringLiteral("test-b"), QStringLiteral("second"), [&made] {
        ++made;
        return std::make_unique<QLabel>(QStringLiteral("b"));
    });
    TScreenshotScenes::Register(QStringLiteral("test-a"), QStringLiteral("first"), RedPanel);
    EXPECT_EQ(made, 0);
    const QStringList names = TScreenshotScenes::Names();
    EXPECT_LT(names.indexOf(QStringLiteral("test-a")), names.indexOf(QStringLiteral("test-b")));
    EXPECT_EQ(TScreenshotScenes::Description(QStringLiteral("test-b")), QStringLiteral("second"));
    std::unique_ptr<QWidget> b = TScreenshotScenes::Create(QStringLiteral("test-b"));
    ASSERT_NE(qobject_cast<QLabel*>(b.get()), nullptr);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(TScreenshotScenes::Create(QStringLiteral("no-such-scene")), nullptr);
    EXPECT_TRUE(TScreenshotScenes::Description(QStringLiteral("no-such-scene")).isEmpty());
}

}  // namespace
}  // namespace qv
