#pragma once
// Answers the next modal window from inside its modal loop, as a user would, so that widget tests
// never block on it: presses a named button or closes the window. A test arms the driver, then
// calls the code that shows the window.
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace qv {

class TModalDialogDriver {
public:
    struct TOutcome {
        bool Seen = false;     // a modal window was shown within the time allowed
        bool Pressed = false;  // the named button was there, visible and enabled, and was pressed
        bool Forced = false;   // the window was still open long after the answer and was closed
    };
    // Runs while the window is shown, before the answer (to look at it or send it keys). The
    // window may be closed by then; the answer is then not given.
    using TInspect = std::function<void(QWidget& window)>;

    static constexpr int kDefaultTimeoutMs = 10000;

    // Presses the button whose objectName is buttonName. A button that is missing, hidden or
    // disabled is not pressed: the window is closed instead.
    static std::shared_ptr<const TOutcome> PressButton(const QString& buttonName, TInspect inspect = {},
                                                       int timeoutMs = kDefaultTimeoutMs);
    // Closes the window as its close box does.
    static std::shared_ptr<const TOutcome> CloseWindow(TInspect inspect = {}, int timeoutMs = kDefaultTimeoutMs);
    // Drops every answer not given yet (a test's leftovers never answer the next test's window).
    static void CancelPending();

private:
    using TAnswer = std::function<void(QWidget& window, TOutcome& outcome)>;
    static std::shared_ptr<const TOutcome> Arm(TAnswer answer, TInspect inspect, int timeoutMs);
};

}  // namespace qv
