#include "runtime/QuorvexMainForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "common/ui/qvMessageDlgFormW.h"
#include "common/PathEdit.h"
#include "icon/TQVIcon.h"
#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/SystemInfo.h"
#include "platform/TMemoryStream.h"
#include "platform/ResId.h"
#include "platform/ResTypes.h"
#include "platform/TAnsiStringList.h"
#include "platform/TModuleResources.h"
#include "platform/TUnicodeStringList.h"
#include "platform/qt/ShellOpen.h"
#include "platform/qt/TQvApplication.h"
#include "platform/qt/TSystemSeams.h"
#include "runtime/DesignFonts.h"
#include "runtime/IconImages.h"
#include "runtime/IconFileNames.h"
#include "runtime/IconTiles.h"
#include "runtime/MessageCodes.h"
#include "runtime/NameValue.h"
#include "runtime/QuorvexCopyToForm.h"
#include "runtime/StrConvert.h"
#include "runtime/TBannerImage.h"
#include "runtime/TControlLayout.h"
#include "runtime/TDropFileSource.h"
#include "runtime/TIconListItem.h"
#include "runtime/TReadmeHighlighter.h"
#include "runtime/TSplitter.h"

namespace qv {

TtntfrmQuorvex* tntfrmQuorvex = nullptr;

namespace {

constexpr int kClientWidth = 545;
constexpr int kClientHeight = 466;
constexpr int kTopHeight = 201;
constexpr int kSplitterHeight = 8;
// The largest font size the platform's font dialog offers; larger values are taken as it.
constexpr int kMaxFontPoints = 1638;

QString Widen(const std::string& ansi) { return QString::fromStdU16String(AnsiToUnicode(ansi)); }

std::unique_ptr<TStream> OpenPackageResource(const std::string& name) {
    return TModuleResources::Self().Open(ResId::Number(RT_RCDATA), ResId::Name(name));
}

// A Unicode text resource of the package, read with byte-order mark detection.
TUnicodeStringList ReadUnicodeResource(const std::string& name) {
    TUnicodeStringList list;
    list.LoadFromStream(*OpenPackageResource(name));
    return list;
}

std::string IndexedName(const char* prefix, int index, const char* suffix) {
    return prefix + std::to_string(index) + suffix;
}

QString JoinLines(const TUnicodeStringList& list) {
    QString text;
    for (int i = 0; i < list.Count(); ++i) {
        if (i > 0) text += QLatin1Char('\n');
        text += QString::fromStdU16String(list[i]);
    }
    return text;
}

// Auto-sized as the design's labels are; a right-justified label keeps its right edge.
void FitLabel(QLabel* label) {
    const QRect before = label->geometry();
    const QSize size = label->sizeHint();
    const int x = (label->alignment() & Qt::AlignRight) ? before.right() + 1 - size.width() : before.x();
    label->setGeometry(x, before.y(), size.width(), size.height());
}

// Language texts for the other two windows; a window that is not there takes none.
template <auto Control>
void CopyToCaption(TtntfrmQuorvex&, const QString& value) {
    if (tntfrmIconPackCopyTo) (tntfrmIconPackCopyTo->*Control)->setText(value);
}

template <auto Text>
void CopyToText(TtntfrmQuorvex&, const QString& value) {
    if (tntfrmIconPackCopyTo) tntfrmIconPackCopyTo->Texts().*Text = value;
}

template <auto Button>
void MessageDlgCaption(TtntfrmQuorvex&, const QString& value) {
    if (frmqvMessageDlgFormW) (frmqvMessageDlgFormW->*Button)->setText(value);
}

}  // namespace

TtntfrmQuorvex::TtntfrmQuorvex(QWidget* parent) : QWidget(parent) {
    tntfrmQuorvex = this;
    CreateControls();
    Reported([this] { TntFormCreate(); });
}

TtntfrmQuorvex::~TtntfrmQuorvex() {
    FPackIcons.clear();
    FInfo.FIconNames.Clear();
    for (const std::string& folder : FTempFolders) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    if (tntfrmQuorvex == this) tntfrmQuorvex = nullptr;
}

// ---- The design -------------------------------------------------------------------------------

void TtntfrmQuorvex::CreateControls() {
    setObjectName(QStringLiteral("tntfrmQuorvex"));
    setWindowTitle(QStringLiteral("Quorvex"));
    setFont(DesignFormFont());
    setBackgroundRole(QPalette::Window);
    resize(kClientWidth, kClientHeight);
    FLayout = new TControlLayout(this);

    tntpnlTop = CreatePanel(this, "tntpnlTop", kTopHeight);
    FTopLayout = new TControlLayout(tntpnlTop);
    CreateHeader();
    tnttxtReadme = new QPlainTextEdit(tntpnlTop);
    tnttxtReadme->setObjectName(QStringLiteral("tnttxtReadme"));
    tnttxtReadme->setReadOnly(true);
    tnttxtReadme->setFont(DesignReadmeFont());
    tnttxtReadme->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tnttxtReadme->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tnttxtReadme->viewport()->setMouseTracking(true);
    FTopLayout->AddTop(tntpnlHeader);
    FTopLayout->AddClient(tnttxtReadme);

    csplMain = new TSplitter(this, tntpnlTop, [this](int height) { SetTopPanelHeight(height); });
    csplMain->setObjectName(QStringLiteral("csplMain"));
    csplMain->resize(kClientWidth, kSplitterHeight);

    tntpnlBottom = CreatePanel(this, "tntpnlBottom", kClientHeight - kTopHeight - kSplitterHeight);
    FBottomLayout = new TControlLayout(tntpnlBottom);
    CreateCommandStrip();
    CreateIconList();
    FBottomLayout->AddTop(tntpnlDragDrop);
    FBottomLayout->AddClient(tntlvIcon);

    FLayout->AddTop(tntpnlTop);
    FLayout->AddTop(csplMain);
    FLayout->AddClient(tntpnlBottom);

    connect(tntbtnAgree, &QPushButton::clicked, this, [this] { tntbtnAgreeClick(); });
    connect(tntbtnCopyTo, &QPushButton::clicked, this, [this] { Reported([this] { tntbtnCopyToClick(); }); });
    connect(tntimgBanner, &TBannerImage::clicked, this, [this] { tntimgBannerClick(); });
    connect(tntcboIconPackLang, qOverload<int>(&QComboBox::activated), this, [this] { tntcboIconPackLangSelect(); });
}

void TtntfrmQuorvex::CreateHeader() {
    tntpnlHeader = CreatePanel(tntpnlTop, "tntpnlHeader", 31);
    FHeaderLayout = new TControlLayout(tntpnlHeader);
    tntlblLang = CreateLabel(tntpnlHeader, "tntlblLang", 8, 8);
    tntlblLang->setText(QStringLiteral("Language:"));
    FitLabel(tntlblLang);

    tntcboIconPackLang = new QComboBox(tntpnlHeader);
    tntcboIconPackLang->setObjectName(QStringLiteral("tntcboIconPackLang"));
    tntcboIconPackLang->setEditable(false);
    tntcboIconPackLang->setGeometry(64, 6, 137, 21);

    tntimgBanner = new TBannerImage(tntpnlHeader);
    tntimgBanner->setObjectName(QStringLiteral("tntimgBanner"));
    tntimgBanner->setGeometry(457, 0, 88, 31);
    tntimgBanner->hide();
    FHeaderLayout->AddAnchored(tntimgBanner, TControlLayout::akTop | TControlLayout::akRight);
}

void TtntfrmQuorvex::CreateCommandStrip() {
    tntpnlDragDrop = CreatePanel(tntpnlBottom, "tntpnlDragDrop", 33);
    FStripLayout = new TControlLayout(tntpnlDragDrop);
    tntlblDragDrop = CreateLabel(tntpnlDragDrop, "tntlblDragDrop", 8, 10);
    tntlblDragOr = CreateLabel(tntpnlDragDrop, "tntlblDragOr", 287, 10);
    tntlblDragOr->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tntbtnCopyTo = CreateButton(tntpnlDragDrop, "tntbtnCopyTo", "tntbtncopyto", QRect(367, 4, 169, 25));
    tntbtnAgree = CreateButton(tntpnlDragDrop, "tntbtnAgree", "tntbtnAgree", QRect(128, 4, 289, 25));
    tntbtnAgree->hide();
    FStripLayout->AddAnchored(tntlblDragOr, TControlLayout::akTop | TControlLayout::akRight);
    FStripLayout->AddAnchored(tntbtnCopyTo, TControlLayout::akTop | TControlLayout::akRight);
    FStripLayout->AddAnchored(tntbtnAgree, TControlLayout::akLeft | TControlLayout::akTop | TControlLayout::akRight |
                                               TControlLayout::akBottom);
}

void TtntfrmQuorvex::CreateIconList() {
    tntlvIcon = new QListWidget(tntpnlBottom);
    tntlvIcon->setObjectName(QStringLiteral("tntlvIcon"));
    tntlvIcon->setViewMode(QListView::IconMode);
    tntlvIcon->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tntlvIcon->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tntlvIcon->setResizeMode(QListView::Adjust);
    tntlvIcon->setMovement(QListView::Static);
    tntlvIcon->setWordWrap(true);
    tntlvIcon->setTextElideMode(Qt::ElideRight);
    // Every item is one grid cell (BuildIconList), so the list need not measure each caption.
    tntlvIcon->setUniformItemSizes(true);
    tntlvIcon->viewport()->installEventFilter(this);
    dfsIcons = new TDropFileSource(this);
    dfsIcons->setObjectName(QStringLiteral("dfsIcons"));
    dfsIcons->SetOnDrop([this] { Reported([this] { dfsIconsDrop(); }); });
    // The selection stays as visible when the list has no focus.
    QPalette palette = tntlvIcon->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    tntlvIcon->setPalette(palette);
}

QWidget* TtntfrmQuorvex::CreatePanel(QWidget* parent, const char* name, int height) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(0, 0, parent->width(), height);
    return panel;
}

