#pragma once
// The fonts of the viewer's window designs.
#include <QFont>

namespace qv {

// Tahoma 8 pt: the windows' font.
QFont DesignFormFont();
// Tahoma with a character height of 13 pixels: the read-me's font.
QFont DesignReadmeFont();

}  // namespace qv
