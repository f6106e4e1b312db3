#pragma once
// The page "パッケージ情報": package title, agree option, display settings, icon folder and icon
// list, package icon box, banner box and banner link. Its texts are in the system code page.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace qv {

class TBuilderCommands;

class TPackageInfoPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColorDepths = 3;
    static constexpr int kIconSizes = 8;
    static constexpr int kDefaultColorDepth = 2;  // "32bit"
    static constexpr int kDefaultIconSize = 3;    // "32 x 32 pixel"
    static constexpr int kBannerWidth = 88;
    static constexpr int kBannerHeight = 31;

    TPackageInfoPage(TBuilderCommands& commands, QWidget* parent);

    // The numbers the entries of the two display lists stand for.
    static int ColorDepthBits(int entry);  // 4, 8, 32
    static int IconSizePixels(int entry);  // 16 ... 128

    QLabel* imgCharSet = nullptr;
    QLineEdit* txtPackageTitle = nullptr;
    QCheckBox* chkMakeAgree = nullptr;
    QGroupBox* gbxIconView = nullptr;
    QComboBox* cboColorDepth = nullptr;
    QComboBox* cboIconSize = nullptr;
    QGroupBox* gbxIcon = nullptr;
    QLineEdit* txtIconDir = nullptr;
    QTreeWidget* lvIcon = nullptr;
    QGroupBox* gbxMainIcon = nullptr;
    QLabel* imgMainIcon = nullptr;
    QGroupBox* gbxBannerImage = nullptr;
    QLabel* imgBannerImage = nullptr;
    QGroupBox* gbxBannerURL = nullptr;
    QComboBox* cboBannerURL = nullptr;

signals:
    // Title, colour depth, size or icon folder changed, or the agree option was set either way.
    void Modified();

private:
    QWidget* MakeTitleRow();
    QGroupBox* MakeIconViewGroup();
    QGroupBox* MakeIconGroup(TBuilderCommands& commands);
    QWidget* MakeRightColumn();
};

}  // namespace qv
