#pragma once
// One row of the icon list: the icon's file name as caption, its image count, and the whole icon
// file in a container the row owns (freed with the row). Its picture is the row's thumbnail: all
// images side by side on a strip of the thumbnail size.
#include <QImage>
#include <QSize>
#include <QTreeWidgetItem>

#include <cstdint>
#include <memory>
#include <string>

#include "icon/TQVIcon.h"

class QTreeWidget;

namespace qv {

class TIconRow : public QTreeWidgetItem {
public:
    static constexpr int kColumnWidening = 200;

    TIconRow();

    TQVIcon& Icon() { return *FIcon; }
    const TQVIcon& Icon() const { return *FIcon; }
    // Tells this row's icon from every other icon loaded by this run, for as long as it runs.
    uint64_t Serial() const { return FSerial; }
    QString Caption() const { return text(0); }
    // The thumbnail as the list shows it: the thumbnail size, white where no image is.
    QImage Thumbnail() const;

    // Appends a row for the icon file at path: loads it, captions it with the file name, counts
    // its images and draws its thumbnail; widens the first column to the thumbnail width plus
    // 200 when it is narrower than the thumbnail. A file that cannot be read throws the
    // container's error and leaves no row behind.
    static TIconRow* Append(QTreeWidget& list, const std::string& path, QSize thumbnailSize);
    // The rows in list order; nullptr for a row that is not an icon row.
    static TIconRow* At(QTreeWidget& list, int index);

    // The icon's images drawn on white, on the part of a strip of the given size that they
    // cover (at least one pixel wide): the rest of a thumbnail is white anyway, and a thousand
    // rows need not fill it.
    static QImage MakeThumbnail(const TQVIcon& icon, QSize size);

private:
    std::unique_ptr<TQVIcon> FIcon;
    uint64_t FSerial;
    QSize FThumbnailSize;
};

}  // namespace qv
