#include "CanvasTestKit.h"

#include <QPainter>
#include <QtEndian>

QImage PaintObject(PageObject& object, QSize size, const DrawContext& context)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    object.Draw(painter, context);
    return image;
}

Ink InkWhere(const QImage& image, const std::function<bool(const QColor&)>& test, QRect within)
{
    Ink ink;
    within = within.isNull() ? image.rect() : within.intersected(image.rect());
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (test(image.pixelColor(x, y))) {
                ink.bounds |= QRect(x, y, 1, 1);
                ++ink.count;
            }
    return ink;
}

Ink DarkInk(const QImage& image, QRect within)
{
    return InkWhere(image, [](const QColor& c) { return c.lightness() < 128; }, within);
}

void SetShadow(PageObject& object, int type, int dx, int dy, ColorRef colour)
{
    object.m_nShadowType = type;
    object.m_nShadowDX = dx;
    object.m_nShadowDY = dy;
    object.m_crShadow = colour;
}

ObjectList OneOfEveryStoredType()
{
    // Every word of every record holds its own small number, so each stored field reads
    // away from its default and no two fields hold the same value; strings read as one
    // character each.
    QByteArray bytes = WrnFormat::Encode(WrnPage{}, {});
    for (const int type : {ObjectType::Photo, ObjectType::Text, ObjectType::Calendar,
                           ObjectType::Shape, ObjectType::Curve, ObjectType::Symbol}) {
        QByteArray record(4 + WrnFormat::RecordSize(type), '\0');
        qToLittleEndian<qint32>(type, record.data());
        for (qsizetype at = 4; at + 4 <= record.size(); at += 4)
            qToLittleEndian<qint32>(qint32(at / 4), record.data() + at);
        bytes += record;
    }
    DocumentReadOptions options;
    options.loadPictures = false;
    return WrnFormat::Decode(bytes, options).objects;
}
