#pragma once
// The icon list's image list: images of one size, each added as a tile with its mask and kept as
// one 32-bit image that is transparent where the mask is not black (the platform's rule for
// masks, white meaning transparent), so the list shows the tile where the icon is and its own
// background elsewhere. An image may be added deferred: its tile and mask are made by the list's
// source the first time the image is asked for, so a long list draws only what is shown.
#include <QImage>
#include <QSize>

#include <functional>
#include <vector>

#include "runtime/IconTiles.h"

namespace qv {

class TImageList {
public:
    // Makes the tile and mask of deferred image `index`.
    using TSource = std::function<TIconTile(int index)>;

    void SetSize(const QSize& size);  // removes every image
    QSize Size() const { return FSize; }
    void SetSource(TSource source) { FSource = std::move(source); }

    // Returns the new image's index. The tile becomes the image (pass it moved).
    int Add(QImage tile, const QImage& mask);
    // Returns the new image's index; its tile and mask are made when it is first asked for.
    int AddDeferred();
    int Count() const { return int(FImages.size()); }
    // Makes a deferred image (a null image without a source).
    const QImage& Image(int index) const;
    // Whether image `index` is made (always true for one added with its tile).
    bool IsMade(int index) const { return FMade.at(size_t(index)); }

private:
    static QImage Compose(QImage tile, const QImage& mask);

    QSize FSize{32, 32};
    TSource FSource;
    mutable std::vector<QImage> FImages;
    mutable std::vector<bool> FMade;
};

}  // namespace qv
