#pragma once
// The shell's "open" for the window programs, through the seams. Links in texts and banners
// open only web and mail addresses.
#include <QString>
#include <QUrl>

namespace qv {

// True for text that starts with "http:", "https:", "ftp:", "mailto:" or "www." (letter case
// does not matter).
bool IsWebOrMailAddress(const QString& text);
// The address to open for such a text: "www." gets "http://" in front; any other text as it is.
QUrl LinkAddressUrl(const QString& text);
// Opens a web or mail address; anything else is not opened (false, no shell call).
bool OpenLinkAddress(const QString& text);
// Opens a local file or folder with the shell's default action.
bool ShellOpenPath(const QString& path);

}  // namespace qv
