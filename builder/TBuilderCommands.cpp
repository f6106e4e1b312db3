#include "builder/TBuilderCommands.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

// The pictures are compiled into this static library; a library's resources must be registered
// by name, outside any namespace.
static void InitToolbarPictures() { Q_INIT_RESOURCE(toolbar); }

namespace qv {
namespace {

using K = TCommandKind;

// A separator in a menu or toolbar list; a submenu is "@name" followed by its items and "@".
constexpr const char* kSeparator = "-";

}  // namespace

const std::vector<TCommandSpec>& TBuilderCommands::Table() {
    static const std::vector<TCommandSpec> table{
        {"actNewProject", K::Command, "新規作成(&N)", "新規作成", "Ctrl+N", "new"},
        {"actOpenProjectFile", K::FileOpen, "プロジェクトを開く(&O)...", "プロジェクトを開く|既存のファイルを開く", "Ctrl+O", "open"},
        {"actRecent1", K::Command, "&1 ", "", "", ""},
        {"actRecent2", K::Command, "&2 ", "", "", ""},
        {"actRecent3", K::Command, "&3 ", "", "", ""},
        {"actRecent4", K::Command, "&4 ", "", "", ""},
        {"actSaveProjectFile", K::Command, "上書き保存(&S)", "上書き保存", "Ctrl+S", "save"},
        {"actSaveAsProjectFile", K::FileSave, "プロジェクトに名前を付けて保存(&E)...",
         "名前を付けて保存|現在のファイルに新しい名前をつけて保存", "Shift+Ctrl+S", "save_as"},
        {"actFileExit", K::Exit, "終了(&X)", "終了|アプリケーションを終了する", "Ctrl+Q", "exit"},
        {"actOpenMainIcon", K::FileOpen, "パッケージのアイコン(&M)...", "開く|既存のファイルを開く", "Ctrl+M", "package_icon"},
        {"actOpenBannerImage", K::FileOpen, "画像ファイルを開く(&B)...", "画像を選択", "Ctrl+B", "banner"},
        {"actDeleteBanner", K::Command, "バナーを削除(&D)", "", "Shift+Ctrl+B", ""},
        {"actOpenIcon", K::FileOpen, "アイコンを追加する(&I)...", "アイコンを追加する|既存のファイルを開く", "Ctrl+I", "add_icon"},
        {"actDeleteSelectedIcon", K::Command, "選択したアイコンを削除(&L)", "選択したアイコンを削除", "Del", "delete"},
        {"actDeleteAllIcon", K::Command, "すべてのアイコンを削除(&A)", "すべてのアイコンを削除", "Shift+Del", "delete_all"},
        {"actUpSelectedIcon", K::Command, "上へ(&U)", "上へ", "", "up"},
        {"actDownSelectedIcon", K::Command, "下へ(&D)", "下へ", "", "down"},
        {"actCompile", K::Command, "パッケージ作成(&C)", "パッケージ作成", "Ctrl+F9", "compile"},
        {"actCompress", K::Command, "圧縮パッケージ作成(&P)", "圧縮パッケージを作成", "Ctrl+F8", "compress"},
        {"actCompressAs", K::FileSave, "名前を付けて圧縮パッケージ作成(&N)...", "名前を付けて圧縮パッケージ作成",
         "Shift+Ctrl+F9", ""},
        {"actCompressOptDontIcon", K::CheckItem, "アイコンリソースを圧縮しない(&I)", "", "", ""},
        {"actRun", K::Command, "動作テスト実行(&R)", "動作テスト実行", "F9", "run"},
        {"actKill", K::Command, "実行中の動作テストを強制終了(&K)", "実行中の動作テストを強制終了", "Shift+F8", "kill"},
        {"actOpenReadme", K::Command, "Readmeを読む(&R)", "", "", ""},
        {"actOpenManual", K::Command, "マニュアルを読む(&M)", "", "", ""},
        {"actAbout", K::Command, "バージョン情報(&A)", "", "", "about"},
    };
    return table;
}

QString TBuilderCommands::ShortHint(const QString& hint) { return hint.section(QLatin1Char('|'), 0, 0); }

QString TBuilderCommands::LongHint(const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void TBuilderCommands::SetHint(QAction* action, const QString& hint) {
    // An action keeps the whole hint; Qt would show the caption as tool tip for an empty one.
    action->setProperty("hint", hint);
    action->setToolTip(ShortHint(hint));
    action->setStatusTip(LongHint(hint));
}

TBuilderCommands::TBuilderCommands(QMainWindow* window) : QObject(window) {
    InitToolbarPictures();
    setObjectName(QStringLiteral("actmgrMain"));
    for (const TCommandSpec& spec : Table()) FActions[QString::fromUtf8(spec.Name)] = MakeAction(window, spec);
    for (int i = 0; i < kRecentCount; ++i) {
        FRecent[size_t(i)] = Action(QStringLiteral("actRecent%1").arg(i + 1));
        FRecent[size_t(i)]->setVisible(false);  // shown only while it holds a path
    }
    // Enabled exactly while the icon list has the keyboard focus.
    Action(QStringLiteral("actDeleteSelectedIcon"))->setEnabled(false);
    BuildMenus(window);
    BuildToolBar(window);
}

QAction* TBuilderCommands::MakeAction(QMainWindow* window, const TCommandSpec& spec) {
    auto* action = new QAction(QString::fromUtf8(spec.Caption), window);
    action->setObjectName(QString::fromUtf8(spec.Name));
    SetHint(action, QString::fromUtf8(spec.Hint));
    if (*spec.Shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(spec.Shortcut), QKeySequence::PortableText));
    if (*spec.Picture) {
        QIcon icon;
        for (const char* size : {"16", "24"})
            icon.addFile(QStringLiteral(":/toolbar/%1_%2.png").arg(QLatin1String(spec.Picture), QLatin1String(size)));
        action->setIcon(icon);
    }
    if (spec.Kind == TCommandKind::CheckItem) {
        action->setCheckable(true);
    }
    action->setProperty("commandKind", int(spec.Kind));
    window->addAction(action);  // shortcuts work while the menu bar is closed
    return action;
}

QAction* TBuilderCommands::Action(const QString& name) const {
    const auto found = FActions.find(name);
    return found == FActions.end() ? nullptr : found->second;
}

void TBuilderCommands::FillMenu(QMenu* menu, const std::vector<const char*>& items) {
    for (size_t i = 0; i < items.size(); ++i) {
        const QString item = QString::fromUtf8(items[i]);
        if (item == QLatin1String(kSeparator)) {
            menu->addSeparator();
        } else if (item.startsWith(QLatin1Char('@'))) {
            // "@name|caption", its items, then "@"
            std::vector<const char*> sub;
            for (++i; i < items.size() && QString::fromUtf8(items[i]) != QLatin1String("@"); ++i) sub.push_back(items[i]);
            QMenu* submenu = menu->addMenu(item.section(QLatin1Char('|'), 1));
            submenu->setObjectName(item.mid(1).section(QLatin1Char('|'), 0, 0));
            FillMenu(submenu, sub);
        } else {
            menu->addAction(Action(item));
        }
    }
}

QMenu* TBuilderCommands::AddMenu(QMenuBar* bar, const char* name, const char* caption,
                                 const std::vector<const char*>& items) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    FillMenu(menu, items);
    return menu;
}

