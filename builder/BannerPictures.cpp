#include "builder/BannerPictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cstring>

#include "builder/BuilderText.h"
#include "common/PathEdit.h"
#include "platform/Errors.h"

namespace qv {
namespace {

constexpr int kBannerWidth = 88;
constexpr int kBannerHeight = 31;

// A picture type the builder reads: its reader and the bytes its files start with.
struct TPictureType {
    const char* Format;
    const char* Signatures[2];
};
constexpr TPictureType kBitmap{"bmp", {"BM", nullptr}};
constexpr TPictureType kPng{"png", {"\x89PNG\r\n\x1a\n", nullptr}};
constexpr TPictureType kJpeg{"jpeg", {"\xFF\xD8", nullptr}};
constexpr TPictureType kGif{"gif", {"GIF87a", "GIF89a"}};

// The type for an extension, or nullptr for one the builder does not handle.
const TPictureType* TypeOf(const std::string& extension) {
    const QString ext = QString::fromStdString(extension).toLower();
    if (ext == QLatin1String(".bmp")) return &kBitmap;
    if (ext == QLatin1String(".png")) return &kPng;
    if (ext == QLatin1String(".jpg") || ext == QLatin1String(".jpeg")) return &kJpeg;
    if (ext == QLatin1String(".gif")) return &kGif;
    return nullptr;
}

bool StartsAs(QIODevice& device, const TPictureType& type) {
    for (const char* signature : type.Signatures)
        if (signature && device.peek(qint64(std::strlen(signature))) == QByteArray(signature)) return true;
    return false;
}

// A banner is small; a picture that claims to be huge is refused before its pixels are made.
// The type is the extension's: content of another type is not looked for, and content that
// does not start as that type is refused before its reader decodes anything (the GIF reader
// would otherwise decode a damaged signature as if it were one).
QImage ReadPicture(QIODevice& device, const TPictureType& type) {
    if (!StartsAs(device, type)) throw EQVError(std::string("The picture is not of the type ") + type.Format);
    QImageReader reader(&device, type.Format);
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(kPictureLimitMiB);
    QImage image = reader.read();
    if (image.isNull()) throw EQVError("The picture cannot be read: " + reader.errorString().toStdString());
    return image;
}

}  // namespace

QImage LoadPictureBytes(const Bytes& data, const char* extension) {
    const TPictureType* type = TypeOf(extension);
    if (!type) throw EQVError(std::string("No picture reader for ") + extension);
    QByteArray bytes(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadPicture(buffer, *type);
}

QImage LoadPictureFile(const std::string& path) {
    const std::string extension = ExtractFileExt(path);
    const TPictureType* type = TypeOf(extension);
    if (!type) {
        const std::string name = extension.empty() ? std::string() : extension.substr(1);
        throw EQVError(QString::fromUtf8("拡張子 .%1 の画像形式は処理できません").arg(AnsiToQ(name)).toStdString());
    }
    // Read from the file as the reader needs it: a huge file is refused by its header alone.
    QFile file(PathToQ(path));
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError("Cannot open file \"" + path + "\". " + file.errorString().toStdString());
    try {
        return ReadPicture(file, *type);
    } catch (const EQVError& e) {
        throw EQVError(path + ": " + e.what());
    }
}

void DrawOnBanner(QImage& canvas, const QImage& picture) {
    if (canvas.isNull()) {
        canvas = QImage(kBannerWidth, kBannerHeight, QImage::Format_RGB32);
        canvas.fill(Qt::white);
    }
    QPainter painter(&canvas);
    painter.drawImage(0, 0, picture);
}

Bytes EncodeBannerPng(const QImage& canvas) {
    const QImage pixels = canvas.copy(0, 0, kBannerWidth, kBannerHeight).convertToFormat(QImage::Format_RGB888);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(pixels)) throw EQVError("The banner cannot be encoded: " + writer.errorString().toStdString());
    return Bytes(bytes.begin(), bytes.end());
}

}  // namespace qv
