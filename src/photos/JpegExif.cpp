#include "photos/JpegExif.h"

namespace {

constexpr int kMaxSegments = 64;   // more before the frame header means a broken file

class TiffBytes
{
public:
    explicit TiffBytes(QByteArrayView bytes) : m_bytes(bytes)
    {
        if (bytes.size() >= 8 && bytes.startsWith("II*\0"))
            m_little = true;
        else if (bytes.size() >= 8 && bytes.startsWith("MM\0*"))
            m_little = false;
        else
            m_bytes = {};
    }

    bool IsValid() const { return !m_bytes.isEmpty(); }
    qsizetype Size() const { return m_bytes.size(); }
    bool Has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset + length <= m_bytes.size();
    }
    quint32 U16(qint64 at) const
    {
        const auto b = [&](qint64 i) { return quint32(quint8(m_bytes[i])); };
        return m_little ? b(at) | b(at + 1) << 8 : b(at) << 8 | b(at + 1);
    }
    quint32 U32(qint64 at) const
    {
        return m_little ? U16(at) | U16(at + 2) << 16 : U16(at) << 16 | U16(at + 2);
    }

private:
    QByteArrayView m_bytes;
    bool m_little = true;
};

// One directory of 12-byte entries; `found` gets each (tag, value) whose value fits in
// the entry as a SHORT or LONG. Returns the next directory's offset, 0 at the end.
template <typename Found>
quint32 ReadDirectory(const TiffBytes& tiff, quint32 offset, Found&& found)
{
    if (!tiff.Has(offset, 2))
        return 0;
    const quint32 count = tiff.U16(offset);
    const qint64 entries = qint64(offset) + 2;
    if (!tiff.Has(entries, qint64(count) * 12 + 4))
        return 0;
    for (quint32 i = 0; i < count; ++i) {
        const qint64 entry = entries + qint64(i) * 12;
        const quint32 type = tiff.U16(entry + 2);
        if (tiff.U32(entry + 4) != 1)
            continue;
        if (type == 3)
            found(tiff.U16(entry), tiff.U16(entry + 8));
        else if (type == 4)
            found(tiff.U16(entry), tiff.U32(entry + 8));
    }
    return tiff.U32(entries + qint64(count) * 12);
}

void ReadExifBlock(QByteArrayView block, qsizetype blockStart, JpegExif& exif)
{
    const TiffBytes tiff(block);
    if (!tiff.IsValid())
        return;
    const quint32 first = tiff.U32(4);
    const quint32 second = ReadDirectory(tiff, first, [&](quint32 tag, quint32 value) {
        if (tag == 0x0112 && value >= 1 && value <= 8)
            exif.orientation = int(value);
    });
    if (second == 0 || second == first)
        return;
    quint32 compression = 6, offset = 0, length = 0;
    ReadDirectory(tiff, second, [&](quint32 tag, quint32 value) {
        if (tag == 0x0103)
            compression = value;
        else if (tag == 0x0201)
            offset = value;
        else if (tag == 0x0202)
            length = value;
    });
    // An uncompressed preview (compression 1) is strips, not a JPEG.
    if (compression == 6 && length > 0 && offset > 0 && tiff.Has(offset, length)) {
        exif.previewOffset = blockStart + qsizetype(offset);
        exif.previewLength = qsizetype(length);
    }
}

bool IsFrameHeader(quint8 marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
           marker != 0xCC;
}

} // namespace

JpegExif ReadJpegExif(QByteArrayView head)
{
    JpegExif exif;
    const auto byte = [&](qsizetype i) { return quint8(head[i]); };
    if (head.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8)
        return exif;
    bool exifSeen = false;
    qsizetype at = 2;
    for (int segment = 0; segment < kMaxSegments; ++segment) {
        while (at < head.size() && byte(at) == 0xFF && at + 1 < head.size() &&
               byte(at + 1) == 0xFF)
            ++at;   // fill bytes
        if (at + 4 > head.size() || byte(at) != 0xFF)
            return exif;
        const quint8 marker = byte(at + 1);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9)
            return exif;   // picture data or the end: no frame header before it
        const qsizetype length = (qsizetype(byte(at + 2)) << 8) | byte(at + 3);
        const qsizetype data = at + 4;
        if (length < 2)
            return exif;
        const QByteArrayView body =
            head.sliced(data, std::min<qsizetype>(length - 2, head.size() - data));
        if (IsFrameHeader(marker)) {
            if (body.size() >= 5) {
                const auto word = [&](int i) {
                    return int(quint8(body[i])) << 8 | int(quint8(body[i + 1]));
                };
                exif.stored = QSize(word(3), word(1));
            }
            return exif;
        }
        // The first EXIF block counts; it must lie whole in the bytes read.
        if (marker == 0xE1 && !exifSeen && body.size() == length - 2 &&
            body.startsWith(QByteArrayView("Exif\0\0", 6))) {
            exifSeen = true;
            ReadExifBlock(body.sliced(6), data + 6, exif);
        }
        at = data + length - 2;
    }
    return exif;
}
