#include "builder/TIconRow.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <QTreeWidget>

#include "builder/BuilderText.h"
#include "builder/TImageSurface.h"
#include "builder/core/IconPictures.h"
#include "common/PathEdit.h"

namespace qv {

namespace {
uint64_t GIconSerials = 0;
}  // namespace

TIconRow::TIconRow() : FIcon(std::make_unique<TQVIcon>()), FSerial(++GIconSerials) {
    setFlags(flags() | Qt::ItemIsEditable);
}

QImage TIconRow::Thumbnail() const {
    QImage thumbnail(FThumbnailSize, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    QPainter painter(&thumbnail);
    painter.drawPixmap(0, 0, data(0, Qt::DecorationRole).value<QPixmap>());
    return thumbnail;
}

QImage TIconRow::MakeThumbnail(const TQVIcon& icon, QSize size) {
    int covered = 0;
    for (int i = 0; i < icon.Count(); ++i) covered += 2 + icon.GetEntry(i).Width;
    QImage image(std::clamp(covered, 1, size.width()), size.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    TImageSurface surface(image);
    if (DrawIconThumbnail(icon, surface)) TImageSurface::MakeOpaque(image);
    return image;
}

TIconRow* TIconRow::Append(QTreeWidget& list, const std::string& path, QSize thumbnailSize) {
    // The icon is read before the row joins the list, so a file that fails leaves no row.
    auto row = std::make_unique<TIconRow>();
    row->FIcon->LoadFromFile(path);
    row->FThumbnailSize = thumbnailSize;
    row->setText(0, AnsiToQ(ExtractFileName(path)));
    row->setText(1, QString::number(row->FIcon->Count()));
    row->setData(0, Qt::DecorationRole, QPixmap::fromImage(MakeThumbnail(*row->FIcon, thumbnailSize), Qt::NoFormatConversion));
    if (list.columnWidth(0) < thumbnailSize.width()) list.setColumnWidth(0, thumbnailSize.width() + kColumnWidening);
    TIconRow* added = row.release();
    list.addTopLevelItem(added);
    return added;
}

TIconRow* TIconRow::At(QTreeWidget& list, int index) { return dynamic_cast<TIconRow*>(list.topLevelItem(index)); }

}  // namespace qv
