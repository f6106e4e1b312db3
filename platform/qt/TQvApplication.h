#pragma once
// The application object of both window programs. An exception that escapes an event handler
// is caught here and its message shown in the standard error box (through the seams); the event
// counts as handled and the program goes on.
#include <QApplication>

#include <exception>
#include <string>

namespace qv {

class TQvApplication : public QApplication {
    Q_OBJECT
public:
    TQvApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The folder of the running executable, ending in '/'.
    static std::string ProgramDir();
    // The text the error box shows for an exception: what() of a std::exception (UTF-8), a fixed
    // text for anything else.
    static QString ExceptionMessage(const std::exception_ptr& error);
    // Shows the error box for an exception caught elsewhere (start-up code, for example).
    static void ShowException(const std::exception_ptr& error);
    // Runs an event handler; what it throws is shown as ShowException shows it.
    template <class Handler>
    static void Guarded(Handler handler) {
        try {
            handler();
        } catch (...) {
            ShowException(std::current_exception());
        }
    }
};

}  // namespace qv
