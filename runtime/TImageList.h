#pragma once
// The icon list's image list: images of one size, each added as a tile with its mask and kept as
// one 32-bit image that is transparent where the mask is not black (the platform's rule for
// masks, white meaning transparent), so the list shows the tile where the icon is and its own
// background elsewhere.
#include <QImage>
#include <QSize>

#include <vector>

namespace qv {

class TImageList {
public:
    void SetSize(const QSize& size);  // removes every image
    QSize Size() const { return FSize; }

    // Returns the new image's index. The tile becomes the image (pass it moved).
    int Add(QImage tile, const QImage& mask);
    int Count() const { return int(FImages.size()); }
    const QImage& Image(int index) const { return FImages.at(size_t(index)); }

private:
    QSize FSize{32, 32};
    std::vector<QImage> FImages;
};

}  // namespace qv
