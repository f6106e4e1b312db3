#pragma once
// The builder's program start: the application title, its own version, its windows in order
// (main window, message dialog, language list dialog, about dialog), then the message loop.
#include <memory>

class QApplication;

namespace qv {

class TfrmBuilderMain;

// Everything of the start up to the message loop; the arguments are those of the application.
std::unique_ptr<TfrmBuilderMain> StartBuilder(QApplication& app);
int RunBuilder(QApplication& app);

}  // namespace qv
