#pragma once
// Conversions between the builder's byte strings and Qt's texts: system-code-page texts (the
// first page, the project file, the package information) and file names (bytes as the file
// system holds them).
#include <QString>

#include <string>

namespace qv {

QString AnsiToQ(const std::string& text);
std::string QToAnsi(const QString& text);
QString PathToQ(const std::string& path);
std::string QToPath(const QString& path);

}  // namespace qv
