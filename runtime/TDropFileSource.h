#pragma once
// The drag source of the icon list (dfsIcons): a Qt drag offering files as URLs with the move
// action only and no drag image. The files need not exist when the drag starts: the first time a
// drop target asks for the URLs, the drop event runs and fills the file list, and the target
// gets the list as it then stands (an empty list offers no files).
#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QDrag;
class QWidget;

namespace qv {

class TDropFileSource : public QObject {
    Q_OBJECT
public:
    using TDropEvent = std::function<void()>;
    // Runs a drag to its end with the allowed actions; the real one is QDrag::exec.
    using TDragRunner = std::function<void(QDrag& drag, Qt::DropActions allowed)>;

    explicit TDropFileSource(QObject* parent = nullptr);

    void ClearFiles() { FFiles.clear(); }
    void AddFile(const std::string& path) { FFiles.push_back(path); }
    const std::vector<std::string>& Files() const { return FFiles; }

    // Raised once per drag, when the target first asks for the data.
    void SetOnDrop(TDropEvent onDrop) { FOnDrop = std::move(onDrop); }
    // Starts the drag from the widget and returns when it has ended.
    void Execute(QWidget* source);

    // Puts another runner in force (nullptr: the real one) and returns the one it replaces; for
    // tests, which cannot run the window system's drag loop.
    static TDragRunner ReplaceDragRunner(TDragRunner runner);

private:
    friend class TDropFileMimeData;
    void Dropped();

    std::vector<std::string> FFiles;
    TDropEvent FOnDrop;
};

}  // namespace qv
