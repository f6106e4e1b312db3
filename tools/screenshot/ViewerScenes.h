#pragma once
// The package viewer as a user sees it: the bundled example project built into a package with
// the compiler library, read back by the viewer window made in this process, framed with its
// title bar. One scene per language after the agreement, and one of the agreement step.
#include <memory>
#include <string>

class QWidget;

namespace qv {

class TtntfrmQuorvex;

void RegisterViewerScenes();

// A temporary folder for this run of the command, removed with everything in it at its end;
// empty when none could be made.
const std::string& SceneFolder();
// The viewer of the package at packagePath, framed and shown, with the language at the given
// position picked (as the user picks it) and, when agree, the agreement given. viewer, when
// given, receives the viewer window inside the frame.
std::unique_ptr<QWidget> MakeViewerScene(const std::string& packagePath, int language, bool agree,
                                         TtntfrmQuorvex** viewer = nullptr);

}  // namespace qv
