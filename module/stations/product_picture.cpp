#include "stations/product_picture.h"

#include "corekit/whole_file.h"

#include <QFileInfo>
#include <QImage>

namespace WoSt {

// A product picture or logo of a catalogue is some hundred kilobytes; this is far beyond.
constexpr qint64 kMaxPictureFileBytes = qint64(64) << 20;

QPixmap LoadPicture(const QString& file, QSize box, qreal ratio) {
    if (file.isEmpty() || box.isEmpty())
        return {};
    QString path = file;
    if (!QFileInfo(path).isFile() && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".bmp");
    const std::optional<QByteArray> bytes = ReadWholeFile(path, kMaxPictureFileBytes);
    QImage image;
    if (!bytes || !image.loadFromData(*bytes))
        return {};
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb magenta = qRgb(255, 0, 255);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == (magenta & 0x00FFFFFF))
                line[x] = 0;
    }
    QPixmap picture =
        QPixmap::fromImage(image.scaled(box * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace WoSt
