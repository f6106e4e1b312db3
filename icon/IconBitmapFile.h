#pragma once
// The in-memory Windows bitmap files that turn an icon image into bitmaps: one of the colour bits
// and one of the mask bits, both of the directory's width and height, rows bottom-up as held.
#include "icon/IconRecords.h"
#include "platform/Bytes.h"

namespace qv {

// File header, info header (bit count from the image header), the colour table when the bit
// count is at most 8, the colour bits. Empty for a PNG image.
Bytes BuildImageBitmapFile(const TIconDirEntry& entry, const TIconImage& image);
// File header, info header at 1 bit, the table black / white, the mask bits. Empty for a PNG image.
Bytes BuildMaskBitmapFile(const TIconDirEntry& entry, const TIconImage& image);

}  // namespace qv