QLabel* TtntfrmQuorvex::CreateLabel(QWidget* parent, const char* name, int x, int y) {
    auto* label = new QLabel(QString::fromLatin1(name), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->move(x, y);
    FitLabel(label);
    return label;
}

QPushButton* TtntfrmQuorvex::CreateButton(QWidget* parent, const char* name, const char* caption,
                                          const QRect& geometry) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

// ---- TntFormCreate ----------------------------------------------------------------------------

void TtntfrmQuorvex::TntFormCreate() {
    ReadPackageInfo();
    if (!FInfo.FPackName.empty()) {
        QGuiApplication::setApplicationDisplayName(Widen(FInfo.FPackName));
        setWindowTitle(Widen(FInfo.FPackName));
    }
    EnsureMessageDlgForm();
    LoadBanner();
    ReadLanguageList();
    imlIcon.SetSize(QSize(FInfo.FShowIconWidth, FInfo.FShowIconHeight));
    BuildIconList();
    PrepareReadme();
}

void TtntfrmQuorvex::ReadPackageInfo() {
    TAnsiStringList lines;
    lines.LoadFromStream(*OpenPackageResource("ICONPACKINFO"));
    try {
        FInfo.Read(lines, [this](bool agreeStep) { ApplyAgreeButton(agreeStep); });
    } catch (...) {
        ApplyBannerUrl();
        throw;
    }
    ApplyBannerUrl();
}

void TtntfrmQuorvex::ApplyBannerUrl() {
    if (FInfo.FBannerUrl) tntimgBanner->setToolTip(Widen(*FInfo.FBannerUrl));
    if (FInfo.FBannerHandCursor) tntimgBanner->setCursor(Qt::PointingHandCursor);
}

void TtntfrmQuorvex::LoadBanner() {
    // The banner is optional: no resource, or data that is not a PNG image, leaves it hidden.
    const TResView* banner = TModuleResources::Self().FindView(ResId::Number(RT_RCDATA), ResId::Name("BANNERIMAGE"));
    if (!banner) return;
    const QImage picture = DecodePngImage(banner->data, banner->size);
    if (picture.isNull()) return;
    tntimgBanner->SetPicture(QPixmap::fromImage(picture));
    tntimgBanner->show();
}

void TtntfrmQuorvex::ReadLanguageList() {
    const TUnicodeStringList languages = ReadUnicodeResource("ICONPACKLANG");
    QStringList entries;
    entries.reserve(languages.Count());
    for (const std::u16string& line : languages.Lines()) entries << QString::fromStdU16String(line);
    tntcboIconPackLang->addItems(entries);
    tntcboIconPackLang->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

void TtntfrmQuorvex::BuildIconList() {
    const int width = FInfo.FShowIconWidth, height = FInfo.FShowIconHeight;
    tntlvIcon->setIconSize(QSize(width, height));
    // Cells as wide as the platform's large-icon spacing (the tile plus 43 pixels, at least 75),
    // with room for two lines of caption.
    const QFontMetrics metrics(tntlvIcon->font());
    const QSize gridCell(std::max(width, 32) + 43, height + 2 * metrics.height() + 12);
    tntlvIcon->setGridSize(gridCell);
    const QColor background = tntlvIcon->palette().color(QPalette::Base);
    const uint16_t bitCount = FInfo.FShowIconBit;
    // Tiles are drawn when their items are first painted: only the ones in view at start.
    imlIcon.SetSource([this, bitCount, width, height, background](int index) {
        return BuildIconTile(*FPackIcons.at(size_t(index)), bitCount, width, height, background);
    });
    // Containers are made one by one as their groups are read, so a damaged count allocates
    // nothing up front: the first group that is missing ends the list.
    for (int i = 0; i < FInfo.FIconCount; ++i) {
        FPackIcons.push_back(std::make_unique<TQVIcon>());
        FPackIcons.back()->LoadFromResourceName(IndexedName("_ICONPACK", i, ""));
        const int index = imlIcon.AddDeferred();
        tntlvIcon->addItem(new TIconListItem(Widen(FInfo.FIconNames[i]), gridCell, imlIcon, index));
    }
}

void TtntfrmQuorvex::PrepareReadme() {
    FReadmeHighlighter = new TReadmeHighlighter(tnttxtReadme->document());
    tnttxtReadme->viewport()->installEventFilter(this);
}

// ---- Language application ---------------------------------------------------------------------

void TtntfrmQuorvex::tntcboIconPackLangSelect() {
    Reported([this] { ApplyLanguage(); });
}

void TtntfrmQuorvex::ApplyLanguage() {
    const int n = tntcboIconPackLang->currentIndex();
    tnttxtReadme->setPlainText(JoinLines(ReadUnicodeResource(IndexedName("LANG", n, "_README"))));
    const TUnicodeStringList texts = ReadUnicodeResource(IndexedName("LANG", n, "_SYS"));
    std::u16string name, value;
    for (const std::u16string& line : texts.Lines()) {
        SplitNameValueW(line, name, value);
        if (const TLanguageKey* key = FindLanguageKey(name)) key->Apply(*this, QString::fromStdU16String(value));
    }
}

const TtntfrmQuorvex::TLanguageKey* TtntfrmQuorvex::FindLanguageKey(std::u16string_view name) {
    using F = TtntfrmQuorvex;
    using D = TtntfrmIconPackCopyTo;
    using M = TfrmqvMessageDlgFormW;
    static const TLanguageKey keys[] = {
        {u"labeldragdrop", [](F& f, const QString& v) { f.SetLabelCaption(f.tntlblDragDrop, v); }},
        {u"labeldragor", [](F& f, const QString& v) { f.SetLabelCaption(f.tntlblDragOr, v); }},
        {u"buttoncopyto",
         [](F& f, const QString& v) {
             f.tntbtnCopyTo->setText(v);
             if (tntfrmIconPackCopyTo) tntfrmIconPackCopyTo->setWindowTitle(v);
         }},
        {u"checkselectonly", &CopyToCaption<&D::tntchkSelectOnly>},
        {u"buttonbrowse", &CopyToCaption<&D::tntbtnBrowse>},
        {u"buttonstart", &CopyToCaption<&D::tntbtnStart>},
        {u"buttonagree", [](F& f, const QString& v) { f.tntbtnAgree->setText(v); }},
        {u"confirmmakefolder", &CopyToText<&D::TTexts::FConfirmMakeFolderText>},
        {u"errormakefolder", &CopyToText<&D::TTexts::FErrorMakeFolderText>},
        {u"buttonYes", &MessageDlgCaption<&M::btnYes>},
        {u"buttonNo", &MessageDlgCaption<&M::btnNo>},
        {u"buttonCancel", &MessageDlgCaption<&M::btnCancel>},
        {u"buttonNoToAll", &MessageDlgCaption<&M::btnNoToAll>},
        {u"buttonYesToAll", &MessageDlgCaption<&M::btnYesToAll>},
        {u"confirmoverwrite", &CopyToText<&D::TTexts::FConfirmOverwriteText>},
        {u"errormakefile", [](F& f, const QString& v) { f.FErrorMakeFileText = v; }},
        {u"titleconfirm", &CopyToText<&D::TTexts::FTitleConfirmText>},
        {u"titleerror", &CopyToText<&D::TTexts::FTitleErrorText>},
        {u"fontname", [](F& f, const QString& v) { f.SetFontName(v); }},
        {u"fontsize", [](F& f, const QString& v) { f.SetFontSize(StrToIntW(v.toStdU16String())); }},
    };
    for (const TLanguageKey& key : keys)
        if (key.Name == name) return &key;
    return nullptr;
}

void TtntfrmQuorvex::SetLabelCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    FitLabel(label);
    FStripLayout->Realign();
}

// Labels other than tntlblLang, the read-me and the buttons of this window; labels other than
// one named tntlblLang, check boxes and buttons of the copy-to dialog.
std::vector<QWidget*> TtntfrmQuorvex::RefontTargets() const {
    std::vector<QWidget*> targets;
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->window() != window()) continue;
        if ((qobject_cast<QLabel*>(w) && w != tntlblLang) || qobject_cast<QPlainTextEdit*>(w) ||
            qobject_cast<QPushButton*>(w))
            targets.push_back(w);
    }
    if (tntfrmIconPackCopyTo) {
        for (QWidget* w : tntfrmIconPackCopyTo->findChildren<QWidget*>()) {
            if (w->window() != tntfrmIconPackCopyTo) continue;
            if ((qobject_cast<QLabel*>(w) && w->objectName() != QLatin1String("tntlblLang")) ||
                qobject_cast<QCheckBox*>(w) || qobject_cast<QPushButton*>(w))
                targets.push_back(w);
        }
    }
    return targets;
}

