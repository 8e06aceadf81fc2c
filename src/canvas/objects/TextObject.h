#pragma once

#include "canvas/objects/DiagramObject.h"

// A block of text: headlines, captions and newsletter paragraphs.
class CTextObject : public CDiagramObject
{
public:
    static constexpr int kJustified = 72;

    CTextObject();
    CTextObject(const CPageRect& rect, const QString& text);
    CTextObject(const CTextObject& other) = default;

    std::unique_ptr<CDiagramObject> Clone() const override;

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
};
