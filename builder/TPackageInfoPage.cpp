#include "builder/TPackageInfoPage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "builder/CharSetMarker.h"
#include "builder/TIconRowDelegate.h"
#include "builder/TBuilderCommands.h"

namespace qv {
namespace {

constexpr int kColorDepthBits[TPackageInfoPage::kColorDepths] = {4, 8, 32};
constexpr int kIconSizePixels[TPackageInfoPage::kIconSizes] = {16, 20, 24, 32, 48, 64, 96, 128};

QLabel* Label(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

template <class T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* Picture(QWidget* parent, const char* name, int width, int height, const char* hint) {
    auto* picture = Named(new QLabel(parent), name);
    picture->setFixedSize(width, height);
    picture->setAlignment(Qt::AlignCenter);
    picture->setCursor(Qt::PointingHandCursor);
    picture->setToolTip(QString::fromUtf8(hint));
    return picture;
}

}  // namespace

int TPackageInfoPage::ColorDepthBits(int entry) {
    return entry >= 0 && entry < kColorDepths ? kColorDepthBits[entry] : kColorDepthBits[kDefaultColorDepth];
}

int TPackageInfoPage::IconSizePixels(int entry) {
    return entry >= 0 && entry < kIconSizes ? kIconSizePixels[entry] : kIconSizePixels[kDefaultIconSize];
}

TPackageInfoPage::TPackageInfoPage(TBuilderCommands& commands, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tbsPackageInfo"));
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(MakeTitleRow());
    left->addWidget(MakeIconViewGroup());
    left->addWidget(MakeIconGroup(commands), 1);
    columns->addLayout(left, 1);
    columns->addWidget(MakeRightColumn());

    connect(txtPackageTitle, &QLineEdit::textChanged, this, &TPackageInfoPage::Modified);
    connect(txtIconDir, &QLineEdit::textChanged, this, &TPackageInfoPage::Modified);
    connect(cboColorDepth, &QComboBox::currentIndexChanged, this, &TPackageInfoPage::Modified);
    connect(cboIconSize, &QComboBox::currentIndexChanged, this, &TPackageInfoPage::Modified);
    // A click handler that also runs when the program sets the box.
    connect(chkMakeAgree, &QCheckBox::toggled, this, &TPackageInfoPage::Modified);
}

QWidget* TPackageInfoPage::MakeTitleRow() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Named(Label("パッケージのタイトル：", box), "lblPackageTitle"), 0, 0);
    txtPackageTitle = Named(new QLineEdit(box), "txtPackageTitle");
    grid->addWidget(txtPackageTitle, 0, 1);
    imgCharSet = MakeCharSetMarker(box, TCharSet::Ansi);
    grid->addWidget(imgCharSet, 0, 2, Qt::AlignRight | Qt::AlignTop);
    chkMakeAgree = Named(new QCheckBox(QString::fromUtf8("[テキストを読みました] ボタンの表示"), box), "chkMakeAgree");
    grid->addWidget(chkMakeAgree, 1, 1, 1, 2);
    return box;
}

QGroupBox* TPackageInfoPage::MakeIconViewGroup() {
    gbxIconView = Named(new QGroupBox(QString::fromUtf8("表示アイコンの設定"), this), "gbxIconView");
    auto* row = new QHBoxLayout(gbxIconView);
    cboColorDepth = Named(new QComboBox(gbxIconView), "cboColorDepth");
    cboColorDepth->addItems({QStringLiteral("4bit"), QStringLiteral("8bit"), QStringLiteral("32bit")});
    cboColorDepth->setCurrentIndex(kDefaultColorDepth);
    cboIconSize = Named(new QComboBox(gbxIconView), "cboIconSize");
    for (int pixels : kIconSizePixels) cboIconSize->addItem(QStringLiteral("%1 x %1 pixel").arg(pixels));
    cboIconSize->setCurrentIndex(kDefaultIconSize);
    row->addWidget(Named(Label("色数:", gbxIconView), "lblColorDepth"));
    row->addWidget(cboColorDepth);
    row->addSpacing(16);
    row->addWidget(Named(Label("大きさ：", gbxIconView), "lblIconSize"));
    row->addWidget(cboIconSize);
    row->addStretch(1);
    return gbxIconView;
}