void TtntfrmQuorvex::SetFontName(const QString& name) {
    // Font names are kept in the system code page.
    const QString family = QString::fromStdU16String(AnsiToUnicode(UnicodeToAnsi(name.toStdU16String())));
    for (QWidget* w : RefontTargets()) {
        QFont font = w->font();
        font.setFamily(family);
        w->setFont(font);
    }
    FitLabels();
}

void TtntfrmQuorvex::SetFontSize(int32_t size) {
    // A negative size is a character height in pixels; 0 leaves the fonts as they are.
    if (size == 0) return;
    for (QWidget* w : RefontTargets()) {
        QFont font = w->font();
        if (size > 0)
            font.setPointSize(std::min(size, kMaxFontPoints));
        else
            font.setPixelSize(int(std::min<int64_t>(-int64_t(size), kMaxFontPoints)));
        w->setFont(font);
    }
    FitLabels();
}

void TtntfrmQuorvex::FitLabels() {
    FitLabel(tntlblDragDrop);
    FitLabel(tntlblDragOr);
    FStripLayout->Realign();
}

// ---- Agreement, banner, read-me links ---------------------------------------------------------

void TtntfrmQuorvex::ApplyAgreeButton(bool agreeStep) {
    tntbtnAgree->setVisible(agreeStep);
    for (QWidget* w : {static_cast<QWidget*>(tntlblDragDrop), static_cast<QWidget*>(tntlblDragOr),
                       static_cast<QWidget*>(tntbtnCopyTo), static_cast<QWidget*>(tntlvIcon)})
        w->setVisible(!agreeStep);
    if (agreeStep) SetTopPanelHeight(height() - tntpnlDragDrop->height() - csplMain->height());
}

