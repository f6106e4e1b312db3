#pragma once
// The scenes that need nothing but Qt: a dialog with Japanese, Korean and Chinese text, to see
// that the CJK fonts render.
namespace qv {

void RegisterDemoScenes();

}  // namespace qv
