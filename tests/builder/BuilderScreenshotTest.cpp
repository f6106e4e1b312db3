// The screenshot command pictures both pages of the builder window with the example project, the
// about dialog, the language list dialog, and the package built after Korean was added in the
// builder (a scene that fails unless the package shows the Korean texts).
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <cstdlib>
#include <string>

#include "tests/text/TempFolder.h"

namespace qv {
namespace {

TEST(BuilderScreenshots, EveryBuilderSceneIsPictured) {
    test::TempFolder folder;
    const std::pair<const char*, QSize> scenes[] = {
        {"builder-package-info", QSize(742, 648)}, {"builder-language", QSize(742, 648)}, {"builder-about", QSize(449, 344)},
        {"builder-language-list", QSize(393, 163)}, {"viewer-korean-added", QSize(573, 492)}};
    for (const auto& [scene, size] : scenes) {
        const std::string png = folder.Path() + "/" + scene + ".png";
        const std::string command = "QT_QPA_PLATFORM=offscreen '" + std::string(QV_BIN_DIR) + "/qvscreenshot' " + scene +
                                    " '" + png + "' >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << scene;
        const QImage picture(QString::fromStdString(png));
        EXPECT_EQ(picture.size(), size) << scene;
    }
}

}  // namespace
}  // namespace qv