void TtntfrmQuorvex::tntbtnAgreeClick() {
    tntbtnAgree->hide();
    tntlblDragDrop->show();
    tntlblDragOr->show();
    tntbtnCopyTo->show();
    SetTopPanelHeight(height() / 6);
    tntlvIcon->show();
}

void TtntfrmQuorvex::SetTopPanelHeight(int height) {
    tntpnlTop->resize(tntpnlTop->width(), std::max(0, height));
    FLayout->Realign();
}

void TtntfrmQuorvex::tntimgBannerClick() {
    const QString url = tntimgBanner->toolTip();
    if (!url.isEmpty()) OpenLinkAddress(url);
}

QString TtntfrmQuorvex::ReadmeLinkAt(const QPoint& viewportPos) const {
    if (!FReadmeHighlighter) return {};
    const QTextCursor near = tnttxtReadme->cursorForPosition(viewportPos);
    const QTextBlock block = near.block();
    // The character under the point: the one after the nearest boundary, or the one before it
    // when the point is left of that boundary.
    const int boundary = near.positionInBlock();
    const int index = viewportPos.x() < tnttxtReadme->cursorRect(near).x() ? boundary - 1 : boundary;
    const QString text = block.text();
    if (index < 0 || index >= text.size()) return {};
    QTextCursor at(block);
    at.setPosition(block.position() + index);
    const QRect start = tnttxtReadme->cursorRect(at);
    const int advance = std::max(1, QFontMetrics(tnttxtReadme->font()).horizontalAdvance(text.at(index)));
    if (viewportPos.y() < start.top() || viewportPos.y() > start.bottom() || viewportPos.x() < start.x() ||
        viewportPos.x() >= start.x() + advance)
        return {};  // beside the text, not on it
    const std::optional<TLinkRange> link = TReadmeHighlighter::LinkAt(block, index);
    return link ? text.mid(int(link->Start), int(link->Length)) : QString();
}

