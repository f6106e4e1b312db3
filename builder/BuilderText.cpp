#include "builder/BuilderText.h"

#include <QFile>

#include "platform/CodePage.h"

namespace qv {

QString AnsiToQ(const std::string& text) { return QString::fromStdU16String(AnsiToUnicode(text)); }

std::string QToAnsi(const QString& text) { return UnicodeToAnsi(text.toStdU16String()); }

QString PathToQ(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string QToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace qv
