#pragma once
// The builder window as the screenshot command pictures it: the example project loaded, one
// scene per page.
#include <memory>
#include <string>

#include <QString>

class QWidget;

namespace qv {

// The window with the project at projectPath open and the given page (0 or 1) in front. Built-in
// resources are read from the quorbuild program beside the running one, and the settings file
// is none, so the picture shows the designed window.
std::unique_ptr<QWidget> MakeBuilderScene(const QString& projectPath, int page);
// The about dialog as it is shown, with the compiler library beside the running program.
std::unique_ptr<QWidget> MakeAboutScene();
// The folder of the running program, with the built-in resources read from the quorbuild program
// there when it exists.
std::string SceneProgramDir();

}  // namespace qv
