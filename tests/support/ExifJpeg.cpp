#include "support/ExifJpeg.h"

#include <QBuffer>
#include <QDataStream>
#include <QImageWriter>

namespace ExifJpeg {

QByteArray Encoded(const QImage& image, int quality)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(quality);
    writer.write(image);
    return jpeg;
}

QByteArray Photo(const QImage& photo, int orientation, const QByteArray& preview, int quality)
{
    // TIFF header, IFD0 at 8 with the orientation, IFD1 at 26 with the preview's
    // compression, offset and length, the preview at 68.
    QByteArray tiff("II*\0", 4);
    QDataStream out(&tiff, QIODevice::Append);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto entry = [&out](quint16 tag, quint16 type, qsizetype value) {
        out << tag << type << quint32(1) << quint32(value);
    };
    out << quint32(8) << quint16(1);
    entry(0x0112, 3, orientation);
    out << quint32(preview.isEmpty() ? 0 : 26);
    if (!preview.isEmpty()) {
        out << quint16(3);
        entry(0x0103, 3, 6);
        entry(0x0201, 4, 68);
        entry(0x0202, 4, preview.size());
        out << quint32(0);
        out.writeRawData(preview.constData(), int(preview.size()));
    }
    const qsizetype length = 8 + tiff.size();
    Q_ASSERT(length <= 0xFFFF);
    const QByteArray app1 = QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) +
                            QByteArray("Exif\0\0", 6) + tiff;
    const QByteArray jpeg = Encoded(photo, quality);
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

} // namespace ExifJpeg
