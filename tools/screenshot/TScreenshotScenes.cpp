#include "tools/screenshot/TScreenshotScenes.h"

#include <QWidget>

namespace qv {

std::map<QString, TScreenshotScenes::TScene>& TScreenshotScenes::Table() {
    static std::map<QString, TScene> table;
    return table;
}

void TScreenshotScenes::Register(const QString& name, const QString& description, TFactory factory) {
    Table()[name] = TScene{description, std::move(factory)};
}

QStringList TScreenshotScenes::Names() {
    QStringList names;
    for (const auto& scene : Table()) names << scene.first;
    return names;
}

QString TScreenshotScenes::Description(const QString& name) {
    auto found = Table().find(name);
    return found == Table().end() ? QString() : found->second.Description;
}

std::unique_ptr<QWidget> TScreenshotScenes::Create(const QString& name) {
    auto found = Table().find(name);
    if (found == Table().end() || !found->second.Factory) return nullptr;
    return found->second.Factory();
}

}  // namespace qv
