// quorbuild: the builder of icon packages. Makes its windows in the program's order and runs
// until the main window closes; the first argument, if any, is a project to open.
#include <QApplication>

#include "builder/BuilderStartup.h"
#include "platform/qt/TQvApplication.h"

int main(int argc, char** argv) {
    qv::TQvApplication app(argc, argv);
    return qv::RunBuilder(app);
}
