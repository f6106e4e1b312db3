#pragma once
// The start of the program every package is: the application object, the default font, the
// message dialog, the application's title and icon, the viewer window and the copy-to dialog,
// the first showing and the message loop.
#include <QIcon>
#include <QString>

namespace qv {

class TQuorvexProgram {
public:
    // Runs the program until the viewer window closes; returns the exit status.
    static int Run(int argc, char** argv);

    // The application's title until a package name is set: the executable's file name without
    // its folder and without everything from its first dot, its first character unchanged and
    // the others in lower case.
    static QString DefaultApplicationTitle(const QString& executablePath);
    // The "MAINICON" icon group of the own module; an empty icon when there is none.
    static QIcon ApplicationIcon();
};

}  // namespace qv
