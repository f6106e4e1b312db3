#pragma once
// The banner's pictures: reading a picture file by its extension, drawing it onto a banner canvas
// of 88 x 31 pixels, and the PNG the project keeps of it.
#include <QImage>
#include <QString>

#include <string>

#include "platform/Bytes.h"

namespace qv {

// The most memory a picture's pixels may take; a larger picture is refused by its size.
constexpr int kPictureLimitMiB = 64;

// Reads a Windows bitmap, PNG, JPEG or GIF file chosen by its extension (letter case ignored).
// Throws EQVError with "拡張子 .%s の画像形式は処理できません" for another extension, and an error
// naming the file when it cannot be read as that type.
QImage LoadPictureFile(const std::string& path);
QImage LoadPictureBytes(const Bytes& data, const char* extension);  // extension with its dot

// Draws the picture unscaled at the top left of the canvas (made, white, when it is null); what
// lies beyond 88 x 31 is cut off.
void DrawOnBanner(QImage& canvas, const QImage& picture);

// The canvas's 88 x 31 pixels as a PNG of 24 bits per pixel.
Bytes EncodeBannerPng(const QImage& canvas);

}  // namespace qv
