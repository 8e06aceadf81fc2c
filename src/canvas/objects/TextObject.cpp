#include "canvas/objects/TextObject.h"

#include "canvas/objects/BentText.h"
#include "canvas/objects/FillStyles.h"
#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/Rotation.h"
#include "canvas/objects/TextArt.h"
#include "canvas/objects/TextLayout.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// A damaged document may hold any width; wider than this only buries the letters.
constexpr int kWidestOutline = 500;

// `start` plus the integer part of `length`, kept within int on a damaged page.
int SaturatedSum(int start, double length)
{
    const double sum = double(start) + std::trunc(length);
    return int(std::clamp(sum, double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}
}

// The text laid out as one outline for the outlined styles.
struct TextObject::OutlinedText
{
    QPainterPath path;
    QRectF box;
    QTransform turn;
};

// Text takes no number from the persistent counter.
TextObject::TextObject() : PageObject(ObjectType::Text, ObjectIdentity::NewLocal(u'T'))
{
    m_crFill = Rgb(255, 255, 255);
    m_nPattern = 2;
}

TextObject::TextObject(const PageRect& rect, const QString& text) : TextObject()
{
    m_rect = rect;
    m_strText = text;
}

std::unique_ptr<PageObject> TextObject::Clone() const
{
    return std::make_unique<TextObject>(*this);
}

QFont TextObject::Font(bool underline) const
{
    return PageFont(m_strFontName, m_nFontSize, m_bBold, m_bItalic, underline);
}

void TextObject::DrawContent(QPainter& painter, const DrawContext&)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    switch (m_nTextStyle) {
    case kPlain: DrawPlain(painter); break;
    case kOutlined: DrawOutlined(painter); break;
    case kDoubleOutlined: DrawDoubleOutlined(painter); break;
    case kArt:
        TextArt::Paint(painter, m_strText, Font(m_bUnderline), m_rect.ToRectF(), m_nTextEffect,
                       m_nAngle, &ShadowLayer());
        break;
    default: break;
    }
    painter.restore();
}

void TextObject::DrawPlain(QPainter& painter)
{
    if (BentText::IsBent(m_nTextEffect))
        DrawBent(painter);
    else
        DrawStraight(painter);
}

void TextObject::DrawStraight(QPainter& painter)
{
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    switch (m_nAlign) {
    case 1: flags |= Qt::AlignHCenter; break;
    case 2: flags |= Qt::AlignRight; break;
    // Justified lines fill the width; the last line stays at the near side.
    case kJustified: flags |= Qt::AlignJustify; break;
    default: flags |= Qt::AlignLeft; break;
    }
    const QRectF layout = m_rect.ToRectF();
    painter.setTransform(RotationAbout(layout.center(), m_nAngle), true);
    painter.setFont(Font(m_bUnderline && m_nAlign != kJustified));
    painter.setPen(ToQColor(m_crLine));
    painter.drawText(layout, flags, m_strText);
}

void TextObject::DrawBent(QPainter& painter)
{
    // Bending needs room above and below: a low, wide box becomes square, for good.
    if (m_rect.Height() < m_rect.Width() / 2.0)
        m_rect.bottom = m_rect.top + m_rect.Width();
    const QStringList characters = SplitCharacters(m_strText);
    const QRectF rect = m_rect.ToRectF();
    if (m_nTextEffect <= 2) {
        BentText::DrawCharacters(painter, characters,
                                 BentText::OnCircle(m_nTextEffect, rect, int(characters.size())),
                                 Font(m_bUnderline), ToQColor(m_crLine));
        return;
    }
    const QPainterPath curve = BentText::Baseline(m_nTextEffect, rect);
    const QFont font = BentText::FittedToCurve(Font(m_bUnderline), curve, characters);
    BentText::DrawCharacters(painter, characters, BentText::AlongCurve(curve, characters, font),
                             font, ToQColor(m_crLine));
}

TextObject::OutlinedText TextObject::LayOutOutlined(bool alignInRect) const
{
    OutlinedText text;
    QPointF origin(m_rect.left, m_rect.top);
    TextBlock block = BuildTextBlock(m_strText, Font(m_bUnderline), origin);
    if (alignInRect) {
        // Top for near alignment, bottom for far, the middle otherwise.
        const double spare = m_rect.Height() - block.box.height();
        const double down = m_nAlign == 0 ? 0 : m_nAlign == 2 ? spare : spare / 2;
        block.path.translate(0, down);
        block.box.translate(0, down);
    }
    text.path = block.path;
    text.box = block.box;
    text.turn = RotationAbout(text.box.center(), m_nAngle);
    return text;
}

void TextObject::PaintHardShadow(QPainter& painter, OutlinedText& text) const
{
    if (m_nShadowType != ShadowType::Hard)
        return;
    // The shadow keeps the laid-out place; the letters move up and left of it.
    painter.fillPath(text.turn.map(text.path), ToQColor(m_crShadow));
    text.path.translate(-m_nShadowDX, -m_nShadowDY);
}

QBrush TextObject::GradientOver(const QRectF& box) const
{
    QColor from = ToQColor(m_crLine), to = ToQColor(m_crFill);
    if (m_nGradientStyle == 2)
        std::swap(from, to);
    std::optional<GradientBlend> blend;
    if (m_nGradientStyle == 4)
        blend = GradientBlend{1.0, 0.5, 0.0};
    return QBrush(MakeLinearGradient(
        {box, GradientDirectionFromOption(m_nPattern), from, to, blend, true}));
}

void TextObject::DrawOutlined(QPainter& painter)
{
    OutlinedText text = LayOutOutlined(true);
    if (text.path.isEmpty())
        return;
    PaintHardShadow(painter, text);
    const QPainterPath letters = text.turn.map(text.path);
    const QBrush inside = m_nFillType == FillType::Gradient ? GradientOver(text.box)
                                                            : QBrush(ToQColor(m_crFill));
    painter.fillPath(letters, inside);
    painter.strokePath(letters, OutlinePen(m_crLine, std::min(m_nOutlineWidth, kWidestOutline), 0));
}

void TextObject::DrawDoubleOutlined(QPainter& painter)
{
    m_nOutlineWidth = std::max(m_nOutlineWidth, 3);
    // The rectangle follows the text, so the text always starts at its corner.
    OutlinedText text = LayOutOutlined(false);
    if (text.path.isEmpty())
        return;
    PaintHardShadow(painter, text);
    const QPainterPath letters = text.turn.map(text.path);
    const int width = std::min(m_nOutlineWidth, kWidestOutline);
    painter.strokePath(letters, OutlinePen(m_crOutline2, 3 * width, 0));
    painter.strokePath(letters, OutlinePen(m_crLine, width, 0));
    const QBrush inside = m_nFillType == FillType::Gradient
                              ? GradientOver(text.box)
                              : QBrush(ToQColor(m_crFill, m_nTextFillAlpha));
    painter.fillPath(letters, inside);
    m_rect.right = SaturatedSum(m_rect.left, text.box.width());
    m_rect.bottom = SaturatedSum(m_rect.top, text.box.height());
}
