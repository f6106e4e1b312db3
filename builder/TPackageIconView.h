#pragma once
// The package icon as the builder window takes and shows it: an icon file is read whole into a
// container of its own before it replaces the one in use, and the preview is drawn on the
// window colour.
#include <string>

#include "icon/TQVIcon.h"

class QLabel;

namespace qv {

class TPackageIconView {
public:
    // Reads the icon file into `icon` only once it has been read completely: a file that fails
    // throws the container's (or the file layer's) error and leaves `icon` as it was.
    static void Replace(TQVIcon& icon, const std::string& path);
    // Draws the preview of the icon into the picture, on the picture's window colour.
    static void Show(const TQVIcon& icon, QLabel& preview);
};

}  // namespace qv
