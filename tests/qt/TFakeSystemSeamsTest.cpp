#include "platform/qt/TFakeSystemSeams.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>

#include "platform/qt/ShellOpen.h"
#include "platform/qt/TScopedSeams.h"

namespace qv {
namespace {

TFileDialogRequest SaveAsRequest() {
    TFileDialogRequest request;
    request.Title = QStringLiteral("保存");
    request.InitialDir = QStringLiteral("/p");
    request.Filter = QStringLiteral("QuorvaneBuilderプロジェクト(*.ipp)|*.ipp|フォルダを作成して保存|*.ipp");
    request.FilterIndex = 1;
    request.DefaultExt = QStringLiteral("ipp");
    request.OverwritePrompt = true;
    return request;
}

TEST(TFakeSystemSeams, AnswersInOrderAndRecordsEveryCall) {
    TFakeSystemSeams seams;
    seams.PushMessageResult(6);
    seams.PushSaveFile(QStringLiteral("/p/a.ipp"), 2);
    seams.PushOpenFiles({QStringLiteral("/i/1.ico"), QStringLiteral("/i/2.ico")});
    seams.PushFolder(QStringLiteral("/out"));
    seams.PushFont(QFont(QStringLiteral("Noto Sans CJK JP"), 9));
    seams.PushMessageResult(7);

    EXPECT_EQ(seams.MessageDlg(QStringLiteral("保存しますか?"), 3, 11, QStringLiteral("確認")), 6);
    const TFileDialogResult saved = seams.SaveFile(SaveAsRequest());
    EXPECT_TRUE(saved.Accepted);
    EXPECT_EQ(saved.File(), QStringLiteral("/p/a.ipp"));
    EXPECT_EQ(saved.FilterIndex, 2);
    EXPECT_EQ(seams.OpenFiles({}).Files.size(), 2);
    EXPECT_EQ(seams.ChooseFolder(nullptr, QStringLiteral("コピー先"), QStringLiteral("/home")), QStringLiteral("/out"));
    const std::optional<QFont> font = seams.ChooseFont(nullptr, QFont(), QString());
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->family(), QStringLiteral("Noto Sans CJK JP"));
    seams.Beep();
    EXPECT_EQ(seams.MessageDlg(QStringLiteral("上書きしますか?"), 3, 3, QString()), 7);
    EXPECT_EQ(seams.PendingAnswers(), 0u);

