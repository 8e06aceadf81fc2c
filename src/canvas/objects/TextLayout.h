#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QStringList>

// A font sized in page units for text and calendars; a damaged document's size is kept
// within what the font engine can draw.
QFont PageFont(const QString& family, int pixelSize, bool bold, bool italic,
               bool underline = false);

// Text turned into one outline, as the outlined styles fill and stroke it.
struct TextBlock
{
    QPainterPath path;
    QRectF box; // the measured text; a quarter wider for bold text
};

// The lines of `text` centred on each other in a box whose top-left is `origin`.
TextBlock BuildTextBlock(const QString& text, const QFont& font, const QPointF& origin);

// The characters one by one, a surrogate pair kept together.
QStringList SplitCharacters(const QString& text);
