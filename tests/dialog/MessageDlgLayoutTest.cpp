// The form as laid out and the sizing rules of ArrangeControls, checked on the arranged (not yet
// shown) window so that no screen size interferes.
#include <QLabel>
#include <QPalette>

#include "DialogTestSupport.h"

namespace qv::test {
namespace {

using Form_ = TfrmqvMessageDlgFormW;

TEST_F(DialogTest, FormHasItsControlsAsLaidOut) {
    EXPECT_EQ(Form().objectName(), "frmqvMessageDlgFormW");
    EXPECT_EQ(Form().size(), QSize(552, 180));
    EXPECT_EQ(Form().font().family(), "Tahoma");
    EXPECT_EQ(Form().font().pixelSize(), 12);
    EXPECT_EQ(Form().findChild<QLabel*>("imgIcon")->geometry(), QRect(19, 19, 56, 56));
    QLabel* label = Form().findChild<QLabel*>("lblMessageText");
    EXPECT_EQ(label->pos(), QPoint(93, 14));
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    QWidget* panel = Form().findChild<QWidget*>("pnlButtons");
    EXPECT_EQ(panel->y(), 140);
    EXPECT_EQ(panel->height(), 29);
    EXPECT_EQ(180 - panel->geometry().bottom() - 1, 11);
    EXPECT_EQ(Form().minimumSize(), Form().maximumSize()) << "the border is fixed";
}

struct TButtonRow {
    const char* Name;
    const char* Caption;
    int Width;
};

TEST_F(DialogTest, ButtonsHaveTheirCaptionsSizesAndTabOrder) {
    const TButtonRow rows[] = {
        {"btnYes", "はい(&Y)", 104},          {"btnNo", "いいえ(&N)", 104},
        {"btnOk", "OK", 103},                 {"btnCancel", "キャンセル", 104},
        {"btnAbort", "中止(&A)", 104},         {"btnRetry", "再試行(&R)", 104},
        {"btnIgnore", "無視(&I)", 103},        {"btnAll", "すべて(&A)", 104},
        {"btnNoToAll", "すべていいえ(&O)", 104}, {"btnYesToAll", "すべてはい(&A)", 104},
    };
    QWidget* panel = Form().findChild<QWidget*>("pnlButtons");
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(rows[i].Name);
        auto* button = panel->findChild<QPushButton*>(rows[i].Name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(Form().Buttons()[i], button) << "placement order";
        EXPECT_EQ(button->text(), QString::fromUtf8(rows[i].Caption));
        EXPECT_EQ(button->size(), QSize(rows[i].Width, 29));
    }
    const QStringList tabOrder = {"btnYes", "btnNo", "btnCancel", "btnNoToAll", "btnYesToAll",
                                  "btnOk", "btnAbort", "btnRetry", "btnIgnore", "btnAll"};
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        EXPECT_EQ(Form().findChild<QWidget*>(tabOrder[i])->nextInFocusChain()->objectName(), tabOrder[i + 1]);
}

struct TButtonCase {
    uint16_t Buttons;
    QStringList Visible;
    std::vector<int> Lefts;
    int MinWidth;
};

TEST_F(DialogTest, ButtonSetsArePlacedCentredWithTheFirstAsDefault) {
    const TButtonCase cases[] = {
        {Form_::mbOK, {"btnOk"}, {0}, 200},
        {11, {"btnYes", "btnNo", "btnCancel"}, {0, 112, 224}, 344},
        {779, {"btnYes", "btnNo", "btnCancel", "btnNoToAll", "btnYesToAll"}, {0, 112, 224, 336, 448}, 568},
        {Form_::mbCancel | Form_::mbIgnore | Form_::mbYesToAll, {"btnCancel", "btnIgnore", "btnYesToAll"},
         {0, 112, 224}, 344},
    };
    for (const TButtonCase& c : cases) {
        SCOPED_TRACE(c.Buttons);
        Arrange("x", c.Buttons);
        ASSERT_EQ(VisibleButtons(), c.Visible);
        for (int k = 0; k < c.Visible.size(); ++k) {
            auto* button = Form().findChild<QPushButton*>(c.Visible[k]);
            EXPECT_EQ(button->x(), c.Lefts[k]);
            EXPECT_EQ(button->isDefault(), k == 0);
        }
        EXPECT_EQ(Form().width(), c.MinWidth);
        const int row = int(c.Visible.size()) * 112 - 8;
        EXPECT_EQ(Form().pnlButtons->x(), (c.MinWidth - row) / 2);
        EXPECT_EQ(Form().pnlButtons->width(), Form().findChild<QPushButton*>(c.Visible.last())->geometry().right() + 1);
        EXPECT_EQ(Form().height() - Form().pnlButtons->geometry().bottom() - 1, 11);
    }
}

TEST_F(DialogTest, OneLineMessageWidthIsTheLargerOfButtonsAndText) {
    const QString messages[] = {"OK?", "Overwrite the existing file in this folder?",
                                "A rather longer question that needs about half of the seven hundred pixels"};
    for (const QString& msg : messages) {
        SCOPED_TRACE(msg.toStdString());
        Arrange(msg, Form_::mbYes | Form_::mbNo);
        const int measured = LabelMetrics().horizontalAdvance(msg);
        ASSERT_LT(measured, 700);
        EXPECT_EQ(Form().width(), std::max(232, 109 + measured));
        EXPECT_EQ(Form().height(), std::max(123, 62 + LabelMetrics().height()));
        EXPECT_EQ(Form().pnlButtons->x(), (Form().width() - 216) / 2);
    }
}

TEST_F(DialogTest, WidestLineDecidesBelowSevenHundredPixels) {
    const QString msg = "short\r\na somewhat longer middle line\nend";
    Arrange(msg, Form_::mbOK);
    EXPECT_EQ(Form().width(), std::max(200, 109 + LabelMetrics().horizontalAdvance("a somewhat longer middle line")));
}

TEST_F(DialogTest, MessageOfSevenHundredPixelsAsAWholeTakesTheFullWidth) {
    QStringList lines;
    while (LabelMetrics().horizontalAdvance(lines.join("")) < 700) lines << "twelve chars";
    ASSERT_LT(LabelMetrics().horizontalAdvance(lines[0]), 200);
    Arrange(lines.join("\r\n"), Form_::mbOK);
    EXPECT_EQ(Form().width(), 809);
    EXPECT_EQ(Form().height(), std::max(123, 62 + int(lines.size()) * LabelMetrics().height()));
}

TEST_F(DialogTest, WholeMessageIsMeasuredAsOneStringAroundTheThreshold) {
    // Messages whose whole width lies just below, at and above 700 pixels, with both kinds of
    // line break and with tabs; each must be decided as the font measures the whole string.
    const QFontMetrics metrics = LabelMetrics();
    std::vector<QString> messages;
    for (const QString& piece : {QString("ab cd ef gh"), QString("x\ty\tz"), QString::fromUtf8("確認します")})
        for (const QString& brk : {QString("\r\n"), QString("\n")}) {
            QStringList lines;
            while (metrics.horizontalAdvance(QStringList(lines + QStringList{piece}).join(brk)) < 690) lines << piece;
            while (metrics.horizontalAdvance(lines.join(brk)) < 690) lines << "i";
            for (int extra = 0; extra < 8; ++extra) {
                messages.push_back(lines.join(brk));
                lines << "i";
            }
        }
    int above = 0, below = 0;
    for (const QString& msg : messages) {
        SCOPED_TRACE(msg.toStdString());
        Arrange(msg, Form_::mbOK);
        int widest = 0;
        for (const QString& line : QString(msg).replace("\r\n", "\n").split('\n'))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const bool whole700 = metrics.horizontalAdvance(msg) >= 700;
        (whole700 ? above : below)++;
        EXPECT_EQ(Form().width(), whole700 ? 809 : std::max(200, 109 + widest));
    }
    EXPECT_GT(above, 0);
    EXPECT_GT(below, 0);
}

TEST_F(DialogTest, LineWiderThanTheLabelWrapsButCountsAsOneLine) {
    QString line;
    while (LabelMetrics().horizontalAdvance(line) < 1500) line += "wrapping words ";
    Arrange(line, Form_::mbOK);
    EXPECT_EQ(Form().width(), 809);
    EXPECT_EQ(Form().lblMessageText->width(), 700);
    EXPECT_GE(Form().lblMessageText->height(), 3 * LabelMetrics().height()) << "the label wraps";
    EXPECT_EQ(Form().height(), 123);

    Arrange(QStringList(6, line).join("\n"), Form_::mbOK);
    EXPECT_EQ(Form().height(), 62 + 6 * LabelMetrics().height());
}

TEST_F(DialogTest, HeightCountsEveryLineOfTheMessage) {
    struct TCase {
        QString Msg;
        int Lines;
    };
    const TCase cases[] = {
        {"", 0},
        {"one", 1},
        {"one\r\ntwo\r\nthree", 3},
        {"1\n2\r3\r\n4\n\n6\n", 6},  // lone LF, lone CR, CR LF; an empty line counts, a final break does not
        {QString("line\n").repeated(9) + "line", 10},
        {QString("line\r\n").repeated(30), 30},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Msg.toStdString());
        Arrange(c.Msg, Form_::mbOK);
        EXPECT_EQ(Form().height(), std::max(123, 62 + c.Lines * LabelMetrics().height()));
        EXPECT_EQ(Form().height() - Form().pnlButtons->geometry().bottom() - 1, 11);
    }
}

TEST_F(DialogTest, LinesInAFallbackFontCountWithTheHeightTheyAreDrawnWith) {
    // Japanese lines are drawn with a CJK font (when one is installed), often taller than the
    // label's own; the window must still hold every unwrapped line above the buttons.
    const QString line = QString::fromUtf8("ファイルを上書きしますか？");
    const QString msg = QStringList(20, line).join("\n");
    Arrange(msg, Form_::mbYes | Form_::mbNo);
    EXPECT_EQ(Form().height(), 62 + Form().lblMessageText->height());
    EXPECT_GE(Form().lblMessageText->height(), 20 * LabelMetrics().height());
}

TEST_F(DialogTest, MessageIsPlainText) {
    const QString msg = "<b>first</b><br>second &amp; <i>file</i>";
    Arrange(msg, Form_::mbOK);
    EXPECT_EQ(Form().lblMessageText->text(), msg);
    EXPECT_EQ(Form().lblMessageText->height(), LabelMetrics().height()) << "one line, not two";
    EXPECT_EQ(Form().width(), std::max(200, 109 + LabelMetrics().horizontalAdvance(msg)));
}

TEST_F(DialogTest, LaterCallsRearrangeFromScratch) {
    Arrange(QString("line\n").repeated(40), 1023);
    Arrange("x", Form_::mbOK);
    EXPECT_EQ(VisibleButtons(), QStringList{"btnOk"});
    EXPECT_EQ(Form().size(), QSize(200, 123));
    EXPECT_TRUE(Form().btnOk->isDefault());
    EXPECT_FALSE(Form().btnYes->isDefault());
}

}  // namespace
}  // namespace qv::test
