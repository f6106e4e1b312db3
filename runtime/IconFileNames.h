#pragma once
// Names under which icons leave a package. An icon name comes from the package and is meant as a
// file name alone; a name that could reach another folder is never used for writing. The drag
// folder is made fresh inside the temporary folder, so removing it never touches anything else.
#include <string>

namespace qv {

// True for a name that is one file name: not empty, not "." or "..", no '/' and no NUL.
bool IsPlainFileName(const std::string& name);
// The package name made safe as the start of a folder name: every '/' and NUL becomes '_', and
// a name that is "." or ".." is prefixed with '_'.
std::string SafeFolderStem(const std::string& packName);
// Makes a new folder directly inside tempDir named stem + a decimal number below 0x0FFFFFFF; a
// name that exists already is never taken (the next number is tried). Returns the folder without
// a trailing delimiter, or "" when no folder could be made.
std::string MakeNewNumberedFolder(const std::string& tempDir, const std::string& stem);

}  // namespace qv
