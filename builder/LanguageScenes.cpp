// The screenshot command's scene of a language added in the builder: the example project gets
// Korean as a third language from "korean_sys.dat" through the language list dialog, is saved and
// built, and the package is shown after Korean is picked. The scene fails when the package does
// not show the template's texts.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "builder/BuilderScenes.h"
#include "builder/BuilderText.h"
#include "builder/TLanguagePage.h"
#include "builder/TfrmBuilderMain.h"
#include "builder/TfrmEditLanguageList.h"
#include "compiler/QuorcompExports.h"
#include "platform/TUnicodeStringList.h"
#include "runtime/QuorvexMainForm.h"
#include "tools/screenshot/TScreenshotScenes.h"
#include "tools/screenshot/ViewerScenes.h"

#ifndef QV_EXAMPLE_PROJECT
#define QV_EXAMPLE_PROJECT "examples/sample/sample.ipp"
#endif

namespace qv {
namespace {

constexpr int kKorean = 2;

// A copy of the example project's file set in the run's folder.
std::string CopyExampleProject() {
    namespace fs = std::filesystem;
    if (SceneFolder().empty()) throw std::runtime_error("no temporary folder for the scene");
    const fs::path example(QV_EXAMPLE_PROJECT);
    const fs::path folder = fs::path(SceneFolder()) / "korean";
    fs::create_directories(folder);
    fs::copy(example.parent_path(), folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return (folder / example.filename()).string();
}

// Korean added through the dialog as a user adds it, then the project saved.
void AddKoreanAndSave(const std::string& project, const std::string& programDir) {
    TBuilderPlaces places;
    places.ProgramDir = programDir;
    places.UserName = "qvscreenshot-scene";  // a settings file that nobody writes
    TfrmBuilderMain window(places, {project});
    window.show();
    TfrmEditLanguageList& dialog = window.EditLanguageList();
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.tnttxtLangName->setText(QString::fromUtf8("한국어"));
        dialog.tntcboTemplate->setEditText(QStringLiteral("korean_sys.dat"));
        dialog.tntbtnAddLang->click();
        dialog.tntbtnClose->click();
    });
    window.tntbtnAddLangClick();
    if (window.LanguagePage().tntcboLanguage->count() != kKorean + 1)
        throw std::runtime_error("the language list dialog did not add Korean");
    window.Action("actSaveProjectFile")->trigger();
    if (window.Modified()) throw std::runtime_error("the project with Korean was not saved: " + project);
}

std::unique_ptr<QWidget> KoreanPackageScene() {
    const std::string programDir = SceneProgramDir();
    const std::string project = CopyExampleProject();
    AddKoreanAndSave(project, programDir);
    const std::string package = SceneFolder() + "/korean.run";
    if (CompilePackage(project.c_str(), package.c_str(), 0) != 0)
        throw std::runtime_error("the project with Korean does not build: " + project);
    TtntfrmQuorvex* viewer = nullptr;
    std::unique_ptr<QWidget> scene = MakeViewerScene(package, kKorean, true, &viewer);
    TUnicodeStringList korean;
    korean.LoadFromFile(programDir + "korean_sys.dat");
    if (viewer->tntbtnCopyTo->text().toStdU16String() != korean.Values(u"buttoncopyto"))
        throw std::runtime_error("the package does not show the Korean texts");
    return scene;
}

// The dialog as the builder's edit button opens it on the example project, the second language
// selected. The window that owns it goes with it.
std::unique_ptr<QWidget> LanguageListScene() {
    std::shared_ptr<QWidget> owner = MakeBuilderScene(QStringLiteral(QV_EXAMPLE_PROJECT), 1);
    auto& window = static_cast<TfrmBuilderMain&>(*owner);
    window.hide();
    QStringList names;
    for (int i = 0; i < window.LanguagePage().tntcboLanguage->count(); ++i)
        names << window.LanguagePage().tntcboLanguage->itemText(i);
    auto dialog = std::make_unique<TfrmEditLanguageList>(SceneProgramDir());
    dialog->setFont(window.font());
    for (const QString& name : window.EditLanguageList().Templates()) dialog->AddTemplate(name);
    dialog->SetLanguages(names, window.SysTexts(), window.ReadmeTexts());
    dialog->tntlstLangList->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
    QObject::connect(dialog.get(), &QObject::destroyed, [owner] {});
    dialog->show();
    return dialog;
}

const bool kRegistered = [] {
    TScreenshotScenes::Register(QStringLiteral("builder-language-list"),
                                QStringLiteral("the language list dialog on the example project"),
                                [] { return LanguageListScene(); });
    TScreenshotScenes::Register(QStringLiteral("viewer-korean-added"),
                                QStringLiteral("the example project with Korean added in the builder, built and "
                                               "shown in Korean"),
                                [] { return KoreanPackageScene(); });
    return true;
}();

}  // namespace
}  // namespace qv