    const std::vector<TSeamCall>& calls = seams.Calls();
    ASSERT_EQ(calls.size(), 7u);
    const TSeamKind kinds[] = {TSeamKind::MessageDlg, TSeamKind::SaveFile, TSeamKind::OpenFiles,
                               TSeamKind::ChooseFolder, TSeamKind::ChooseFont, TSeamKind::Beep,
                               TSeamKind::MessageDlg};
    for (size_t i = 0; i < calls.size(); ++i) EXPECT_EQ(calls[i].Kind, kinds[i]) << i;
    EXPECT_EQ(calls[0].Args, (QStringList{QStringLiteral("保存しますか?"), QStringLiteral("3"),
                                          QStringLiteral("11"), QStringLiteral("確認")}));
    EXPECT_EQ(calls[1].Args, (QStringList{QStringLiteral("保存"), QStringLiteral("/p"), QString(),
                                          SaveAsRequest().Filter, QStringLiteral("1"), QStringLiteral("ipp"),
                                          QStringLiteral("1")}));
    EXPECT_EQ(calls[3].Args, (QStringList{QStringLiteral("コピー先"), QStringLiteral("/home")}));
    EXPECT_EQ(seams.CallsOf(TSeamKind::MessageDlg).size(), 2u);
}

TEST(TFakeSystemSeams, UnansweredQuestionsAreCancelledAndMismatchesThrow) {
    TFakeSystemSeams seams;
    EXPECT_EQ(seams.MessageDlg(QStringLiteral("?"), 3, 11, QString()), 2);
    const TFileDialogResult open = seams.OpenFile(SaveAsRequest());
    EXPECT_FALSE(open.Accepted);
    EXPECT_TRUE(open.Files.isEmpty());
    const TFileDialogResult save = seams.SaveFile(SaveAsRequest());
    EXPECT_FALSE(save.Accepted);
    EXPECT_EQ(save.FilterIndex, 1);
    EXPECT_TRUE(seams.ChooseFolder(nullptr, QString(), QString()).isEmpty());
    EXPECT_FALSE(seams.ChooseFont(nullptr, QFont(), QString()).has_value());
    EXPECT_EQ(seams.StartProcess({"/p/a.run"}, "").Error, ENOENT);
    EXPECT_FALSE(seams.RunProcessAndWait({"/upx/upx"}, "").Start.Started());

    seams.PushOpenFile(QString());  // the user cancels
    EXPECT_FALSE(seams.OpenFile({}).Accepted);
    seams.PushFontCancelled();
    EXPECT_FALSE(seams.ChooseFont(nullptr, QFont(), QString()).has_value());

    seams.PushOpenFile(QStringLiteral("/a.ico"));
    EXPECT_THROW(seams.MessageDlg(QString(), 0, 4, QString()), std::logic_error);
    EXPECT_EQ(seams.PendingAnswers(), 1u);  // the answer waits for its own question
    EXPECT_EQ(seams.OpenFile({}).File(), QStringLiteral("/a.ico"));
}

TEST(TFakeSystemSeams, TracksTheProcessesItStarted) {
    TFakeSystemSeams seams;
    seams.PushProcessStart(4242);
    seams.PushProcessStartError(EACCES);
    seams.PushProcessRun(1);
    seams.PushProcessRunError(ENOENT);

    const TProcessStart start = seams.StartProcess({"/d/a.run", "x y"}, "/d");
    EXPECT_EQ(start.Pid, 4242);
    EXPECT_EQ(seams.StartProcess({"/d/b.run"}, "").Error, EACCES);
    EXPECT_TRUE(seams.IsProcessRunning(4242));
    EXPECT_TRUE(seams.KillProcess(4242));
    EXPECT_FALSE(seams.IsProcessRunning(4242));
    EXPECT_FALSE(seams.KillProcess(4242));

    const TProcessRun run = seams.RunProcessAndWait({"/b/upx/upx", "-9", "/d/a.run"}, "");
    EXPECT_TRUE(run.Start.Started());
    EXPECT_EQ(run.ExitCode, 1);
    const TProcessRun failed = seams.RunProcessAndWait({"/b/upx/upx"}, "");
    EXPECT_EQ(failed.Start.Error, ENOENT);
    EXPECT_EQ(failed.ExitCode, -1);

    EXPECT_EQ(seams.Calls().front().Args,
              (QStringList{QStringLiteral("/d"), QStringLiteral("/d/a.run"), QStringLiteral("x y")}));
    EXPECT_EQ(seams.CallsOf(TSeamKind::KillProcess).size(), 2u);
}

TEST(TScopedSeams, OverridesNestAndRestore) {
    TSystemSeams* real = &Seams();
    TFakeSystemSeams outer, inner;
    {
        TScopedSeams outerScope(outer);
        EXPECT_EQ(&Seams(), &outer);
        {
            TScopedSeams innerScope(inner);
            EXPECT_EQ(&Seams(), &inner);
        }
        EXPECT_EQ(&Seams(), &outer);
    }
    EXPECT_EQ(&Seams(), real);
}

TEST(ShellOpen, OnlyWebAndMailAddressesAreOpenedAsLinks) {
    struct TCase {
        const char* Text;
        const char* Opened;  // nullptr: not opened
    };
    const TCase cases[] = {
        {"http://example.com/a?b=c", "http://example.com/a?b=c"},
        {"HTTPS://example.com/", "https://example.com/"},
        {"ftp://files.example.com/x", "ftp://files.example.com/x"},
        {"mailto:author@example.com", "mailto:author@example.com"},
        {"www.example.com/icons", "http://www.example.com/icons"},
        {"WWW.Example.com", "http://www.example.com"},
        {"file:///etc/passwd", nullptr},
        {"javascript:alert(1)", nullptr},
        {"/usr/bin/xterm", nullptr},
        {"example.com", nullptr},
        {" http://example.com", nullptr},
        {"", nullptr},
    };
    for (const TCase& c : cases) {
        TFakeSystemSeams seams;
        TScopedSeams scope(seams);
        const QString text = QString::fromUtf8(c.Text);
        EXPECT_EQ(IsWebOrMailAddress(text), c.Opened != nullptr) << c.Text;
        EXPECT_EQ(OpenLinkAddress(text), c.Opened != nullptr) << c.Text;
        const std::vector<TSeamCall> opens = seams.CallsOf(TSeamKind::OpenUrl);
        if (c.Opened) {
            ASSERT_EQ(opens.size(), 1u) << c.Text;
            EXPECT_EQ(opens[0].Args.value(0), QString::fromUtf8(c.Opened));
        } else {
            EXPECT_TRUE(opens.empty()) << c.Text;
        }
    }
    TFakeSystemSeams seams;
    TScopedSeams scope(seams);
    EXPECT_TRUE(ShellOpenPath(QStringLiteral("/opt/q/readme.txt")));
    EXPECT_EQ(seams.Calls().at(0).Args.value(0), QStringLiteral("file:///opt/q/readme.txt"));
}

}  // namespace
}  // namespace qv
