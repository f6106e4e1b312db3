#pragma once
// The questions a window program asks about the system it runs on: where temporary files go,
// where the desktop is, who runs it, on which machine, and from which folder. Each answer is a
// byte string (file names and user names are bytes on Linux); an empty answer means "unknown".
#include <string>

namespace qv {

// $TMPDIR when it is set and not empty, else "/tmp"; without a trailing '/' (except the root).
std::string GetTempDirectory();

// The user's desktop folder when it exists as a folder, else "" (unknown). The folder is the
// XDG_DESKTOP_DIR of $XDG_CONFIG_HOME/user-dirs.dirs (default ~/.config), else ~/Desktop.
std::string GetDesktopDirectory();

// The XDG_DESKTOP_DIR entry of a user-dirs.dirs text with $HOME expanded; "" when the text has
// no usable entry (missing, relative, or pointing at the home folder itself, which the format
// uses to mean "disabled"). Does not look at the file system.
std::string DesktopDirFromUserDirs(const std::string& userDirsText, const std::string& home);

// $HOME when set and not empty, else the home folder of the effective user, else "".
std::string GetHomeDirectory();

// The login name of the effective user; "" when the system cannot tell it.
std::string GetLoginUserName();

// The host name; "" when the system cannot tell it.
std::string GetComputerName();

// The folder of the running executable (/proc/self/exe), ending in '/'; "" when unknown.
std::string GetProgramDir();

}  // namespace qv
