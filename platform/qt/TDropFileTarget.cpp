#include "platform/qt/TDropFileTarget.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace qv {

namespace {

QWidget* DropSurface(QWidget* widget) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) return area->viewport();
    return widget;
}

// Files are copied by default; a source that offers no copy gets its own proposal.
void AcceptFileDrag(QDropEvent* event) {
    if (event->possibleActions() & Qt::CopyAction) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
}

}  // namespace

TDropFileTarget::TDropFileTarget(QWidget* widget, THandler handler)
    : QObject(widget), FWidget(widget), FWatched(DropSurface(widget)), FHandler(std::move(handler)) {
    FWatched->setAcceptDrops(true);
    FWatched->installEventFilter(this);
}

QStringList TDropFileTarget::LocalFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}

std::vector<std::string> TDropFileTarget::PathBytes(const QStringList& files) {
    std::vector<std::string> paths;
    for (const QString& file : files) paths.push_back(QFile::encodeName(file).toStdString());
    return paths;
}

bool TDropFileTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FWatched) return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (LocalFiles(drag->mimeData()).isEmpty()) return false;
        AcceptFileDrag(drag);
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList files = LocalFiles(drop->mimeData());
        if (files.isEmpty()) return false;
        AcceptFileDrag(drop);
        if (FHandler) FHandler(files, FWatched->mapTo(FWidget, drop->position().toPoint()));
        return true;
    }
    default:
        return false;
    }
}

}  // namespace qv
