#include "common/ui/TfrmqvMessageDlgFormW.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTextLayout>
#include <QWindow>
#include <QtMath>

#include <algorithm>

#include "icon/IconDrawing.h"
#include "icon/TQVIcon.h"
#include "platform/TDIBitmap.h"
#include "platform/qt/TQImageSurface.h"
#include "platform/ResId.h"
#include "platform/TModuleResources.h"

namespace qv {
namespace {

struct TButtonDef {
    const char* Name;
    const char* Caption;
    int Result;
    int TabOrder;
    int Width;
};

// Placement order; the index of a row is the bit of the button set.
const TButtonDef kButtonDefs[TfrmqvMessageDlgFormW::kButtonCount] = {
    {"btnYes", "はい(&Y)", TfrmqvMessageDlgFormW::mrYes, 0, 104},
    {"btnNo", "いいえ(&N)", TfrmqvMessageDlgFormW::mrNo, 1, 104},
    {"btnOk", "OK", TfrmqvMessageDlgFormW::mrOk, 5, 103},
    {"btnCancel", "キャンセル", TfrmqvMessageDlgFormW::mrCancel, 2, 104},
    {"btnAbort", "中止(&A)", TfrmqvMessageDlgFormW::mrAbort, 6, 104},
    {"btnRetry", "再試行(&R)", TfrmqvMessageDlgFormW::mrRetry, 7, 104},
    {"btnIgnore", "無視(&I)", TfrmqvMessageDlgFormW::mrIgnore, 8, 103},
    {"btnAll", "すべて(&A)", TfrmqvMessageDlgFormW::mrAll, 9, 104},
    {"btnNoToAll", "すべていいえ(&O)", TfrmqvMessageDlgFormW::mrNoToAll, 3, 104},
    {"btnYesToAll", "すべてはい(&A)", TfrmqvMessageDlgFormW::mrYesToAll, 4, 104},
};

const char* const kIconResources[4] = {"QVICON_EXCLAMATION", "QVICON_ERROR", "QVICON_INFORMATION",
                                       "QVICON_CONFIRMATION"};
constexpr uint16_t kRawData = 10;

// Sizes of the form as laid out.
constexpr int kClientWidth = 552;
constexpr int kClientHeight = 180;
constexpr int kButtonHeight = 29;
constexpr int kButtonGap = 8;
constexpr int kPanelBottomGap = 11;
constexpr int kLabelWidth = 700;
constexpr int kTextMargin = 16;
constexpr int kBottomMargin = 48;
constexpr int kMinButtonsWidth = 200;

int ClampToInt(long long value) {
    return int(std::clamp<long long>(value, 0, QWIDGETSIZE_MAX));
}

// The lines of a message as its line breaks (CR LF, lone CR, lone LF) split it; a final break
// starts no further line and the empty message has none.
QStringList MessageLines(const QString& msg) {
    QString text = msg;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.isEmpty()) return {};
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.split(QLatin1Char('\n'));
}

// The window a message is centred over: the program's main window (a QMainWindow, else a plain
// window), else any other visible window that is not a message dialog itself.
QWidget* FindMainWindow() {
    QWidget* best = nullptr;
    int bestRank = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || qobject_cast<TfrmqvMessageDlgFormW*>(w)) continue;
        const Qt::WindowType type = w->windowType();
        if (type != Qt::Window && type != Qt::Dialog) continue;
        const int rank = qobject_cast<QMainWindow*>(w) ? 3 : type == Qt::Window ? 2 : 1;
        if (rank > bestRank) {
            best = w;
            bestRank = rank;
        }
    }
    return best;
}

}  // namespace

TfrmqvMessageDlgFormW::TfrmqvMessageDlgFormW(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmqvMessageDlgFormW"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    setFont(font);
    setBackgroundRole(QPalette::Window);
    CreateControls();
    setFixedSize(kClientWidth, kClientHeight);
    LoadIcons();
    FDefaultIndex = 0;
}

TfrmqvMessageDlgFormW::~TfrmqvMessageDlgFormW() = default;

