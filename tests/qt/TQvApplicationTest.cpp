#include "platform/qt/TQvApplication.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

#include "platform/qt/TFakeSystemSeams.h"
#include "platform/qt/TScopedSeams.h"

namespace qv {
namespace {

const QEvent::Type KFailingEvent = static_cast<QEvent::Type>(QEvent::User + 1);
const QEvent::Type KCountedEvent = static_cast<QEvent::Type>(QEvent::User + 2);

// A widget whose handler of one event type throws, and which counts the others it handles.
class TFailingWidget : public QWidget {
public:
    int FHandled = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() == KFailingEvent) throw std::runtime_error("アイコンの読み込みに失敗");
        if (e->type() == KCountedEvent) {
            ++FHandled;
            return true;
        }
        return QWidget::event(e);
    }
};

QStringList ErrorMessages(const TFakeSystemSeams& seams) {
    QStringList messages;
    for (const TSeamCall& call : seams.CallsOf(TSeamKind::ErrorBox)) messages << call.Args.value(0);
    return messages;
}

TEST(TQvApplication, ExceptionInHandlerReachesErrorBoxAndProgramGoesOn) {
    TFakeSystemSeams seams;
    TScopedSeams scope(seams);
    TFailingWidget widget;

    QCoreApplication::postEvent(&widget, new QEvent(KFailingEvent));
    QCoreApplication::postEvent(&widget, new QEvent(KCountedEvent));  // queued behind the failure
    QCoreApplication::processEvents();
    EXPECT_EQ(ErrorMessages(seams), QStringList{QStringLiteral("アイコンの読み込みに失敗")});
    EXPECT_EQ(widget.FHandled, 1);

    QEvent direct(KFailingEvent);
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&widget, &direct));
    QEvent counted(KCountedEvent);
    QCoreApplication::sendEvent(&widget, &counted);
    EXPECT_EQ(widget.FHandled, 2);
    EXPECT_EQ(ErrorMessages(seams).size(), 2);
}

TEST(TQvApplication, AnythingThrownFromATimerOrAClickIsShown) {
    TFakeSystemSeams seams;
    TScopedSeams scope(seams);

    QTimer::singleShot(0, [] { throw 42; });
    QTest::qWait(20);
    EXPECT_EQ(ErrorMessages(seams), QStringList{QStringLiteral("An unexpected error occurred.")});

    QPushButton button(QStringLiteral("OK"));
    button.show();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] {
        if (++clicks == 1) throw std::logic_error("first click fails");
    });
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);  // the button still works after its handler failed
    EXPECT_EQ(ErrorMessages(seams).value(1), QStringLiteral("first click fails"));
}

TEST(TQvApplication, ProgramFolderIsTheExecutablesFolder) {
    const std::string dir = TQvApplication::ProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(QString::fromStdString(dir), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

}  // namespace
}  // namespace qv