bool TtntfrmQuorvex::ReadmeWndProc(QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool onLink = !ReadmeLinkAt(mouse->position().toPoint()).isEmpty();
        tnttxtReadme->viewport()->setCursor(onLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
        return false;
    }
    if (event->type() != QEvent::MouseButtonPress) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    const QString link = ReadmeLinkAt(mouse->position().toPoint());
    if (link.isEmpty()) return false;
    OpenLinkAddress(link);  // what the shell makes of it is not the viewer's concern
    return true;
}

bool TtntfrmQuorvex::eventFilter(QObject* watched, QEvent* event) {
    if (tnttxtReadme && watched == tnttxtReadme->viewport()) return ReadmeWndProc(event);
    if (tntlvIcon && watched == tntlvIcon->viewport()) return IconListWndProc(event);
    return QWidget::eventFilter(watched, event);
}

// ---- Showing ----------------------------------------------------------------------------------

void TtntfrmQuorvex::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (FShown) return;
    FShown = true;
    if (!parentWidget()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect frame = frameGeometry();
            move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
        }
    }
    tntcboIconPackLangSelect();
}

namespace {

// An icon name that is not one plain file name is never written: it fails as a file that cannot
// be created would.
void CheckPlainFileName(const std::string& folder, const std::string& name) {
    if (!IsPlainFileName(name))
        throw EFCreateError("Cannot create file \"" + folder + name + "\". The icon name is not a file name");
}

Bytes IconFileBytes(TQVIcon& icon) {
    TMemoryStream stream;
    icon.SaveToStream(stream);
    return stream.TakeData();
}

}  // namespace

