#include "builder/TPackageIconView.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "builder/TImageSurface.h"
#include "builder/core/IconPictures.h"

namespace qv {

void TPackageIconView::Replace(TQVIcon& icon, const std::string& path) {
    TQVIcon read;
    read.LoadFromFile(path);
    icon = std::move(read);
}

void TPackageIconView::Show(const TQVIcon& icon, QLabel& preview) {
    QImage picture(kPackageIconPreviewSize, kPackageIconPreviewSize, QImage::Format_RGB32);
    picture.fill(preview.palette().color(QPalette::Window));
    TImageSurface surface(picture);
    if (DrawPackageIconPreview(icon, surface)) TImageSurface::MakeOpaque(picture);
    preview.setPixmap(QPixmap::fromImage(std::move(picture)));
}

}  // namespace qv
