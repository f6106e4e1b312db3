#pragma once
// The package viewer's window (one instance, tntfrmQuorvex). Made, it reads the package from the
// own module's resources (TModuleResources::Self()): the package information, the banner, the
// language list and the icons, and prepares the read-me's links. Its first showing, and every
// pick in the language selector, applies the texts and fonts of the chosen language. A step that
// fails is reported once in the standard error box with the error's own message and ends what it
// belongs to; the window keeps what was done before.
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/TImageList.h"
#include "runtime/TPackageInfo.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace qv {

class TBannerImage;
class TDropFileSource;
class TControlLayout;
class TQVIcon;
class TReadmeHighlighter;
class TSplitter;

class TtntfrmQuorvex : public QWidget {
    Q_OBJECT
public:
    // Builds the design and runs TntFormCreate. The instance becomes tntfrmQuorvex until it is
    // destroyed.
    explicit TtntfrmQuorvex(QWidget* parent = nullptr);
    // TntFormDestroy: releases the icons and removes the temporary drag folders.
    ~TtntfrmQuorvex() override;

    // The language application: the read-me, texts and fonts of the selected language.
    void tntcboIconPackLangSelect();
    // The agreement: the icons become usable.
    void tntbtnAgreeClick();
    // Opens the banner's link (its hint), if any.
    void tntimgBannerClick();
    // The drag start: every press in the list keeps its point; a move with the left button alone
    // or the right button alone, no Shift, Ctrl or Alt, at least 10 pixels away in either
    // direction starts the drag of the selected icons.
    void tntlvIconMouseDown(const QPoint& pos);
    void tntlvIconMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPoint& pos);
    // The drop preparation: the selected icons written into a new temporary folder, their paths
    // handed to the drag source.
    void dfsIconsDrop();
    // The temporary drag folders made so far, removed when the window is destroyed.
    const std::vector<std::string>& TempFolders() const { return FTempFolders; }
    // The copy worker: writes the icons (all, or the selected ones) into the folder, asking before
    // an existing file is replaced; returns the paths written, in icon order.
    QStringList CopyIconsTo(const QString& folder, bool selectedOnly);
    // Opens the copy-to dialog modally, its destination set to the program folder and package.
    void tntbtnCopyToClick();

    const TPackageInfo& PackageInfo() const { return FInfo; }
    int PackIconCount() const { return int(FPackIcons.size()); }
    const TQVIcon& PackIcon(int index) const { return *FPackIcons.at(size_t(index)); }
    const QString& ErrorMakeFileText() const { return FErrorMakeFileText; }
    // Whether the read-me marks links and opens them on a left-button press.
    bool ReadmeLinksActive() const { return FReadmeHighlighter != nullptr; }
    // The read-me link under a point of the read-me's viewport; empty when there is none.
    QString ReadmeLinkAt(const QPoint& viewportPos) const;

    QWidget* tntpnlTop = nullptr;
    QWidget* tntpnlHeader = nullptr;
    QLabel* tntlblLang = nullptr;
    QComboBox* tntcboIconPackLang = nullptr;
    TBannerImage* tntimgBanner = nullptr;
    QPlainTextEdit* tnttxtReadme = nullptr;
    TSplitter* csplMain = nullptr;
    QWidget* tntpnlBottom = nullptr;
    QWidget* tntpnlDragDrop = nullptr;
    QLabel* tntlblDragDrop = nullptr;
    QLabel* tntlblDragOr = nullptr;
    QPushButton* tntbtnCopyTo = nullptr;
    QPushButton* tntbtnAgree = nullptr;
    QListWidget* tntlvIcon = nullptr;
    TImageList imlIcon;
    TDropFileSource* dfsIcons = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using TApplyText = void (*)(TtntfrmQuorvex& form, const QString& value);
    struct TLanguageKey {
        std::u16string_view Name;
        TApplyText Apply;
    };

    void CreateControls();
    void CreateHeader();
    void CreateCommandStrip();
    void CreateIconList();
    QWidget* CreatePanel(QWidget* parent, const char* name, int height);
    QLabel* CreateLabel(QWidget* parent, const char* name, int x, int y);
    QPushButton* CreateButton(QWidget* parent, const char* name, const char* caption, const QRect& geometry);

    void TntFormCreate();
    void ReadPackageInfo();
    void ApplyBannerUrl();
    void LoadBanner();
    void ReadLanguageList();
    void BuildIconList();
    void PrepareReadme();

    void ApplyLanguage();
    static const TLanguageKey* FindLanguageKey(std::u16string_view name);
    void SetLabelCaption(QLabel* label, const QString& caption);
    std::vector<QWidget*> RefontTargets() const;
    void SetFontName(const QString& name);
    void SetFontSize(int32_t size);
    void FitLabels();

    void ApplyAgreeButton(bool agreeStep);
    void SetTopPanelHeight(int height);
    bool ReadmeWndProc(QEvent* event);
    bool IconListWndProc(QEvent* event);
    void ShowDropError();
    void WriteDropFiles(const std::string& folder);

    bool IconSelected(int index) const;

    // Runs a step; an error ends it and is shown in the standard error box.
    static void Reported(const std::function<void()>& step);

    TPackageInfo FInfo;
    std::vector<std::unique_ptr<TQVIcon>> FPackIcons;
    std::vector<std::string> FTempFolders;
    QString FErrorMakeFileText;
    int32_t FDragStartX = 0;
    int32_t FDragStartY = 0;
    TReadmeHighlighter* FReadmeHighlighter = nullptr;
    bool FShown = false;

    TControlLayout* FLayout = nullptr;
    TControlLayout* FTopLayout = nullptr;
    TControlLayout* FHeaderLayout = nullptr;
    TControlLayout* FBottomLayout = nullptr;
    TControlLayout* FStripLayout = nullptr;
};

// The program's viewer window; nullptr while there is none.
extern TtntfrmQuorvex* tntfrmQuorvex;

}  // namespace qv
