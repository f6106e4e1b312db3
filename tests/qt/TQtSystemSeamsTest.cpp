#include "platform/qt/TQtSystemSeams.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cerrno>

namespace qv {
namespace {

TEST(TQtSystemSeams, DesignFiltersBecomeQtNameFilters) {
    struct TCase {
        const char* Filter;
        QStringList Expected;
    };
    const TCase cases[] = {
        {"QuorvaneBuilderプロジェクト(*.ipp)|*.ipp|すべてのファイル(*.*)|*.*",
         {QStringLiteral("QuorvaneBuilderプロジェクト(*.ipp)"), QStringLiteral("すべてのファイル(*.*)")}},
        {"QuorvaneBuilderプロジェクト(*.ipp)|*.ipp|フォルダを作成して保存|*.ipp",
         {QStringLiteral("QuorvaneBuilderプロジェクト(*.ipp)"), QStringLiteral("フォルダを作成して保存 (*.ipp)")}},
        {"画像(*.bmp;*.png)|*.bmp;*.png", {QStringLiteral("画像(*.bmp *.png)")}},
        {"Icons|*.ico|dangling", {QStringLiteral("Icons (*.ico)")}},
        {"", {}},
    };
    for (const TCase& c : cases) EXPECT_EQ(TQtSystemSeams::NameFilters(QString::fromUtf8(c.Filter)), c.Expected) << c.Filter;
}

TEST(TQtSystemSeams, WaitingForAProcessKeepsTheEventLoopRunning) {
    TQtSystemSeams seams;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(10);
    const TProcessRun run = seams.RunProcessAndWait({"/bin/sh", "-c", "sleep 0.3; exit 5"}, "");
    EXPECT_TRUE(run.Start.Started());
    EXPECT_EQ(run.ExitCode, 5);
    EXPECT_GE(ticks, 5);  // timers fired while the process ran
    EXPECT_FALSE(seams.IsProcessRunning(run.Start.Pid));

    const TProcessRun missing = seams.RunProcessAndWait({"/nonexistent/upx/upx", "-9"}, "");
    EXPECT_EQ(missing.Start.Error, ENOENT);
    EXPECT_EQ(missing.ExitCode, -1);
}

TEST(TQtSystemSeams, TheInstalledDialogAnswersMessages) {
    TQtSystemSeams seams;
    QStringList seen;
    TQtSystemSeams::SetMessageDlgHandler([&seen](const QString& msg, uint8_t kind, uint16_t buttons, const QString& title) {
        seen << msg << QString::number(kind) << QString::number(buttons) << title;
        return 10;
    });
    EXPECT_EQ(seams.MessageDlg(QStringLiteral("上書き?"), 3, 779, QStringLiteral("Quorvex")), 10);
    TQtSystemSeams::SetMessageDlgHandler(nullptr);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("上書き?"), QStringLiteral("3"), QStringLiteral("779"),
                                 QStringLiteral("Quorvex")}));
}

// Presses the button at `index` of the open stand-in box (-1: closes the window instead) once
// the box is shown; records the box's buttons.
void AnswerStandInBox(int index, QStringList* buttonTexts) {
    QTimer::singleShot(0, [index, buttonTexts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* button : box->buttons()) {
            if (button->isHidden()) continue;
            buttons << button;
            *buttonTexts << button->text();
        }
        if (index < 0) box->close();
        else buttons.at(index)->click();
    });
}

TEST(TQtSystemSeams, StandInBoxGivesTheDesignResults) {
    TQtSystemSeams seams;
    struct TCase {
        uint16_t Buttons;
        int Press;       // -1: close the window
        int Result;
        int ButtonCount;
    };
    const TCase cases[] = {{4, 0, 1, 1}, {4, -1, 2, 1}, {11, -1, 2, 3}, {779, -1, 2, 5}, {128, 0, 8, 1}};
    for (const TCase& c : cases) {
        QStringList texts;
        AnswerStandInBox(c.Press, &texts);
        EXPECT_EQ(seams.MessageDlg(QStringLiteral("m"), 3, c.Buttons, QStringLiteral("t")), c.Result) << c.Buttons;
        EXPECT_EQ(texts.size(), c.ButtonCount) << c.Buttons;
    }
    // Each button gives its own result, whatever the order the box shows them in.
    const int results[] = {6, 7, 2, 9, 10};
    for (int i = 0; i < 5; ++i) {
        QStringList texts;
        QTimer::singleShot(0, [i] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            const QMessageBox::StandardButton order[] = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel,
                                                         QMessageBox::NoToAll, QMessageBox::YesToAll};
            box->button(order[i])->click();
        });
        EXPECT_EQ(seams.MessageDlg(QStringLiteral("m"), 3, 779, QStringLiteral("t")), results[i]) << i;
    }
}

}  // namespace
}  // namespace qv
