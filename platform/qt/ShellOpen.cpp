#include "platform/qt/ShellOpen.h"

#include "platform/qt/TSystemSeams.h"

namespace qv {

namespace {

const char* const KWebPrefixes[] = {"http:", "https:", "ftp:", "mailto:", "www."};

}  // namespace

bool IsWebOrMailAddress(const QString& text) {
    for (const char* prefix : KWebPrefixes)
        if (text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) return true;
    return false;
}

QUrl LinkAddressUrl(const QString& text) {
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + text, QUrl::TolerantMode);
    return QUrl(text, QUrl::TolerantMode);
}

bool OpenLinkAddress(const QString& text) {
    if (!IsWebOrMailAddress(text)) return false;
    return Seams().OpenUrl(LinkAddressUrl(text));
}

bool ShellOpenPath(const QString& path) {
    return Seams().OpenUrl(QUrl::fromLocalFile(path));
}

}  // namespace qv
