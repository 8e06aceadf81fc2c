#include "sample/PageMaterials.h"

#include "photos/PhotoFiles.h"
#include "platform/ImageFiles.h"

#include <QDir>
#include <QFontMetricsF>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <cmath>
#include <functional>

namespace PageMaterials {

namespace {

using Paint = std::function<void(QPainter&, const QRectF&)>;

struct Material
{
    const char* name;
    QSize size;
    Paint paint;
};

void Fill(QPainter& p, const QColor& color, qreal outline = 4)
{
    p.setPen(outline > 0 ? QPen(color.darker(150), outline) : QPen(Qt::NoPen));
    p.setBrush(color);
}

QPainterPath StarPath(const QPointF& centre, qreal outer, qreal inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / points;
        const qreal radius = i % 2 ? inner : outer;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        i == 0 ? path.moveTo(at) : path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

QPainterPath HeartPath(const QRectF& r)
{
    QPainterPath path(QPointF(r.center().x(), r.bottom()));
    path.cubicTo(r.left() - r.width() * 0.1, r.top() + r.height() * 0.55, r.left() + r.width() * 0.1,
                 r.top() - r.height() * 0.15, r.center().x(), r.top() + r.height() * 0.28);
    path.cubicTo(r.right() - r.width() * 0.1, r.top() - r.height() * 0.15,
                 r.right() + r.width() * 0.1, r.top() + r.height() * 0.55, r.center().x(),
                 r.bottom());
    return path;
}

void Star(QPainter& p, const QRectF& r, const QColor& color)
{
    Fill(p, color, 5);
    p.drawPath(StarPath(r.center(), r.width() * 0.46, r.width() * 0.2, 5));
}

void Heart(QPainter& p, const QRectF& r, const QColor& color)
{
    Fill(p, color, 5);
    p.drawPath(HeartPath(r.adjusted(16, 24, -16, -16)));
}

void Balloon(QPainter& p, const QRectF& r, const QColor& color)
{
    p.setPen(QPen(QColor(90, 90, 90), 3));
    p.drawLine(QPointF(r.center().x(), r.height() * 0.72), QPointF(r.center().x() - 10, r.bottom()));
    Fill(p, color, 4);
    p.drawEllipse(QRectF(r.width() * 0.18, r.height() * 0.04, r.width() * 0.64, r.height() * 0.64));
    p.drawPolygon(QPolygonF{{r.center().x() - 12, r.height() * 0.74},
                            {r.center().x() + 12, r.height() * 0.74},
                            {r.center().x(), r.height() * 0.67}});
    Fill(p, QColor(255, 255, 255, 150), 0);
    p.drawEllipse(QRectF(r.width() * 0.3, r.height() * 0.14, r.width() * 0.12, r.height() * 0.16));
}

void Cloud(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    const qreal w = r.width(), h = r.height();
    for (const QRectF& puff : {QRectF(0.05 * w, 0.35 * h, 0.4 * w, 0.5 * h),
                               QRectF(0.25 * w, 0.12 * h, 0.45 * w, 0.6 * h),
                               QRectF(0.5 * w, 0.3 * h, 0.44 * w, 0.55 * h)}) {
        QPainterPath ellipse;
        ellipse.addEllipse(puff);
        path = path.united(ellipse);
    }
    p.setPen(QPen(QColor(150, 180, 210), 5));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void Sun(QPainter& p, const QRectF& r)
{
    const QPointF c = r.center();
    p.setPen(QPen(QColor(255, 170, 0), 10, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 12; ++ray) {
        const qreal angle = ray * M_PI / 6;
        const QPointF unit(std::cos(angle), std::sin(angle));
        p.drawLine(c + unit * r.width() * 0.32, c + unit * r.width() * 0.46);
    }
    Fill(p, QColor(255, 214, 40), 5);
    p.drawEllipse(c, r.width() * 0.27, r.width() * 0.27);
    Fill(p, QColor(90, 60, 20), 0);
    p.drawEllipse(c + QPointF(-22, -12), 7, 9);
    p.drawEllipse(c + QPointF(22, -12), 7, 9);
    p.setPen(QPen(QColor(200, 80, 40), 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 30, c.y() - 10, 60, 40), 200 * 16, 140 * 16);
}

void Block(QPainter& p, const QRectF& r, const QColor& color, const QString& letter)
{
    const QRectF face = r.adjusted(20, 40, -40, -20);
    Fill(p, color.darker(130), 3);
    p.drawPolygon(QPolygonF{face.topLeft(), face.topLeft() + QPointF(20, -20),
                            face.topRight() + QPointF(20, -20), face.topRight()});
    p.drawPolygon(QPolygonF{face.topRight(), face.topRight() + QPointF(20, -20),
                            face.bottomRight() + QPointF(20, -20), face.bottomRight()});
    Fill(p, color, 3);
    p.drawRect(face);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(int(face.height() * 0.7));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(face, Qt::AlignCenter, letter);
}

void Crayon(QPainter& p, const QRectF& r, const QColor& color)
{
    p.translate(r.center());
    p.rotate(-35);
    const qreal length = r.width() * 0.8;
    Fill(p, color, 3);
    p.drawRect(QRectF(-length / 2, -22, length * 0.8, 44));
    p.drawPolygon(QPolygonF{{length * 0.3, -22}, {length / 2, 0}, {length * 0.3, 22}});
    Fill(p, color.lighter(140), 0);
    p.drawRect(QRectF(-length / 2 + 30, -22, 24, 44));
    p.drawRect(QRectF(length * 0.15, -22, 24, 44));
}

void Banner(QPainter& p, const QRectF& r, const QString& text, const QColor& color)
{
    const QRectF band = r.adjusted(40, 20, -40, -20);
    Fill(p, color.darker(130), 3);
    for (int side : {-1, 1}) {   // the ribbon's ends, folded behind
        const qreal x = side < 0 ? r.left() + 6 : r.right() - 6;
        const qreal inner = side < 0 ? band.left() + 30 : band.right() - 30;
        p.drawPolygon(QPolygonF{{inner, band.top() + 20}, {x, band.top() + 20},
                                {x + side * -24, band.center().y() + 20}, {x, band.bottom() + 14},
                                {inner, band.bottom() + 14}});
    }
    Fill(p, color, 4);
    p.drawRoundedRect(band, 16, 16);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    // The words fill the band's height unless they are too long for its width.
    font.setPixelSize(int(band.height() * 0.5));
    const qreal wide = QFontMetricsF(font).horizontalAdvance(text);
    if (wide > band.width() - 60)
        font.setPixelSize(int(font.pixelSize() * (band.width() - 60) / wide));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, text);
}

// A frame around a transparent middle, the border made of `motif` repeated.
void Border(QPainter& p, const QRectF& r, const std::function<void(QPainter&, QPointF)>& motif)
{
    constexpr qreal kStep = 48;
    for (qreal x = r.left() + 24; x < r.right(); x += kStep) {
        motif(p, QPointF(x, r.top() + 24));
        motif(p, QPointF(x, r.bottom() - 24));
    }
    for (qreal y = r.top() + 24 + kStep; y < r.bottom() - kStep; y += kStep) {
        motif(p, QPointF(r.left() + 24, y));
        motif(p, QPointF(r.right() - 24, y));
    }
}

void Corner(QPainter& p, const QRectF& r, const QColor& color, bool stars)
{
    p.setPen(QPen(color.darker(130), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(r.width() - 20, 20));
    p.drawLine(QPointF(20, 20), QPointF(20, r.height() - 20));
    for (int i = 0; i < 3; ++i) {
        const QPointF at(40 + i * 60, 40 + (2 - i) * 0);
        const QPointF down(40, 40 + i * 60);
        if (stars) {
            Fill(p, color, 3);
            p.drawPath(StarPath(at + QPointF(10, 10), 26, 11, 5));
            p.drawPath(StarPath(down + QPointF(10, 10), 26, 11, 5));
        } else {
            Fill(p, color, 3);
            p.drawEllipse(at + QPointF(10, 10), 18, 18);
            p.drawEllipse(down + QPointF(10, 10), 18, 18);
            Fill(p, QColor(255, 220, 60), 0);
            p.drawEllipse(at + QPointF(10, 10), 7, 7);
            p.drawEllipse(down + QPointF(10, 10), 7, 7);
        }
    }
}

void Snowman(QPainter& p, const QRectF& r)
{
    const qreal x = r.center().x();
    Fill(p, Qt::white, 4);
    p.setPen(QPen(QColor(150, 180, 210), 4));
    p.drawEllipse(QPointF(x, r.height() * 0.72), 68, 66);
    p.drawEllipse(QPointF(x, r.height() * 0.36), 50, 48);
    Fill(p, QColor(30, 30, 30), 0);
    p.drawRect(QRectF(x - 48, r.height() * 0.13, 96, 12));
    p.drawRect(QRectF(x - 32, r.height() * 0.01, 64, 50));
    p.drawEllipse(QPointF(x - 18, r.height() * 0.33), 6, 6);
    p.drawEllipse(QPointF(x + 18, r.height() * 0.33), 6, 6);
    Fill(p, QColor(255, 130, 0), 0);
    p.drawPolygon(QPolygonF{{x, r.height() * 0.37}, {x + 40, r.height() * 0.4},
                            {x, r.height() * 0.41}});
    Fill(p, QColor(220, 40, 40), 0);
    p.drawRect(QRectF(x - 56, r.height() * 0.5, 112, 16));
}

void Pumpkin(QPainter& p, const QRectF& r)
{
    Fill(p, QColor(60, 130, 40), 3);
    p.drawRect(QRectF(r.center().x() - 8, r.height() * 0.12, 16, 40));
    Fill(p, QColor(250, 140, 20), 4);
    for (qreal dx : {-50.0, 50.0, 0.0})
        p.drawEllipse(QPointF(r.center().x() + dx, r.height() * 0.58), 62, 78);
}

void Leaf(QPainter& p, const QRectF& r, const QColor& color)
{
    QPainterPath leaf(QPointF(r.width() * 0.15, r.height() * 0.85));
    leaf.cubicTo(r.width() * 0.1, r.height() * 0.3, r.width() * 0.5, r.height() * 0.1,
                 r.width() * 0.88, r.height() * 0.12);
    leaf.cubicTo(r.width() * 0.85, r.height() * 0.55, r.width() * 0.6, r.height() * 0.9,
                 r.width() * 0.15, r.height() * 0.85);
    Fill(p, color, 4);
    p.drawPath(leaf);
    p.setPen(QPen(color.darker(160), 4));
    p.drawLine(QPointF(r.width() * 0.1, r.height() * 0.92), QPointF(r.width() * 0.8, r.height() * 0.2));
}

void Flower(QPainter& p, const QRectF& r, const QColor& petals)
{
    const QPointF c(r.center().x(), r.height() * 0.38);
    p.setPen(QPen(QColor(60, 140, 50), 10));
    p.drawLine(c, QPointF(c.x(), r.bottom() - 6));
    Fill(p, petals, 3);
    for (int i = 0; i < 6; ++i) {
        const qreal angle = i * M_PI / 3;
        p.drawEllipse(c + QPointF(std::cos(angle), std::sin(angle)) * 46, 30, 30);
    }
    Fill(p, QColor(255, 210, 40), 3);
    p.drawEllipse(c, 28, 28);
}

void Snowflake(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(80, 160, 230), 9, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = r.center();
    for (int arm = 0; arm < 6; ++arm) {
        p.save();
        p.translate(c);
        p.rotate(arm * 60);
        p.drawLine(QPointF(0, 0), QPointF(0, -r.height() * 0.44));
        p.drawLine(QPointF(0, -r.height() * 0.28), QPointF(-22, -r.height() * 0.38));
        p.drawLine(QPointF(0, -r.height() * 0.28), QPointF(22, -r.height() * 0.38));
        p.restore();
    }
}

void Rainbow(QPainter& p, const QRectF& r)
{
    const QColor bands[] = {QColor(230, 50, 50), QColor(255, 150, 0), QColor(250, 220, 40),
                            QColor(80, 180, 70), QColor(40, 140, 230), QColor(130, 70, 190)};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(bands[i], 20, Qt::SolidLine, Qt::FlatCap));
        const qreal inset = 20 + i * 20;
        p.drawArc(QRectF(inset, inset, r.width() - 2 * inset, (r.height() - inset) * 2 - 20),
                  0, 180 * 16);
    }
}

void Gift(QPainter& p, const QRectF& r)
{
    Fill(p, QColor(70, 160, 230), 4);
    p.drawRect(QRectF(40, 100, r.width() - 80, r.height() - 130));
    Fill(p, QColor(230, 60, 90), 0);
    p.drawRect(QRectF(r.center().x() - 14, 100, 28, r.height() - 130));
    p.drawRect(QRectF(40, 150, r.width() - 80, 26));
    Fill(p, QColor(230, 60, 90), 3);
    p.drawEllipse(QPointF(r.center().x() - 36, 80), 36, 22);
    p.drawEllipse(QPointF(r.center().x() + 36, 80), 36, 22);
}

void Apple(QPainter& p, const QRectF& r)
{
    Fill(p, QColor(120, 80, 40), 0);
    p.drawRect(QRectF(r.center().x() - 5, 30, 10, 40));
    QPainterPath left, right;
    left.addEllipse(QPointF(r.center().x() - 30, r.height() * 0.6), 66, 80);
    right.addEllipse(QPointF(r.center().x() + 30, r.height() * 0.6), 66, 80);
    Fill(p, QColor(220, 40, 40), 4);
    p.drawPath(left.united(right));
    Leaf(p, QRectF(r.center().x(), 10, 80, 70), QColor(90, 180, 60));
}

void Butterfly(QPainter& p, const QRectF& r)
{
    const QPointF c = r.center();
    Fill(p, QColor(170, 90, 220), 4);
    p.drawEllipse(c + QPointF(-55, -40), 55, 50);
    p.drawEllipse(c + QPointF(55, -40), 55, 50);
    Fill(p, QColor(250, 150, 200), 4);
    p.drawEllipse(c + QPointF(-45, 45), 40, 38);
    p.drawEllipse(c + QPointF(45, 45), 40, 38);
    Fill(p, QColor(60, 40, 40), 0);
    p.drawRoundedRect(QRectF(c.x() - 10, c.y() - 80, 20, 170), 10, 10);
}

void Kite(QPainter& p, const QRectF& r)
{
    const QPointF c(r.center().x(), r.height() * 0.35);
    Fill(p, QColor(250, 80, 80), 4);
    p.drawPolygon(QPolygonF{c + QPointF(0, -80), c + QPointF(62, 0), c + QPointF(0, 100),
                            c + QPointF(-62, 0)});
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath tail(c + QPointF(0, 100));
    tail.cubicTo(c + QPointF(-40, 140), c + QPointF(40, 160), c + QPointF(-10, r.height() * 0.6));
    p.drawPath(tail);
}

const std::vector<Material>& Materials()
{
    const QSize square(256, 256), banner(640, 180), frame(640, 480), corner(220, 220);
    static const std::vector<Material> materials{
        {"Border Dots.png", frame,
         [](QPainter& p, const QRectF& r) {
             int i = 0;
             const QColor colors[] = {QColor(235, 64, 52), QColor(253, 200, 40),
                                      QColor(41, 182, 246), QColor(102, 187, 106)};
             Border(p, r, [&](QPainter& q, QPointF at) {
                 Fill(q, colors[i++ % 4], 2);
                 q.drawEllipse(at, 18, 18);
             });
         }},
        {"Border Stars.png", frame,
         [](QPainter& p, const QRectF& r) {
             Border(p, r, [](QPainter& q, QPointF at) {
                 Fill(q, QColor(255, 200, 30), 2);
                 q.drawPath(StarPath(at, 22, 9, 5));
             });
         }},
        {"Border Hearts.png", frame,
         [](QPainter& p, const QRectF& r) {
             Border(p, r, [](QPainter& q, QPointF at) {
                 Fill(q, QColor(236, 64, 122), 2);
                 q.drawPath(HeartPath(QRectF(at - QPointF(20, 18), QSizeF(40, 38))));
             });
         }},
        {"Border Crayon Lines.png", frame,
         [](QPainter& p, const QRectF& r) {
             const QColor colors[] = {QColor(235, 64, 52), QColor(255, 167, 38),
                                      QColor(102, 187, 106), QColor(92, 107, 192)};
             p.setBrush(Qt::NoBrush);
             for (int i = 0; i < 4; ++i) {
                 p.setPen(QPen(colors[i], 8, Qt::SolidLine, Qt::RoundCap));
                 p.drawRoundedRect(r.adjusted(8 + i * 11, 8 + i * 11, -8 - i * 11, -8 - i * 11),
                                   24, 24);
             }
         }},
        {"Frame Corner Flowers.png", corner,
         [](QPainter& p, const QRectF& r) { Corner(p, r, QColor(236, 64, 122), false); }},
        {"Frame Corner Stars.png", corner,
         [](QPainter& p, const QRectF& r) { Corner(p, r, QColor(255, 190, 30), true); }},
        {"Balloon Red.png", square,
         [](QPainter& p, const QRectF& r) { Balloon(p, r, QColor(230, 50, 50)); }},
        {"Balloon Blue.png", square,
         [](QPainter& p, const QRectF& r) { Balloon(p, r, QColor(40, 140, 230)); }},
        {"Balloon Yellow.png", square,
         [](QPainter& p, const QRectF& r) { Balloon(p, r, QColor(250, 210, 40)); }},
        {"Sun.png", square, [](QPainter& p, const QRectF& r) { Sun(p, r); }},
        {"Cloud.png", QSize(320, 200), [](QPainter& p, const QRectF& r) { Cloud(p, r); }},
        {"Rainbow.png", QSize(400, 220), [](QPainter& p, const QRectF& r) { Rainbow(p, r); }},
        {"Star Gold.png", square,
         [](QPainter& p, const QRectF& r) { Star(p, r, QColor(255, 200, 30)); }},
        {"Star Pink.png", square,
         [](QPainter& p, const QRectF& r) { Star(p, r, QColor(250, 120, 190)); }},
        {"Heart Red.png", square,
         [](QPainter& p, const QRectF& r) { Heart(p, r, QColor(220, 40, 60)); }},
        {"Heart Pink.png", square,
         [](QPainter& p, const QRectF& r) { Heart(p, r, QColor(250, 150, 190)); }},
        {"Block A.png", square,
         [](QPainter& p, const QRectF& r) { Block(p, r, QColor(235, 64, 52), QStringLiteral("A")); }},
        {"Block B.png", square,
         [](QPainter& p, const QRectF& r) { Block(p, r, QColor(41, 150, 230), QStringLiteral("B")); }},
        {"Block C.png", square,
         [](QPainter& p, const QRectF& r) { Block(p, r, QColor(90, 170, 70), QStringLiteral("C")); }},
        {"Crayon Red.png", square,
         [](QPainter& p, const QRectF& r) { Crayon(p, r, QColor(230, 50, 50)); }},
        {"Crayon Blue.png", square,
         [](QPainter& p, const QRectF& r) { Crayon(p, r, QColor(50, 110, 220)); }},
        {"Crayon Green.png", square,
         [](QPainter& p, const QRectF& r) { Crayon(p, r, QColor(60, 170, 70)); }},
        {"Snowman.png", square, [](QPainter& p, const QRectF& r) { Snowman(p, r); }},
        {"Snowflake.png", square, [](QPainter& p, const QRectF& r) { Snowflake(p, r); }},
        {"Pumpkin.png", square, [](QPainter& p, const QRectF& r) { Pumpkin(p, r); }},
        {"Flower.png", square,
         [](QPainter& p, const QRectF& r) { Flower(p, r, QColor(236, 64, 122)); }},
        {"Leaf Autumn.png", square,
         [](QPainter& p, const QRectF& r) { Leaf(p, r, QColor(230, 120, 30)); }},
        {"Leaf Spring.png", square,
         [](QPainter& p, const QRectF& r) { Leaf(p, r, QColor(100, 190, 70)); }},
        {"Apple.png", square, [](QPainter& p, const QRectF& r) { Apple(p, r); }},
        {"Gift.png", square, [](QPainter& p, const QRectF& r) { Gift(p, r); }},
        {"Butterfly.png", square, [](QPainter& p, const QRectF& r) { Butterfly(p, r); }},
        {"Kite.png", square, [](QPainter& p, const QRectF& r) { Kite(p, r); }},
        {"Banner Welcome.png", banner,
         [](QPainter& p, const QRectF& r) {
             Banner(p, r, QStringLiteral("Welcome"), QColor(41, 150, 230));
         }},
        {"Banner Happy Birthday.png", banner,
         [](QPainter& p, const QRectF& r) {
             Banner(p, r, QStringLiteral("Happy Birthday"), QColor(236, 64, 122));
         }},
        {"Banner Notice.png", banner,
         [](QPainter& p, const QRectF& r) {
             Banner(p, r, QStringLiteral("Notice"), QColor(245, 140, 20));
         }},
    };
    return materials;
}

const Material* Find(const QString& fileName)
{
    for (const Material& material : Materials())
        if (fileName == QLatin1String(material.name))
            return &material;
    return nullptr;
}

bool HoldsPictures(const QString& folder)
{
    return !PhotoFiles::ListFolder(folder, QString::fromLatin1(PhotoFiles::kListExtensions))
                .empty();
}

} // namespace

QStringList FileNames()
{
    QStringList names;
    for (const Material& material : Materials())
        names.append(QString::fromLatin1(material.name));
    return names;
}

QImage Draw(const QString& fileName)
{
    const Material* material = Find(fileName);
    if (!material)
        return {};
    QImage image(material->size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    material->paint(painter, QRectF(QPointF(0, 0), QSizeF(material->size)));
    painter.end();
    return image;
}

int WriteMissing(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return -1;
    const QDir dir(folder);
    int written = 0;
    for (const QString& name : FileNames()) {
        const QString path = dir.filePath(name);
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            continue;
        if (!ImageFiles::Write(Draw(name), path))
            return -1;
        ++written;
    }
    return written;
}

bool GiveOnFirstUse(const QString& folder)
{
    const QString marker = QDir(folder).filePath(QString::fromLatin1(kGivenMarker));
    if (QFileInfo::exists(marker) || HoldsPictures(folder))
        return true;
    if (WriteMissing(folder) < 0)
        return false;
    QSaveFile file(marker);
    return file.open(QIODevice::WriteOnly)
           && file.write("Tendrel gave this folder its page materials once.\n") > 0
           && file.commit();
}

} // namespace PageMaterials
