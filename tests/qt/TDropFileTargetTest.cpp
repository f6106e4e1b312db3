#include "platform/qt/TDropFileTarget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

#include <stdexcept>

#include "platform/qt/TFakeSystemSeams.h"
#include "platform/qt/TScopedSeams.h"

namespace qv {
namespace {

QMimeData* UrlData(const QList<QUrl>& urls) {
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

// Sends a drag-enter and then a drop carrying the data; true when the drag was accepted.
bool DragAndDrop(QWidget* surface, const QMimeData* data, const QPoint& at, Qt::DropAction* action = nullptr) {
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(surface, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    QApplication::sendEvent(surface, &drop);
    if (action) *action = drop.dropAction();
    return drop.isAccepted();
}

struct TDropRecorder {
    QStringList Files;
    QPoint Pos;
    int Drops = 0;
    TDropFileTarget::THandler Handler() {
        return [this](const QStringList& files, const QPoint& pos) {
            Files = files;
            Pos = pos;
            ++Drops;
        };
    }
};

TEST(TDropFileTarget, DeliversTheLocalFilesOfADrop) {
    QWidget window;
    TDropRecorder recorder;
    new TDropFileTarget(&window, recorder.Handler());
    EXPECT_TRUE(window.acceptDrops());

    std::unique_ptr<QMimeData> data(UrlData({QUrl::fromLocalFile(QStringLiteral("/tmp/a.ico")),
                                             QUrl(QStringLiteral("https://example.com/b.ico")),
                                             QUrl::fromLocalFile(QStringLiteral("/tmp/アイコン b.ipp"))}));
    Qt::DropAction action = Qt::IgnoreAction;
    EXPECT_TRUE(DragAndDrop(&window, data.get(), QPoint(12, 34), &action));
    EXPECT_EQ(action, Qt::CopyAction);
    EXPECT_EQ(recorder.Drops, 1);
    EXPECT_EQ(recorder.Files, (QStringList{QStringLiteral("/tmp/a.ico"), QStringLiteral("/tmp/アイコン b.ipp")}));
    EXPECT_EQ(recorder.Pos, QPoint(12, 34));
    EXPECT_EQ(TDropFileTarget::PathBytes(recorder.Files)[1], "/tmp/\xE3\x82\xA2\xE3\x82\xA4\xE3\x82\xB3\xE3\x83\xB3 b.ipp");
}

TEST(TDropFileTarget, RefusesDragsWithoutLocalFiles) {
    QWidget window;
    TDropRecorder recorder;
    new TDropFileTarget(&window, recorder.Handler());

    std::unique_ptr<QMimeData> web(UrlData({QUrl(QStringLiteral("https://example.com/a.ico"))}));
    EXPECT_FALSE(DragAndDrop(&window, web.get(), QPoint(1, 1)));
    QMimeData text;
    text.setText(QStringLiteral("/tmp/a.ico"));
    EXPECT_FALSE(DragAndDrop(&window, &text, QPoint(1, 1)));
    EXPECT_EQ(recorder.Drops, 0);
}

TEST(TDropFileTarget, ListViewsTakeDropsOnTheirViewport) {
    QListWidget list;
    list.resize(200, 100);
    TDropRecorder recorder;
    auto* target = new TDropFileTarget(&list, recorder.Handler());
    EXPECT_EQ(target->Widget(), &list);
    EXPECT_TRUE(list.viewport()->acceptDrops());

    std::unique_ptr<QMimeData> data(UrlData({QUrl::fromLocalFile(QStringLiteral("/i/x.ico"))}));
    EXPECT_TRUE(DragAndDrop(list.viewport(), data.get(), QPoint(5, 6)));
    EXPECT_EQ(recorder.Files, QStringList{QStringLiteral("/i/x.ico")});
    EXPECT_EQ(recorder.Pos, list.viewport()->mapTo(&list, QPoint(5, 6)));
    EXPECT_EQ(list.count(), 0);  // the view's own drop handling did not run
}

TEST(TDropFileTarget, AFailingHandlerEndsTheDropInTheErrorBox) {
    TFakeSystemSeams seams;
    TScopedSeams scope(seams);
    QWidget window;
    int calls = 0;
    new TDropFileTarget(&window, [&calls](const QStringList&, const QPoint&) {
        ++calls;
        throw std::runtime_error("アイコンの読み込みに失敗");
    });
    std::unique_ptr<QMimeData> data(UrlData({QUrl::fromLocalFile(QStringLiteral("/i/bad.ico"))}));
    DragAndDrop(&window, data.get(), QPoint(1, 1));
    DragAndDrop(&window, data.get(), QPoint(1, 1));
    EXPECT_EQ(calls, 2);  // the target still works after a failed drop
    const std::vector<TSeamCall> boxes = seams.CallsOf(TSeamKind::ErrorBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].Args.value(0), QStringLiteral("アイコンの読み込みに失敗"));
}

}  // namespace
}  // namespace qv
