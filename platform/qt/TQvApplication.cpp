#include "platform/qt/TQvApplication.h"

#include "platform/SystemInfo.h"
#include "platform/qt/TSystemSeams.h"

namespace qv {

TQvApplication::TQvApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQvApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowException(std::current_exception());
    }
    return true;
}

std::string TQvApplication::ProgramDir() {
    static const std::string dir = GetProgramDir();
    return dir;
}

QString TQvApplication::ExceptionMessage(const std::exception_ptr& error) {
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
    }
    return QStringLiteral("An unexpected error occurred.");
}

void TQvApplication::ShowException(const std::exception_ptr& error) {
    const QString message = ExceptionMessage(error);
    try {
        Seams().ShowErrorBox(message);
    } catch (...) {
        // The error box itself failed; there is nothing left to tell the user with.
    }
}

}  // namespace qv
