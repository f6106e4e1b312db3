#pragma once
// Icon images as Qt images: PNG-stored images decoded with Qt's PNG reader, bitmap images with
// their transparency, and a whole icon as a QIcon (the application's icon).
#include <QIcon>
#include <QImage>

#include <memory>

#include "platform/Bytes.h"

namespace qv {

class TDIBitmap;
class TQVIcon;

// A PNG stream as an ARGB32 image; a null image when Qt cannot read it.
QImage DecodePngImage(const uint8_t* png, size_t size);
inline QImage DecodePngImage(const Bytes& png) { return DecodePngImage(png.data(), png.size()); }
// The part of an ARGB32 image as a 32-bit bitmap (B, G, R, A), for the icon drawing routines.
std::unique_ptr<TDIBitmap> ImageToBitmap32(const QImage& image);
// Image index of the icon with real transparency: a PNG image by its alpha, a 32-bit image with
// alpha by its alpha, any other image opaque where its mask lets it through. Null when the image
// makes no picture.
QImage IconImageToQImage(const TQVIcon& icon, int index);
// Every image of the icon that makes a picture.
QIcon IconToQIcon(const TQVIcon& icon);

}  // namespace qv
