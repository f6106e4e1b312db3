#include "builder/BannerPictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include "builder/BuilderText.h"
#include "common/PathEdit.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"

namespace qv {
namespace {

constexpr int kBannerWidth = 88;
constexpr int kBannerHeight = 31;

// The reader for an extension, or nullptr for one the builder does not handle.
const char* FormatOf(const std::string& extension) {
    const QString ext = QString::fromStdString(extension).toLower();
    if (ext == QLatin1String(".bmp")) return "bmp";
    if (ext == QLatin1String(".png")) return "png";
    if (ext == QLatin1String(".jpg") || ext == QLatin1String(".jpeg")) return "jpeg";
    if (ext == QLatin1String(".gif")) return "gif";
    return nullptr;
}

}  // namespace

QImage LoadPictureBytes(const Bytes& data, const char* format) {
    QByteArray bytes(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, format);
    // A banner is small; a picture that claims to be huge is refused before its pixels are made.
    reader.setAllocationLimit(64);
    QImage image = reader.read();
    if (image.isNull()) throw EQVError("The picture cannot be read: " + reader.errorString().toStdString());
    return image;
}

QImage LoadPictureFile(const std::string& path) {
    const std::string extension = ExtractFileExt(path);
    const char* format = FormatOf(extension);
    if (!format) {
        const std::string name = extension.empty() ? std::string() : extension.substr(1);
        throw EQVError(QString::fromUtf8("拡張子 .%1 の画像形式は処理できません").arg(AnsiToQ(name)).toStdString());
    }
    try {
        return LoadPictureBytes(ReadWholeFile(path), format);
    } catch (const EFOpenError&) {
        throw;
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