void TBuilderCommands::BuildMenus(QMainWindow* window) {
    FMenuBar = new QMenuBar(window);
    FMenuBar->setObjectName(QStringLiteral("mnuMain"));
    AddMenu(FMenuBar, "mnuFile", "ファイル(&F)",
            {"actNewProject", "actOpenProjectFile", "@mnuRecent|最近開いたプロジェクト(&R)", "actRecent1", "actRecent2",
             "actRecent3", "actRecent4", "@", kSeparator, "actSaveProjectFile", "actSaveAsProjectFile", kSeparator,
             "actFileExit"});
    AddMenu(FMenuBar, "mnuProject", "プロジェクト(&P)",
            {"actOpenMainIcon", "@mnuBanner|バナー画像(&B)", "actOpenBannerImage", "actDeleteBanner", "@", kSeparator,
             "actOpenIcon", "actDeleteSelectedIcon", "actDeleteAllIcon", kSeparator, "actCompile", "actCompress",
             "actCompressAs", "@mnuCompressOption|圧縮オプション(&O)", "actCompressOptDontIcon", "@"});
    AddMenu(FMenuBar, "mnuTest", "テスト(&T)", {"actRun", "actKill"});
    AddMenu(FMenuBar, "mnuHelp", "ヘルプ(&H)", {"actOpenReadme", "actOpenManual", kSeparator, "actAbout"});
    window->setMenuBar(FMenuBar);
}

void TBuilderCommands::BuildToolBar(QMainWindow* window) {
    FToolBar = new QToolBar(window);
    FToolBar->setObjectName(QStringLiteral("tlbMain"));
    FToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    FToolBar->setMovable(false);
    FToolBar->setFloatable(false);
    FToolBar->setIconSize(QSize(24, 24));
    for (const char* item : {"actNewProject", "actOpenProjectFile", "actSaveProjectFile", kSeparator, "actCompile",
                             "actCompress", "actRun", kSeparator, "actOpenIcon", "actDeleteSelectedIcon",
                             "actDeleteAllIcon", "actUpSelectedIcon", "actDownSelectedIcon"}) {
        if (QString::fromUtf8(item) == QLatin1String(kSeparator))
            FToolBar->addSeparator();
        else
            FToolBar->addAction(Action(QString::fromUtf8(item)));
    }
    window->addToolBar(Qt::TopToolBarArea, FToolBar);
}

}  // namespace qv
