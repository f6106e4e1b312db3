#pragma once
// A file-drop target on any widget: accepts drags that carry local file URLs (text/uri-list)
// and hands the dropped local file paths, in the order of the drag, to a handler. On a scroll
// area (list views and the like) it watches the viewport, where drags arrive. The target is a
// child of the widget and lives as long as it.
#include <QObject>
#include <QPoint>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QMimeData;
class QWidget;

namespace qv {

class TDropFileTarget : public QObject {
    Q_OBJECT
public:
    // files: full local paths; pos: the drop point in the widget's coordinates.
    using THandler = std::function<void(const QStringList& files, const QPoint& pos)>;

    TDropFileTarget(QWidget* widget, THandler handler);

    QWidget* Widget() const { return FWidget; }
    // The local files among the URLs of a drag; other URLs are left out.
    static QStringList LocalFiles(const QMimeData* data);
    // Paths as the file system's byte strings.
    static std::vector<std::string> PathBytes(const QStringList& files);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* FWidget;
    QWidget* FWatched;  // the widget itself, or its viewport
    THandler FHandler;
};

}  // namespace qv
