#pragma once
// A QApplication for the whole test program and a fixture that gives every test a fresh dialog
// instance (captions a test replaces do not leak into the next one).
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include "common/ui/qvMessageDlgFormW.h"

namespace qv::test {

void EnsureQtApplication();

class DialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureQtApplication(); }
    void SetUp() override;
    void TearDown() override;

    TfrmqvMessageDlgFormW& Form() { return *frmqvMessageDlgFormW; }
    // The metrics the dialog measures its message with.
    QFontMetrics LabelMetrics() { return QFontMetrics(Form().lblMessageText->font()); }
    // Sets the message and the buttons as MessageDlgW does, without showing the window.
    void Arrange(const QString& msg, uint16_t buttons);
    // objectNames of the visible buttons, left to right.
    QStringList VisibleButtons();
};

}  // namespace qv::test
