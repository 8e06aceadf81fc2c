#include "canvas/objects/photo/Frames.h"

#include "canvas/objects/photo/PixelRows.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace PhotoFrames {
namespace {

enum class Pattern { Bevel, Metal, Wood, Stripes, Dots, Checker, DoubleLine, Solid };

struct Material
{
    const char* name;
    QRgb base;
    QRgb accent;
    Pattern pattern;
};

constexpr std::array<Material, kMaterialCount> kMaterials{{
    {"Walnut", 0x5a3a22, 0x3e2715, Pattern::Wood},
    {"Oak", 0xb8894f, 0x94683a, Pattern::Wood},
    {"Gold", 0xc9a43a, 0xf7e7a1, Pattern::Metal},
    {"Silver", 0xa9adb3, 0xf2f4f7, Pattern::Metal},
    {"Ebony", 0x202020, 0x3a3a3a, Pattern::Bevel},
    {"Ivory", 0xf4efe1, 0xd8d0bb, Pattern::Bevel},
    {"Cherry red", 0x9e1b24, 0xd8424c, Pattern::Bevel},
    {"Candy stripes", 0xffffff, 0xe0457b, Pattern::Stripes},
    {"Grass stripes", 0xd9f0c2, 0x4f9a2e, Pattern::Stripes},
    {"Sky dots", 0x6fb7e8, 0xffffff, Pattern::Dots},
    {"Sunshine dots", 0xffd23f, 0xff7f11, Pattern::Dots},
    {"Picnic check", 0xffffff, 0xd32f2f, Pattern::Checker},
    {"Chalkboard", 0x2f4f3a, 0xe8e8e0, Pattern::DoubleLine},
    {"Navy double line", 0x1f3b73, 0xf0c040, Pattern::DoubleLine},
    {"Crayon purple", 0x7b4fa3, 0x7b4fa3, Pattern::Solid},
    {"Paper white", 0xffffff, 0xcfcfcf, Pattern::DoubleLine},
}};

void PaintWood(QPainter& painter, const QRect& outer, int band, const QColor& accent)
{
    // Wavy grain lines a few pixels apart.
    painter.setPen(QPen(accent, std::max(1, band / 10)));
    const int gap = std::max(3, band / 4);
    for (int y = outer.top(); y <= outer.bottom() + gap; y += gap) {
        QPainterPath grain;
        grain.moveTo(outer.left(), y);
        for (int x = outer.left(); x <= outer.right(); x += 4)
            grain.lineTo(x, y + std::sin(x / 23.0 + y) * gap / 3.0);
        painter.drawPath(grain);
    }
    for (int x = outer.left(); x <= outer.right() + gap; x += gap)
        painter.drawLine(x, outer.top(), x, outer.top() + band);
}

void PaintBevel(QPainter& painter, const QRect& outer, int band, const QColor& base)
{
    const QPointF a = outer.topLeft(), b = QPointF(outer.right() + 1, outer.top());
    const QPointF c = QPointF(outer.right() + 1, outer.bottom() + 1), d = QPointF(outer.left(), outer.bottom() + 1);
    const QPointF ia = a + QPointF(band, band), ib = b + QPointF(-band, band);
    const QPointF ic = c + QPointF(-band, -band), id = d + QPointF(band, -band);
    painter.setPen(Qt::NoPen);
    painter.setBrush(base.lighter(140));
    painter.drawPolygon(QPolygonF{a, b, ib, ia});
    painter.drawPolygon(QPolygonF{a, ia, id, d});
    painter.setBrush(base.darker(150));
    painter.drawPolygon(QPolygonF{d, id, ic, c});
    painter.drawPolygon(QPolygonF{b, c, ic, ib});
}

void PaintPattern(QPainter& painter, const Material& material, const QRect& outer, int band)
{
    const QColor base = QColor::fromRgb(material.base), accent = QColor::fromRgb(material.accent);
    painter.fillRect(outer, base);
    switch (material.pattern) {
    case Pattern::Bevel: PaintBevel(painter, outer, band, base); break;
    case Pattern::Metal: {
        QLinearGradient shine(outer.topLeft(), outer.bottomRight());
        for (int i = 0; i <= 6; ++i)
            shine.setColorAt(i / 6.0, i % 2 ? accent : base);
        painter.fillRect(outer, shine);
        PaintBevel(painter, outer, std::max(1, band / 4), base);
        break;
    }
    case Pattern::Wood: PaintWood(painter, outer, band, accent); break;
    case Pattern::Stripes: {
        painter.setPen(QPen(accent, std::max(1, band / 6)));
        const int gap = std::max(4, band / 2);
        for (int x = outer.left() - outer.height(); x <= outer.right(); x += gap)
            painter.drawLine(x, outer.bottom() + 1, x + outer.height(), outer.top());
        break;
    }
    case Pattern::Dots: {
        painter.setPen(Qt::NoPen);
        painter.setBrush(accent);
        const double r = std::max(1.0, band / 5.0);
        for (int y = outer.top() + band / 2; y <= outer.bottom(); y += band / 2 + 1)
            for (int x = outer.left() + band / 2; x <= outer.right(); x += band / 2 + 1)
                painter.drawEllipse(QPointF(x, y), r, r);
        break;
    }
    case Pattern::Checker: {
        const int cell = std::max(2, band / 3);
        for (int y = outer.top(); y <= outer.bottom(); y += cell)
            for (int x = outer.left(); x <= outer.right(); x += cell)
                if (((x - outer.left()) / cell + (y - outer.top()) / cell) % 2)
                    painter.fillRect(QRect(x, y, cell, cell), accent);
        break;
    }
    case Pattern::DoubleLine: {
        painter.setPen(QPen(accent, std::max(1, band / 8)));
        painter.setBrush(Qt::NoBrush);
        for (int inset : {band / 4, band * 3 / 4})
            painter.drawRect(QRectF(outer).adjusted(inset, inset, -inset, -inset));
        break;
    }
    case Pattern::Solid: break;
    }
    // A fine shadow line where the frame meets the picture.
    painter.setPen(QPen(base.darker(170), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outer.adjusted(band, band, -band - 1, -band - 1));
}

} // namespace

QString MaterialName(int material)
{
    if (material < 0 || material >= kMaterialCount)
        return {};
    return QString::fromLatin1(kMaterials[size_t(material)].name);
}

int BandWidth(QSize picture)
{
    return std::max(2, std::min(picture.width(), picture.height()) / 12);
}

bool PaintFrame(QImage& bitmap, int material)
{
    if (!PhotoPixels::IsColourBitmap(bitmap) || material < 0 || material >= kMaterialCount)
        return false;
    const QRect outer = bitmap.rect();
    const int band = BandWidth(bitmap.size());
    QPainterPath frame;
    frame.setFillRule(Qt::OddEvenFill);
    frame.addRect(outer);
    frame.addRect(outer.adjusted(band, band, -band, -band));
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(frame);
    PaintPattern(painter, kMaterials[size_t(material)], outer, band);
    return true;
}

QImage Sample(int material, QSize size)
{
    QImage card(size, QImage::Format_BGR888);
    if (card.isNull())
        return {};
    card.fill(Qt::white);
    PaintFrame(card, material);
    return card;
}

} // namespace PhotoFrames
