#pragma once
// The one message dialog of the builder and the runtime: a picture for the kind of message, a
// word-wrapped text and a centred row of up to ten buttons chosen by a bit set. The window sizes
// itself to the text and the buttons; captions are plain properties that a host may replace.
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QMargins>
#include <QPixmap>

#include <array>
#include <cstdint>
#include <memory>

class QLabel;
class QPushButton;
class QWidget;

namespace qv {

class TQVIcon;

class TfrmqvMessageDlgFormW : public QDialog {
    Q_OBJECT

public:
    // Button bits of a button set, in placement order.
    enum : uint16_t {
        mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbAbort = 16, mbRetry = 32, mbIgnore = 64,
        mbAll = 128, mbNoToAll = 256, mbYesToAll = 512
    };
    // Results of the buttons; mrCancel is also the result of closing the window.
    enum : int {
        mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7,
        mrAll = 8, mrNoToAll = 9, mrYesToAll = 10
    };
    static constexpr int kButtonCount = 10;
    static constexpr int kIconKinds = 5;
    // The picture of every kind that has one is this image of its icon file (48 x 48, 32 bits).
    static constexpr int kPictureImage = 4;

    // Loads the pictures of kinds 0 to 3 from the own module; a picture that cannot be loaded
    // throws the icon container's load error (or the resource layer's) and no window is made.
    explicit TfrmqvMessageDlgFormW(QWidget* parent = nullptr);
    ~TfrmqvMessageDlgFormW() override;

    // Kinds 0 to 3 show their picture blended over the window colour; other kinds show none.
    void SetIconKind(uint8_t kind);
    void SetTitle(const QString& title);
    // Line breaks (CR LF, CR or LF) start new lines; the text is never read as markup.
    void SetMessage(const QString& msg);
    // Bits 10 to 15 have no button and are ignored.
    void SetButtons(uint16_t buttons);
    // Shows the buttons of FButtons, picks the default one and sizes the window to the message
    // and the buttons.
    void ArrangeControls();

    // The ten buttons in placement order (Yes, No, OK, Cancel, Abort, Retry, Ignore, All,
    // No to all, Yes to all).
    const std::array<QPushButton*, kButtonCount>& Buttons() const { return FButtonList; }
    uint16_t ButtonSet() const { return FButtons; }
    int DefaultIndex() const { return FDefaultIndex; }
    // Copies the ten captions of another instance (a nested dialog shows what the host set).
    void CopyCaptionsFrom(const TfrmqvMessageDlgFormW& other);

    // Closing the window by its close box or system menu gives mrCancel.
    void reject() override;
    // Also fits the window to the screen and centres it over the main window.
    void setVisible(bool visible) override;

    QLabel* imgIcon = nullptr;
    QLabel* lblMessageText = nullptr;
    QWidget* pnlButtons = nullptr;
    QPushButton* btnYes = nullptr;
    QPushButton* btnNo = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnAbort = nullptr;
    QPushButton* btnRetry = nullptr;
    QPushButton* btnIgnore = nullptr;
    QPushButton* btnAll = nullptr;
    QPushButton* btnNoToAll = nullptr;
    QPushButton* btnYesToAll = nullptr;

protected:
    // No button reacts to Escape.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    QPushButton* CreateButton(int index);
    void LoadIcons();
    // Image kPictureImage of icon drawn blended over a bitmap filled with the window colour.
    static QPixmap RenderPicture(const TQVIcon& icon, const QColor& window);
    // Positions the button row for a client area of the given size: centred, its bottom edge
    // 11 pixels above the bottom of the client area, as wide as its visible buttons.
    void PlaceButtonPanel(int clientWidth, int clientHeight, int visibleCount);
    int ButtonsWidth(int visibleCount) const;
    // The message measured in the label's font, kept until the message or the font changes.
    struct TTextMeasure {
        bool Valid = false;
        QFont Font;
        int WholeWidth = 0;   // the whole message as one string, line breaks included
        int WidestLine = 0;
        int LinesHeight = 0;  // the sum of the unwrapped lines' heights
    };
    const TTextMeasure& MeasureMessage();
    // The client width the message needs.
    int TextNeed();
    // Caps the client area to the available screen (the window never outgrows it) and centres
    // the window over the main window, or over the screen when there is none.
    void PlaceOnScreen();
    void RememberFrame();

    std::array<std::unique_ptr<TQVIcon>, kIconKinds> FIcons;
    // The pictures drawn so far, for the window colour they were drawn over.
    std::array<QPixmap, kIconKinds> FPictures;
    QColor FPicturesColor;
    std::array<QPushButton*, kButtonCount> FButtonList{};
    QString FMessage;
    uint16_t FButtons = 0;
    int FDefaultIndex = 0;
    int FVisibleButtons = 0;
    QMargins FFrameMargins;
    TTextMeasure FMeasure;
};

}  // namespace qv
