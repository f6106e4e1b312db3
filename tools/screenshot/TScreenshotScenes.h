#pragma once
// The named scenes the screenshot command can render: each makes one top-level widget, set up
// as it should be pictured. Programs register their scenes at start (the demo, the dialog, the
// viewer and builder windows as they arrive) and the command renders them by name.
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace qv {

class TScreenshotScenes {
public:
    using TFactory = std::function<std::unique_ptr<QWidget>()>;

    // Adds a scene, or replaces the one of the same name.
    static void Register(const QString& name, const QString& description, TFactory factory);
    static QStringList Names();  // sorted
    static QString Description(const QString& name);
    // The scene's widget; nullptr for an unknown name.
    static std::unique_ptr<QWidget> Create(const QString& name);

private:
    struct TScene {
        QString Description;
        TFactory Factory;
    };
    static std::map<QString, TScene>& Table();
};

}  // namespace qv