// ---- Dragging out -----------------------------------------------------------------------------

bool TtntfrmQuorvex::IconListWndProc(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        tntlvIconMouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
    } else if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        tntlvIconMouseMove(mouse->buttons(), mouse->modifiers(), mouse->position().toPoint());
    }
    return false;
}

void TtntfrmQuorvex::tntlvIconMouseDown(const QPoint& pos) {
    FDragStartX = pos.x();
    FDragStartY = pos.y();
}

void TtntfrmQuorvex::tntlvIconMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                        const QPoint& pos) {
    if (buttons != Qt::LeftButton && buttons != Qt::RightButton) return;
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return;
    if (std::abs(FDragStartX - pos.x()) < 10 && std::abs(FDragStartY - pos.y()) < 10) return;
    dfsIcons->ClearFiles();
    dfsIcons->Execute(tntlvIcon);
}

void TtntfrmQuorvex::ShowDropError() {
    const QString title = tntfrmIconPackCopyTo ? tntfrmIconPackCopyTo->Texts().FTitleErrorText : QString();
    Seams().MessageDlg(FormatW(FErrorMakeFileText, QString()), msg::kError, msg::kOk, title);
}

void TtntfrmQuorvex::dfsIconsDrop() {
    tntlvIcon->setEnabled(false);
    struct TEnableAgain {
        QWidget* list;
        ~TEnableAgain() { list->setEnabled(true); }
    } enableAgain{tntlvIcon};
    // A temporary folder that is not there is a failure: its long form would name another one.
    const std::string temp = GetTempDirectory();
    const std::string folder = DirectoryExists(temp) ? MakeNewNumberedFolder(ExpandLongFileName(temp), FInfo.FPackName)
                                                     : std::string();
    if (folder.empty()) {
        ShowDropError();
        return;
    }
    // Remembered at once: the folder is this run's own, so it goes even when writing fails.
    FTempFolders.push_back(folder);
    WriteDropFiles(folder);
}

