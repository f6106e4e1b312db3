#include "DialogTestSupport.h"

#include <QApplication>

#include "common/ui/TModalDialogDriver.h"

#include <algorithm>
#include <vector>

namespace qv::test {

void EnsureQtApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "test_dialog";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

void DialogTest::SetUp() {
    FreeMessageDlgForm();
    EnsureMessageDlgForm();
}

void DialogTest::TearDown() {
    TModalDialogDriver::CancelPending();
    FreeMessageDlgForm();
}

void DialogTest::Arrange(const QString& msg, uint16_t buttons) {
    Form().SetMessage(msg);
    Form().SetButtons(buttons);
}

QStringList DialogTest::VisibleButtons() {
    std::vector<QPushButton*> shown;
    for (QPushButton* b : Form().Buttons())
        if (b->isVisibleTo(&Form())) shown.push_back(b);
    std::sort(shown.begin(), shown.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    QStringList names;
    for (QPushButton* b : shown) names << b->objectName();
    return names;
}

}  // namespace qv::test
