#include "common/ui/TModalDialogDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace qv {

std::shared_ptr<const TModalDialogDriver::TOutcome> TModalDialogDriver::Arm(TAnswer answer, TInspect inspect,
                                                                            int timeoutMs) {
    auto outcome = std::make_shared<TOutcome>();
    auto* poll = new QTimer(qApp);
    poll->setInterval(1);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(poll, &QTimer::timeout, poll, [=]() {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || !window->isVisible()) {
            if (clock.elapsed() > timeoutMs) poll->deleteLater();
            return;
        }
        poll->stop();
        poll->deleteLater();
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

}  // namespace qv
