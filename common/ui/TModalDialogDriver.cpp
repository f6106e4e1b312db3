#include "common/ui/TModalDialogDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace qv {
namespace {

const char kPollName[] = "qvModalDialogDriverPoll";

}  // namespace

std::shared_ptr<const TModalDialogDriver::TOutcome> TModalDialogDriver::Arm(TAnswer answer, TInspect inspect,
                                                                            int timeoutMs) {
    auto outcome = std::make_shared<TOutcome>();
    auto* poll = new QTimer(qApp);
    poll->setObjectName(QString::fromLatin1(kPollName));
    poll->setInterval(1);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(poll, &QTimer::timeout, poll, [=]() {
        QWidget* window = QApplication::activeModalWidget();
        const bool late = clock.elapsed() > timeoutMs;
        if (late || (window && window->isVisible())) {
            poll->stop();
            poll->deleteLater();
        }
        if (late || !window || !window->isVisible()) return;
        outcome->Seen = true;
        QPointer<QWidget> guard(window);
        if (inspect) inspect(*window);
        if (!guard || !guard->isVisible()) return;
        // A window that outlives its answer would block the test for good.
        QTimer::singleShot(timeoutMs, qApp, [guard, outcome] {
            if (!guard || !guard->isVisible()) return;
            outcome->Forced = true;
            guard->close();
        });
        answer(*guard, *outcome);
    });
    poll->start();
    return outcome;
}

std::shared_ptr<const TModalDialogDriver::TOutcome> TModalDialogDriver::PressButton(const QString& buttonName,
                                                                                    TInspect inspect, int timeoutMs) {
    return Arm(
        [buttonName](QWidget& window, TOutcome& outcome) {
            auto* button = window.findChild<QAbstractButton*>(buttonName);
            if (!button || !button->isVisibleTo(&window) || !button->isEnabled()) {
                window.close();
                return;
            }
            outcome.Pressed = true;
            button->click();
        },
        std::move(inspect), timeoutMs);
}

std::shared_ptr<const TModalDialogDriver::TOutcome> TModalDialogDriver::CloseWindow(TInspect inspect, int timeoutMs) {
    return Arm([](QWidget& window, TOutcome&) { window.close(); }, std::move(inspect), timeoutMs);
}

void TModalDialogDriver::CancelPending() {
    for (QTimer* poll : qApp->findChildren<QTimer*>(QString::fromLatin1(kPollName), Qt::FindDirectChildrenOnly)) {
        poll->stop();
        poll->deleteLater();
    }
}

}  // namespace qv
