// MessageDlgW shown modally, answered from inside its modal loop by the driver.
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QTest>

#include "DialogTestSupport.h"
#include "common/ui/TModalDialogDriver.h"

namespace qv::test {
namespace {

using Form_ = TfrmqvMessageDlgFormW;
using Driver = TModalDialogDriver;

TEST_F(DialogTest, EveryButtonClosesWithItsResult) {
    const struct {
        const char* Name;
        int Result;
    } rows[] = {{"btnYes", 6},   {"btnNo", 7},     {"btnOk", 1},  {"btnCancel", 2},  {"btnAbort", 3},
                {"btnRetry", 4}, {"btnIgnore", 5}, {"btnAll", 8}, {"btnNoToAll", 9}, {"btnYesToAll", 10}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        auto outcome = Driver::PressButton(row.Name);
        EXPECT_EQ(MessageDlgW("Which one?", 3, 1023, "Question"), row.Result);
        EXPECT_TRUE(outcome->Pressed);
        EXPECT_FALSE(outcome->Forced);
    }
}

TEST_F(DialogTest, OkGivesOneWhenPressedAndTwoWhenTheWindowIsClosed) {
    auto pressed = Driver::PressButton("btnOk");
    EXPECT_EQ(MessageDlgW("Done.", 2, Form_::mbOK, "Information"), Form_::mrOk);
    EXPECT_TRUE(pressed->Pressed);

    auto closed = Driver::CloseWindow();
    EXPECT_EQ(MessageDlgW("Done.", 2, Form_::mbOK, "Information"), Form_::mrCancel);
    EXPECT_TRUE(closed->Seen);
    EXPECT_FALSE(frmqvMessageDlgFormW->isVisible());
}

TEST_F(DialogTest, ShownWindowCarriesTitleMessageAndFocusOnTheDefaultButton) {
    struct TCase {
        uint16_t Buttons;
        const char* Default;
    };
    // OK comes before Cancel in placement but after it in tab order.
    for (const TCase& c : {TCase{11, "btnYes"}, TCase{Form_::mbOK | Form_::mbCancel, "btnOk"},
                           TCase{Form_::mbNoToAll | Form_::mbAll, "btnAll"}}) {
        SCOPED_TRACE(c.Buttons);
        QString title, text, focused;
        bool modal = false;
        Driver::CloseWindow([&](QWidget& w) {
            title = w.windowTitle();
            text = w.findChild<QLabel*>("lblMessageText")->text();
            focused = w.focusWidget() ? w.focusWidget()->objectName() : QString();
            modal = w.isModal();
        });
        MessageDlgW("Save the changes?", 3, c.Buttons, QString::fromUtf8("確認"));
        EXPECT_EQ(title, QString::fromUtf8("確認"));
        EXPECT_EQ(text, "Save the changes?");
        EXPECT_EQ(focused, c.Default);
        EXPECT_TRUE(modal);
    }
}

TEST_F(DialogTest, EscapeDoesNothingAndEnterPressesTheDefaultButton) {
    bool openAfterEscape = false;
    auto outcome = Driver::CloseWindow([&](QWidget& w) {
        QTest::keyClick(w.focusWidget(), Qt::Key_Escape);
        QTest::keyClick(&w, Qt::Key_Escape);
        openAfterEscape = w.isVisible();
        QTest::keyClick(w.focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(MessageDlgW("Overwrite?", 3, 779, "Question"), Form_::mrYes);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(outcome->Seen);
}

TEST_F(DialogTest, ReplacedCaptionsStayForLaterCallsAndTheOthersKeepTheForms) {
    const std::pair<QPushButton*, QString> replaced[] = {
        {Form().btnYes, "&Yes"}, {Form().btnNo, "&No"}, {Form().btnCancel, "Cancel"},
        {Form().btnNoToAll, "N&o to all"}, {Form().btnYesToAll, "Yes to &all"}};
    for (const auto& [button, caption] : replaced) button->setText(caption);

    for (uint16_t buttons : {uint16_t(779), uint16_t(1023), uint16_t(Form_::mbOK)}) {
        SCOPED_TRACE(buttons);
        QStringList shown;
        Driver::CloseWindow([&](QWidget& w) {
            for (QPushButton* b : w.findChildren<QPushButton*>())
                if (b->isVisible()) shown << b->objectName() + "=" + b->text();
        });
        MessageDlgW("Overwrite?", 3, buttons, "Question");
        for (const auto& [button, caption] : replaced) {
            const bool wanted = button->isVisibleTo(&Form());
            EXPECT_EQ(shown.contains(button->objectName() + "=" + caption), wanted) << button->objectName().toStdString();
        }
    }
    for (const auto& [button, caption] : replaced) EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(Form().btnOk->text(), "OK");
    EXPECT_EQ(Form().btnAbort->text(), QString::fromUtf8("中止(&A)"));
    EXPECT_EQ(Form().btnRetry->text(), QString::fromUtf8("再試行(&R)"));
    EXPECT_EQ(Form().btnIgnore->text(), QString::fromUtf8("無視(&I)"));
    EXPECT_EQ(Form().btnAll->text(), QString::fromUtf8("すべて(&A)"));
}

TEST_F(DialogTest, MessageAskedWhileOneIsShownGetsAWindowOfItsOwn) {
    Form().btnOk->setText("Fine");
    int inner = -1;
    bool ownWindow = false, outerKept = false;
    QString innerCaption;
    Driver::PressButton("btnNo", [&](QWidget& outer) {
        Driver::PressButton("btnOk", [&](QWidget& w) {
            ownWindow = &w != &outer;
            innerCaption = w.findChild<QPushButton*>("btnOk")->text();
        });
        inner = MessageDlgW("Inner", 1, Form_::mbOK, "Error");
        outerKept = outer.isVisible() && outer.findChild<QLabel*>("lblMessageText")->text() == "Outer";
    });
    EXPECT_EQ(MessageDlgW("Outer", 3, Form_::mbYes | Form_::mbNo, "Question"), Form_::mrNo);
    EXPECT_EQ(inner, Form_::mrOk);
    EXPECT_TRUE(ownWindow);
    EXPECT_TRUE(outerKept);
    EXPECT_EQ(innerCaption, "Fine");
}

TEST_F(DialogTest, WindowIsCentredOverTheMainWindowOrTheScreen) {
    const auto shownFrame = [] {
        QRect frame;
        Driver::CloseWindow([&](QWidget& w) { frame = w.frameGeometry(); });
        MessageDlgW("Centred", 2, Form_::mbOK, "Information");
        return frame;
    };
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect frame = shownFrame();
    EXPECT_NEAR(frame.center().x(), screen.center().x(), 1);
    EXPECT_NEAR(frame.center().y(), screen.center().y(), 1);

    // A plain window counts as the main window; a QMainWindow is preferred to it.
    QWidget window;
    window.setGeometry(screen.x() + 300, screen.y() + 250, 300, 200);
    window.show();
    frame = shownFrame();
    EXPECT_NEAR(frame.center().x(), window.frameGeometry().center().x(), 1);
    EXPECT_NEAR(frame.center().y(), window.frameGeometry().center().y(), 1);

    QMainWindow main;
    main.setGeometry(screen.x() + 40, screen.y() + 60, 520, 400);
    main.show();
    frame = shownFrame();
    EXPECT_NEAR(frame.center().x(), main.frameGeometry().center().x(), 1);
    EXPECT_NEAR(frame.center().y(), main.frameGeometry().center().y(), 1);
}

struct TBadInput {
    const char* What;
    QString Msg;
    QString Title;
    uint16_t Buttons;
    int VisibleButtons;
};

TEST_F(DialogTest, BadInputStillOpensFittingTheScreenAndClosesWithTwo) {
    const TBadInput cases[] = {
        {"several thousand characters in one word", QString("x").repeated(8000), "Title", Form_::mbOK, 1},
        {"several thousand characters of words", QString("word ").repeated(2000), "Title", 11, 3},
        {"thousands of lines", QString("line\r\n").repeated(5000), "Title", 779, 5},
        {"thousands of long lines", QString(QString("word ").repeated(60) + "\n").repeated(2000), "T", 4, 1},
        {"empty message", "", "Title", Form_::mbOK, 1},
        {"empty title", "Message", "", Form_::mbOK, 1},
        {"no buttons", "Message", "Title", 0, 0},
        {"bits 10 to 15 only", "Message", "Title", 0xFC00, 0},
        {"every bit", "Message", "Title", 0xFFFF, 10},
    };
    for (const TBadInput& c : cases) {
        SCOPED_TRACE(c.What);
        QRect frame, client, panel, available;
        int visible = -1;
        auto outcome = Driver::CloseWindow([&](QWidget& w) {
            frame = w.frameGeometry();
            client = w.rect();
            panel = w.findChild<QWidget*>("pnlButtons")->geometry();
            available = w.screen()->availableGeometry();
            visible = 0;
            for (QPushButton* b : w.findChildren<QPushButton*>()) visible += b->isVisible();
        });
        EXPECT_EQ(MessageDlgW(c.Msg, 1, c.Buttons, c.Title), Form_::mrCancel);
        ASSERT_TRUE(outcome->Seen);
        EXPECT_FALSE(outcome->Forced);
        EXPECT_TRUE(available.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                               << frame.height();
        EXPECT_GE(client.width(), std::min(200, available.width()));
        EXPECT_GE(client.height(), 123);
        EXPECT_EQ(visible, c.VisibleButtons);
        EXPECT_EQ(client.bottom() - panel.bottom(), 11) << "the buttons stay in the window";
        EXPECT_GE(panel.left(), 0);
    }
    // A capped window does not stay capped: the next message is sized by its own rules.
    Driver::CloseWindow();
    MessageDlgW("x", 2, Form_::mbOK, "Information");
    EXPECT_EQ(Form().size(), QSize(200, 123));
}

}  // namespace
}  // namespace qv::test