QGroupBox* TPackageInfoPage::MakeIconGroup(TBuilderCommands& commands) {
    gbxIcon = Named(new QGroupBox(QString::fromUtf8("アイコン"), this), "gbxIcon");
    auto* grid = new QGridLayout(gbxIcon);
    grid->addWidget(Named(Label("場所：", gbxIcon), "lblIconDir"), 0, 0);
    txtIconDir = Named(new QLineEdit(gbxIcon), "txtIconDir");
    grid->addWidget(txtIconDir, 0, 1);

    lvIcon = Named(new QTreeWidget(gbxIcon), "lvIcon");
    lvIcon->setColumnCount(2);
    lvIcon->setHeaderLabels({QString::fromUtf8("イメージ画像"), QString::fromUtf8("イメージ数")});
    lvIcon->setColumnWidth(0, 100);
    lvIcon->setColumnWidth(1, 70);
    lvIcon->setRootIsDecorated(false);
    lvIcon->setUniformRowHeights(true);
    lvIcon->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvIcon->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvIcon->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    lvIcon->header()->setSectionsClickable(false);
    lvIcon->header()->setStretchLastSection(false);
    lvIcon->setItemDelegate(new TIconRowDelegate(lvIcon));
    grid->addWidget(lvIcon, 1, 0, 1, 2);

    auto* buttons = new QVBoxLayout;
    const std::pair<const char*, const char*> speedButtons[] = {
        {"actOpenIcon", "追加"}, {"actDeleteSelectedIcon", "削除"}, {"actDeleteAllIcon", "全削除"},
        {"actUpSelectedIcon", "上へ"}, {"actDownSelectedIcon", "下へ"}};
    for (const auto& [action, caption] : speedButtons) {
        auto* button = new QToolButton(gbxIcon);
        button->setDefaultAction(commands.Action(QString::fromLatin1(action)));
        button->setText(QString::fromUtf8(caption));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setObjectName(QStringLiteral("spd") + QString::fromLatin1(action).mid(3));
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    grid->addLayout(buttons, 1, 2);
    grid->setRowStretch(1, 1);
    return gbxIcon;
}

QWidget* TPackageInfoPage::MakeRightColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    gbxMainIcon = Named(new QGroupBox(QString::fromUtf8("パッケージのアイコン"), column), "gbxMainIcon");
    imgMainIcon = Picture(gbxMainIcon, "imgMainIcon", 96, 96, "パッケージのアイコンを変更します");
    (new QVBoxLayout(gbxMainIcon))->addWidget(imgMainIcon, 0, Qt::AlignCenter);
    layout->addWidget(gbxMainIcon);

    gbxBannerImage = Named(new QGroupBox(QString::fromUtf8("バナー画像(88 x 31)"), column), "gbxBannerImage");
    imgBannerImage = Picture(gbxBannerImage, "imgBannerImage", kBannerWidth, kBannerHeight, "表示するバナー画像を変更します");
    imgBannerImage->setFrameShape(QFrame::Box);
    // The frame goes around the banner's 88 x 31 pixels, not over them.
    imgBannerImage->setFixedSize(kBannerWidth + 2 * imgBannerImage->frameWidth(), kBannerHeight + 2 * imgBannerImage->frameWidth());
    (new QVBoxLayout(gbxBannerImage))->addWidget(imgBannerImage, 0, Qt::AlignCenter);
    layout->addWidget(gbxBannerImage);

    gbxBannerURL = Named(new QGroupBox(QString::fromUtf8("バナー画像をクリックして開くページ"), column), "gbxBannerURL");
    cboBannerURL = Named(new QComboBox(gbxBannerURL), "cboBannerURL");
    cboBannerURL->setEditable(true);
    cboBannerURL->setInsertPolicy(QComboBox::NoInsert);
    cboBannerURL->addItem(QStringLiteral("http://"));
    cboBannerURL->setEditText(QString());
    (new QVBoxLayout(gbxBannerURL))->addWidget(cboBannerURL);
    layout->addWidget(gbxBannerURL);
    layout->addStretch(1);
    column->setFixedWidth(240);
    return column;
}

}  // namespace qv
