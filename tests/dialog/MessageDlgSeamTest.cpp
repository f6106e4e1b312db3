// The message dialog behind the seams: questions asked through Seams() show it once a program
// has installed it, and a test double in force answers them without any window.
#include <QLabel>

#include "DialogTestSupport.h"
#include "common/ui/TModalDialogDriver.h"
#include "platform/qt/TFakeSystemSeams.h"
#include "platform/qt/TQtSystemSeams.h"
#include "platform/qt/TScopedSeams.h"
#include "platform/qt/TSystemSeams.h"

namespace qv::test {
namespace {

class MessageDlgSeamTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        InstallMessageDlgW();
    }
    void TearDown() override {
        TQtSystemSeams::SetMessageDlgHandler(nullptr);
        DialogTest::TearDown();
    }
};

TEST_F(MessageDlgSeamTest, QuestionsThroughTheSeamsShowTheDialog) {
    QString shownBy, text;
    auto outcome = TModalDialogDriver::PressButton("btnNo", [&](QWidget& w) {
        shownBy = w.objectName();
        text = w.findChild<QLabel*>("lblMessageText")->text();
    });
    EXPECT_EQ(Seams().MessageDlg("Save the changes?", 3, 11, "Question"), TfrmqvMessageDlgFormW::mrNo);
    EXPECT_TRUE(outcome->Pressed);
    EXPECT_EQ(shownBy, "frmqvMessageDlgFormW");
    EXPECT_EQ(text, "Save the changes?");
}

TEST_F(MessageDlgSeamTest, TestDoubleAnswersWithoutAWindow) {
    FreeMessageDlgForm();
    TFakeSystemSeams fake;
    TScopedSeams scope(fake);
    fake.PushMessageResult(TfrmqvMessageDlgFormW::mrYesToAll);
    // Should a window appear after all, it is closed rather than left blocking the test.
    auto outcome = TModalDialogDriver::CloseWindow({}, 2000);
    EXPECT_EQ(Seams().MessageDlg("Overwrite?", 3, 779, "Question"), TfrmqvMessageDlgFormW::mrYesToAll);
    EXPECT_EQ(Seams().MessageDlg("Overwrite?", 3, 779, "Question"), TfrmqvMessageDlgFormW::mrCancel)
        << "no answer left: the answer of a closed window";
    EXPECT_FALSE(outcome->Seen);
    EXPECT_EQ(frmqvMessageDlgFormW, nullptr);
    ASSERT_EQ(fake.CallsOf(TSeamKind::MessageDlg).size(), 2u);
    EXPECT_EQ(fake.CallsOf(TSeamKind::MessageDlg)[0].Args, (QStringList{"Overwrite?", "3", "779", "Question"}));
}

}  // namespace
}  // namespace qv::test