void TtntfrmQuorvex::WriteDropFiles(const std::string& folder) {
    const std::string prefix = AppendBackslash(folder);
    const int count = std::min(tntlvIcon->count(), int(FPackIcons.size()));
    for (int i = 0; i < count; ++i) {
        if (!IconSelected(i)) continue;
        const std::string& name = FInfo.FIconNames[i];
        CheckPlainFileName(prefix, name);
        FPackIcons[size_t(i)]->SaveToFile(prefix + name);
        dfsIcons->AddFile(prefix + name);
    }
}

// ---- Copying to a folder ----------------------------------------------------------------------

void TtntfrmQuorvex::tntbtnCopyToClick() {
    if (!tntfrmIconPackCopyTo) return;
    TtntfrmIconPackCopyTo& dialog = *tntfrmIconPackCopyTo;
    dialog.tntchkSelectOnly->setEnabled(!tntlvIcon->selectedItems().isEmpty());
    dialog.tnttxtFilePath->setText(Widen(GetProgramDir()) + Widen(FInfo.FPackName) + QLatin1Char(PathDelim));
    dialog.SetCopyRequest(FInfo.FPackName,
                          [this](const QString& folder, bool selectedOnly) { return CopyIconsTo(folder, selectedOnly); });
    dialog.exec();
}

bool TtntfrmQuorvex::IconSelected(int index) const {
    const QListWidgetItem* item = tntlvIcon->item(index);
    return item && item->isSelected();
}


QStringList TtntfrmQuorvex::CopyIconsTo(const QString& folder, bool selectedOnly) {
    QStringList written;
    const int count = std::min(tntlvIcon->count(), int(FPackIcons.size()));
    // Nothing to copy: no progress range to set, nothing to report.
    if (count == 0) return written;
    QProgressBar* progress = tntfrmIconPackCopyTo ? tntfrmIconPackCopyTo->tntpgbCopyTo : nullptr;
    if (progress) {
        progress->setRange(0, count - 1);
        progress->setValue(0);
    }
    const TtntfrmIconPackCopyTo::TTexts texts = tntfrmIconPackCopyTo ? tntfrmIconPackCopyTo->Texts()
                                                                      : TtntfrmIconPackCopyTo::TTexts();
    const std::string ansiFolder = UnicodeToAnsi(folder.toStdU16String());
    bool toAll = false;
    int answer = 0;
    for (int i = 0; i < count; ++i) {
        if (selectedOnly && !IconSelected(i)) continue;
        const std::string& name = FInfo.FIconNames[i];
        CheckPlainFileName(ansiFolder, name);
        const std::string target = ansiFolder + name;
        if (FileExists(target)) {
            if (!toAll) {
                answer = Seams().MessageDlg(FormatW(texts.FConfirmOverwriteText, Widen(name)), msg::kConfirmation,
                                            msg::kYes | msg::kNo | msg::kCancel | msg::kNoToAll | msg::kYesToAll,
                                            texts.FTitleConfirmText);
                toAll = answer == msg::kResultNoToAll || answer == msg::kResultYesToAll;
            }
            if (answer == msg::kResultNo || answer == msg::kResultNoToAll) continue;
            // Any other answer, a closed question among them, stops: nothing is replaced unasked.
            if (answer != msg::kResultYes && answer != msg::kResultYesToAll) break;
            if (!DeleteFileIfExists(target)) {
                Seams().MessageDlg(FormatW(FErrorMakeFileText, Widen(name)), msg::kError, msg::kOk, texts.FTitleErrorText);
                break;
            }
        }
        WriteWholeFile(target, IconFileBytes(*FPackIcons[size_t(i)]));
        written << Widen(target);
        if (progress) progress->setValue(i);
    }
    return written;
}

void TtntfrmQuorvex::Reported(const std::function<void()>& step) {
    try {
        step();
    } catch (...) {
        TQvApplication::ShowException(std::current_exception());
    }
}

}  // namespace qv