void TfrmqvMessageDlgFormW::CreateControls() {
    imgIcon = new QLabel(this);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setGeometry(19, 19, 56, 56);
    imgIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgIcon->setScaledContents(false);

    lblMessageText = new QLabel(this);
    lblMessageText->setObjectName(QStringLiteral("lblMessageText"));
    lblMessageText->setTextFormat(Qt::PlainText);
    lblMessageText->setWordWrap(true);
    lblMessageText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessageText->setGeometry(93, 14, kLabelWidth, lblMessageText->fontMetrics().height());

    // Opaque and above the label, so a message taller than its window never runs under the buttons.
    pnlButtons = new QWidget(this);
    pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
    pnlButtons->setAutoFillBackground(true);
    pnlButtons->setGeometry(9, kClientHeight - kPanelBottomGap - kButtonHeight, 0, kButtonHeight);

    for (int i = 0; i < kButtonCount; ++i) FButtonList[i] = CreateButton(i);
    btnYes = FButtonList[0];
    btnNo = FButtonList[1];
    btnOk = FButtonList[2];
    btnCancel = FButtonList[3];
    btnAbort = FButtonList[4];
    btnRetry = FButtonList[5];
    btnIgnore = FButtonList[6];
    btnAll = FButtonList[7];
    btnNoToAll = FButtonList[8];
    btnYesToAll = FButtonList[9];

    std::array<QPushButton*, kButtonCount> byTabOrder{};
    for (int i = 0; i < kButtonCount; ++i) byTabOrder[kButtonDefs[i].TabOrder] = FButtonList[i];
    for (int i = 1; i < kButtonCount; ++i) QWidget::setTabOrder(byTabOrder[i - 1], byTabOrder[i]);
}

QPushButton* TfrmqvMessageDlgFormW::CreateButton(int index) {
    const TButtonDef& def = kButtonDefs[index];
    auto* button = new QPushButton(QString::fromUtf8(def.Caption), pnlButtons);
    button->setObjectName(QString::fromLatin1(def.Name));
    button->setGeometry(0, 0, def.Width, kButtonHeight);
    button->setVisible(false);
    const int result = def.Result;
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

void TfrmqvMessageDlgFormW::LoadIcons() {
    for (auto& icon : FIcons) icon = std::make_unique<TQVIcon>();
    for (int kind = 0; kind < 4; ++kind) {
        auto stream = TModuleResources::Self().Open(ResId::Number(kRawData), ResId::Name(kIconResources[kind]));
        FIcons[kind]->LoadFromStream(*stream);
    }
}

void TfrmqvMessageDlgFormW::SetIconKind(uint8_t kind) {
    // Kind 4 has an empty container and later kinds none: they show no picture.
    const TQVIcon* icon = kind < kIconKinds ? FIcons[kind].get() : nullptr;
    if (!icon || icon->Count() <= kPictureImage) {
        imgIcon->clear();
        return;
    }
    const QColor window = palette().color(backgroundRole());
    if (window != FPicturesColor) {
        FPictures = {};
        FPicturesColor = window;
    }
    QPixmap& picture = FPictures[kind];
    if (picture.isNull()) picture = RenderPicture(*icon, window);
    imgIcon->setPixmap(picture);
}

QPixmap TfrmqvMessageDlgFormW::RenderPicture(const TQVIcon& icon, const QColor& window) {
    const TIconDirEntry entry = icon.GetEntry(kPictureImage);
    QImage picture(entry.Width ? entry.Width : 256, entry.Height ? entry.Height : 256, QImage::Format_ARGB32);
    picture.fill(window);
    const std::unique_ptr<TDIBitmap> image = icon.GetImageBitmap(kPictureImage);
    const std::unique_ptr<TDIBitmap> mask = icon.GetMaskBitmap(kPictureImage);
    if (image) {
        TQImageSurface surface(picture);
        DrawBitmapBlended(*image, mask.get(), 0, 0, surface);
    }
    return QPixmap::fromImage(picture);
}

void TfrmqvMessageDlgFormW::SetTitle(const QString& title) {
    setWindowTitle(title);
}

void TfrmqvMessageDlgFormW::SetMessage(const QString& msg) {
    FMessage = msg;
    FMeasure.Valid = false;
    lblMessageText->setText(MessageLines(msg).join(QLatin1Char('\n')));
    lblMessageText->resize(kLabelWidth, lblMessageText->heightForWidth(kLabelWidth));
    ArrangeControls();
}

void TfrmqvMessageDlgFormW::SetButtons(uint16_t buttons) {
    FButtons = buttons;
    ArrangeControls();
}

void TfrmqvMessageDlgFormW::CopyCaptionsFrom(const TfrmqvMessageDlgFormW& other) {
    for (int i = 0; i < kButtonCount; ++i) FButtonList[i]->setText(other.FButtonList[i]->text());
}

int TfrmqvMessageDlgFormW::ButtonsWidth(int visibleCount) const {
    return visibleCount * (btnYes->width() + kButtonGap) - kButtonGap;
}

const TfrmqvMessageDlgFormW::TTextMeasure& TfrmqvMessageDlgFormW::MeasureMessage() {
    const QFont& font = lblMessageText->font();
    if (FMeasure.Valid && FMeasure.Font == font) return FMeasure;
    FMeasure = TTextMeasure{true, font, 0, 0, 0};
    // One unwrapped layout of all lines gives each line's width (as the font measures it alone)
    // and its height as drawn, fallback fonts included, so CJK lines count with their real height.
    const QStringList lines = MessageLines(FMessage);
    QTextLayout layout(lines.join(QChar::LineSeparator), font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal width = 0, height = 0;
    for (const QString& text : lines) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(QWIDGETSIZE_MAX);  // lays the line out; it never wraps
        const qreal advance = line.cursorToX(line.textStart() + int(text.size()));
        FMeasure.WidestLine = std::max(FMeasure.WidestLine, qRound(advance));
        width += advance;
        height += line.height();
    }
    layout.endLayout();
    FMeasure.LinesHeight = ClampToInt(qCeil(std::min<qreal>(height, QWIDGETSIZE_MAX)));
    // The whole message as one string: its lines side by side, as long as the line breaks take
    // no room and no tab stop moves with the line's place in the string; else measured as such.
    const QFontMetrics metrics(font);
    const bool sideBySide = !FMessage.contains(QLatin1Char('\t')) && metrics.horizontalAdvance(QStringLiteral("\r\n")) == 0;
    FMeasure.WholeWidth = sideBySide ? ClampToInt(qRound64(width)) : metrics.horizontalAdvance(FMessage);
    return FMeasure;
}

int TfrmqvMessageDlgFormW::TextNeed() {
    const TTextMeasure& measure = MeasureMessage();
    const int left = lblMessageText->x();
    if (measure.WholeWidth >= kLabelWidth) return left + kLabelWidth + kTextMargin;
    return left + measure.WidestLine + kTextMargin;
}

void TfrmqvMessageDlgFormW::ArrangeControls() {
    const int step = btnYes->width() + kButtonGap;
    int visible = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        QPushButton* button = FButtonList[i];
        const bool shown = (FButtons >> i) & 1;
        button->setVisible(shown);
        if (!shown) continue;
        button->move(visible * step, 0);
        button->setDefault(visible == FDefaultIndex);
        ++visible;
    }
    FVisibleButtons = visible;

    const int buttonsMin = std::max(visible * step + kButtonGap, kMinButtonsWidth);
    const int width = std::max(buttonsMin, TextNeed());
    const long long textBottom = (long long)lblMessageText->y() + kBottomMargin + MeasureMessage().LinesHeight;
    const int height = std::max(imgIcon->y() + imgIcon->height() + kBottomMargin, ClampToInt(textBottom));
    setFixedSize(width, height);
    PlaceButtonPanel(width, height, visible);
}

