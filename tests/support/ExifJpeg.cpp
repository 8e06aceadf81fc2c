#include "support/ExifJpeg.h"

#include <QBuffer>
#include <QImageWriter>

namespace ExifJpeg {
namespace {

void Put16(QByteArray& out, quint32 value)
{
    out.append(char(value & 0xFF)).append(char(value >> 8 & 0xFF));
}

void Put32(QByteArray& out, quint32 value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutEntry(QByteArray& out, quint16 tag, quint16 type, quint32 value)
{
    Put16(out, tag);
    Put16(out, type);
    Put32(out, 1);
    Put32(out, value);
}

} // namespace

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
    Put32(tiff, 8);
    Put16(tiff, 1);
    PutEntry(tiff, 0x0112, 3, quint32(orientation));
    Put32(tiff, preview.isEmpty() ? 0 : 26);
    if (!preview.isEmpty()) {
        Put16(tiff, 3);
        PutEntry(tiff, 0x0103, 3, 6);
        PutEntry(tiff, 0x0201, 4, 68);
        PutEntry(tiff, 0x0202, 4, quint32(preview.size()));
        Put32(tiff, 0);
        tiff += preview;
    }
    const qsizetype length = 2 + 6 + tiff.size();
    Q_ASSERT(length <= 0xFFFF);
    QByteArray app1("\xFF\xE1", 2);
    app1.append(char(length >> 8)).append(char(length & 0xFF));
    app1 += QByteArray("Exif\0\0", 6) + tiff;
    const QByteArray jpeg = Encoded(photo, quality);
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

} // namespace ExifJpeg
