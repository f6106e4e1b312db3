#pragma once
// The package viewer as a user sees it: the bundled example project built into a package with
// the compiler library, read back by the viewer window made in this process, framed with its
// title bar. One scene per language after the agreement, and one of the agreement step.
namespace qv {

void RegisterViewerScenes();

}  // namespace qv