void TfrmqvMessageDlgFormW::PlaceButtonPanel(int clientWidth, int clientHeight, int visibleCount) {
    int right = 0;
    for (QPushButton* button : FButtonList)
        if (button->isVisibleTo(this)) right = std::max(right, button->geometry().right() + 1);
    const int left = std::max(0, (clientWidth - ButtonsWidth(visibleCount)) / 2);
    pnlButtons->setGeometry(left, clientHeight - kPanelBottomGap - kButtonHeight, right, kButtonHeight);
    pnlButtons->raise();
}

void TfrmqvMessageDlgFormW::PlaceOnScreen() {
    QWidget* mainWindow = FindMainWindow();
    QScreen* screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    // Some window systems tell the frame only while a window is shown: the last one seen stands
    // in, or else the main window's.
    RememberFrame();
    QMargins margins = FFrameMargins;
    if (margins.isNull() && mainWindow && mainWindow->windowHandle())
        margins = mainWindow->windowHandle()->frameMargins();
    const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
    const int clientWidth = std::min(width(), std::max(1, available.width() - frame.width()));
    const int clientHeight = std::min(height(), std::max(1, available.height() - frame.height()));
    if (clientWidth != width() || clientHeight != height()) {
        setFixedSize(clientWidth, clientHeight);
        PlaceButtonPanel(clientWidth, clientHeight, FVisibleButtons);
    }

    const QRect over = mainWindow ? mainWindow->frameGeometry() : available;
    const QSize outer(clientWidth + frame.width(), clientHeight + frame.height());
    const QPoint centred = over.center() - QPoint(outer.width() / 2, outer.height() / 2);
    const int x = std::max(available.left(), std::min(centred.x(), available.right() + 1 - outer.width()));
    const int y = std::max(available.top(), std::min(centred.y(), available.bottom() + 1 - outer.height()));
    move(x, y);
}

void TfrmqvMessageDlgFormW::RememberFrame() {
    if (!windowHandle()) create();
    const QMargins margins = windowHandle()->frameMargins();
    if (!margins.isNull()) FFrameMargins = margins;
}

void TfrmqvMessageDlgFormW::setVisible(bool visible) {
    if (!visible && isVisible()) RememberFrame();
    if (visible && !isVisible()) {
        PlaceOnScreen();
        // The default button has the focus first (a hidden button may have passed it on).
        for (QPushButton* button : FButtonList)
            if (button->isDefault() && button->isVisibleTo(this) && focusWidget() != button)
                button->setFocus(Qt::OtherFocusReason);
    }
    QDialog::setVisible(visible);
}

void TfrmqvMessageDlgFormW::reject() {
    done(mrCancel);
}

void TfrmqvMessageDlgFormW::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace qv
