#pragma once
// The message dialog as a user sees it, one scene per kind with a picture (warning, error,
// information, confirmation), with Japanese texts and the form's captions.
namespace qv {

void RegisterMessageDlgScenes();

}  // namespace qv
