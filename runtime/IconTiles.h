#pragma once
// The icon list's tile and mask of one icon: a width x height cell filled with the list's
// background colour with the chosen image centred on it (cut where it is larger), and a mask cell
// of the same colour with the image's mask drawn at the same place (black where the icon shows).
#include <QColor>
#include <QImage>

#include <cstdint>

namespace qv {

class TQVIcon;

struct TIconTile {
    QImage Tile;  // ARGB32
    QImage Mask;  // ARGB32
};

// The image chosen is FindImage(bitCount, width, height): the first of that size and bit count,
// else the first of that size, else image 0. A 32-bit image is blended by its alpha, a PNG image
// decoded and blended by its alpha (its mask is where the alpha is not 0), any other image
// copied pixel for pixel. An image that makes no picture leaves both cells empty. A width or
// height of 0 gives empty images.
TIconTile BuildIconTile(const TQVIcon& icon, uint16_t bitCount, int width, int height, const QColor& background);

// Where an image of imageWidth x imageHeight lands in a cell: the differences halved, truncated
// towards zero (negative for an image larger than the cell).
int CentredOffset(int cellSize, int imageSize);

}  // namespace qv
