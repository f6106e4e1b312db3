#pragma once
// The command table of the builder window: every action under its name with its caption, hint
// (tool tip before the "|", status text after it), shortcut and picture, and the menu bar and
// toolbar that show them. Handlers are bound by the window.
#include <QObject>
#include <QString>

#include <array>
#include <map>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;

namespace qv {

enum class TCommandKind { Command, FileOpen, FileSave, Exit, CheckItem };

struct TCommandSpec {
    const char* Name;
    TCommandKind Kind;
    const char* Caption;   // UTF-8
    const char* Hint;      // UTF-8; "" for none
    const char* Shortcut;  // portable text; "" for none
    const char* Picture;   // ":/toolbar/<Picture>_16.png" and "_24.png"; "" for none
};

class TBuilderCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentCount = 4;

    // Makes every action as a child of the window and puts the menu bar and toolbar on it.
    explicit TBuilderCommands(QMainWindow* window);

    static const std::vector<TCommandSpec>& Table();
    // The short hint (tool tip) and the long hint (status text) of a hint "short|long"; a hint
    // without "|" is both.
    static QString ShortHint(const QString& hint);
    static QString LongHint(const QString& hint);
    // Puts a hint on an action: tool tip and status tip from its two parts.
    static void SetHint(QAction* action, const QString& hint);

    // nullptr for a name that is not in the table.
    QAction* Action(const QString& name) const;
    QAction* Recent(int index) const { return FRecent.at(size_t(index)); }
    QMenuBar* MenuBar() const { return FMenuBar; }
    QToolBar* ToolBar() const { return FToolBar; }

private:
    QAction* MakeAction(QMainWindow* window, const TCommandSpec& spec);
    QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption, const std::vector<const char*>& items);
    void FillMenu(QMenu* menu, const std::vector<const char*>& items);
    void BuildMenus(QMainWindow* window);
    void BuildToolBar(QMainWindow* window);

    std::map<QString, QAction*> FActions;
    std::array<QAction*, kRecentCount> FRecent{};
    QMenuBar* FMenuBar = nullptr;
    QToolBar* FToolBar = nullptr;
};

}  // namespace qv
