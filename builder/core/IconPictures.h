#pragma once
// The pictures the builder draws from icons: the thumbnail strip of an icon row and the package
// icon preview. An image is blended by its alpha when its bitmap has 32 bits, and copied through
// its mask otherwise, so that images of 16 and 24 bits show as they are instead of vanishing.
#include "icon/TQVIcon.h"
#include "platform/TDrawSurface.h"

namespace qv {

constexpr int kPackageIconPreviewSize = 96;

// Draws image `index` with its top left corner at (x, y). An image that makes no bitmap (a PNG
// image) draws nothing. True when the image was copied, alpha bytes included (not blended).
bool DrawIconImage(const TQVIcon& icon, int index, int x, int y, TDrawSurface& surface);

// Every image side by side from the left edge: 2 pixels before each, then the image's width
// byte (0, a 256-pixel image, adds nothing). What passes the surface's edges is cut off. True
// when some image was copied.
bool DrawIconThumbnail(const TQVIcon& icon, TDrawSurface& surface);

// The 32 x 32 image of 32 bits (else the first 32 x 32 image, else the first image) centred on a
// preview of kPackageIconPreviewSize pixels by its width and height bytes. An empty icon draws
// nothing. True when the image was copied.
bool DrawPackageIconPreview(const TQVIcon& icon, TDrawSurface& surface);

}  // namespace qv
