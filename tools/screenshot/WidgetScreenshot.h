#pragma once
// Renders a widget, as it would appear on screen, into a PNG file.
#include <QString>

class QWidget;

namespace qv {

// Shows the widget if it is hidden, lets pending layout and paint events run, grabs it and writes
// the picture as PNG. False (with the reason in *error when given) when nothing could be written.
bool SaveWidgetScreenshot(QWidget* widget, const QString& path, QString* error = nullptr);

}  // namespace qv
