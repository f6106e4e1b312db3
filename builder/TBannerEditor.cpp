#include "builder/TBannerEditor.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "builder/BannerPictures.h"

namespace qv {

void TBannerEditor::Load(const std::string& path) { Draw(LoadPictureFile(path)); }

void TBannerEditor::Draw(const QImage& picture) {
    DrawOnBanner(FCanvas, picture);
    Show();
}

bool TBannerEditor::Delete() {
    if (FCanvas.isNull()) return false;
    FCanvas = QImage();
    Show();
    return true;
}

void TBannerEditor::Show() {
    if (FCanvas.isNull())
        FPreview.clear();
    else
        FPreview.setPixmap(QPixmap::fromImage(FCanvas));
}

}  // namespace qv
