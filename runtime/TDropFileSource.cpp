#include "runtime/TDropFileSource.h"

#include <QDrag>
#include <QList>
#include <QMimeData>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include "platform/CodePage.h"

namespace qv {

namespace {

const QString kUriList = QStringLiteral("text/uri-list");

TDropFileSource::TDragRunner& DragRunner() {
    static TDropFileSource::TDragRunner runner;
    return runner;
}

}  // namespace

// The drag's data: the URL list, produced when a target first asks for it.
class TDropFileMimeData : public QMimeData {
public:
    explicit TDropFileMimeData(TDropFileSource* source) : FSource(source) {}

    QStringList formats() const override { return {kUriList}; }
    bool hasFormat(const QString& mimeType) const override { return mimeType == kUriList; }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override {
        if (mimeType != kUriList || !FSource) return {};
        if (!FDropped) {
            FDropped = true;
            FSource->Dropped();
        }
        QList<QUrl> urls;
        for (const std::string& file : FSource->Files()) urls << QUrl::fromLocalFile(QString::fromStdU16String(AnsiToUnicode(file)));
        if (type.id() == QMetaType::QVariantList) {
            QVariantList list;
            for (const QUrl& url : urls) list << url;
            return list;
        }
        QByteArray text;
        for (const QUrl& url : urls) text += url.toEncoded() + "\r\n";
        return text;
    }

private:
    QPointer<TDropFileSource> FSource;
    mutable bool FDropped = false;
};

TDropFileSource::TDropFileSource(QObject* parent) : QObject(parent) {}

void TDropFileSource::Dropped() {
    if (FOnDrop) FOnDrop();
}

void TDropFileSource::Execute(QWidget* source) {
    auto* drag = new QDrag(source);
    drag->setMimeData(new TDropFileMimeData(this));
    // Move only: the target takes the files out of the temporary folder.
    if (DragRunner())
        DragRunner()(*drag, Qt::MoveAction);
    else
        drag->exec(Qt::MoveAction, Qt::MoveAction);
    drag->deleteLater();
}

TDropFileSource::TDragRunner TDropFileSource::ReplaceDragRunner(TDragRunner runner) {
    TDragRunner previous = std::move(DragRunner());
    DragRunner() = std::move(runner);
    return previous;
}

}  // namespace qv
