#include "canvas/objects/TextLayout.h"

#include <QFontMetricsF>
#include <algorithm>

namespace {
constexpr int kMaximumFontPixels = 4096;
constexpr double kBoldWidening = 1.25;
}

QFont PageFont(const QString& family, int pixelSize, bool bold, bool italic, bool underline)
{
    QFont font(family);
    font.setPixelSize(std::clamp(pixelSize, 1, kMaximumFontPixels));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

TextBlock BuildTextBlock(const QString& text, const QFont& font, const QPointF& origin)
{
    TextBlock block;
    if (text.isEmpty())
        return block;
    const QFontMetricsF metrics(font);
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList lines = unified.split(u'\n');
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const double boxWidth = font.bold() ? widest * kBoldWidening : widest;
    block.box = QRectF(origin, QSizeF(boxWidth, metrics.lineSpacing() * lines.size()));

    double baseline = origin.y() + metrics.ascent();
    for (const QString& line : lines) {
        const double x = origin.x() + (boxWidth - metrics.horizontalAdvance(line)) / 2;
        block.path.addText(QPointF(x, baseline), font, line);
        baseline += metrics.lineSpacing();
    }
    return block;
}

QStringList SplitCharacters(const QString& text)
{
    QStringList characters;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() &&
                          text[i + 1].isLowSurrogate();
        characters.append(text.mid(i, pair ? 2 : 1));
        if (pair)
            ++i;
    }
    return characters;
}
