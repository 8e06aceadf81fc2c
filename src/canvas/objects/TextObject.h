#pragma once

#include "canvas/objects/PageObject.h"

#include <QFont>

// A block of text: headlines, captions and newsletter paragraphs.
class TextObject : public PageObject
{
public:
    static constexpr int kJustified = 72;

    TextObject();
    TextObject(const PageRect& rect, const QString& text);
    TextObject(const TextObject& other) = default;

    std::unique_ptr<PageObject> Clone() const override;
    // Bent text squares a low, wide rectangle and the double outline fits the rectangle
    // to the text, so painting may change m_rect (and m_nOutlineWidth).
    void DrawContent(QPainter& painter, const DrawContext& context) override;

    static constexpr int kPlain = 1;
    static constexpr int kOutlined = 2;
    static constexpr int kDoubleOutlined = 4;
    static constexpr int kArt = 5;

    // The font of the object: face, size in page units and the style bits.
    QFont Font(bool underline) const;

    QString m_strText;
    int m_nTextStyle = 1;
    int m_nTextEffect = 0;
    int m_nTextOption5 = 3;
    int m_bBold = 0;
    int m_bItalic = 0;
    int m_bUnderline = 0;
    int m_nAlign = 0;
    int m_nFontSize = 16;
    QString m_strFontName = QStringLiteral("Arial");
    int m_nTextOption4 = 0;
    int m_nOutlineWidth = 1;
    ColorRef m_crOutline2 = Rgb(255, 255, 0);
    std::uint8_t m_nTextFillAlpha = 255;

private:
    void DrawPlain(QPainter& painter);
    void DrawStraight(QPainter& painter);
    void DrawBent(QPainter& painter);
    void DrawOutlined(QPainter& painter);
    void DrawDoubleOutlined(QPainter& painter);

    struct OutlinedText;
    OutlinedText LayOutOutlined(bool alignInRect) const;
    void PaintHardShadow(QPainter& painter, OutlinedText& text) const;
    QBrush GradientOver(const QRectF& box) const;
};
