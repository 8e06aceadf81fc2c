#pragma once

#include "canvas/objects/PageObject.h"

class QFont;

// One glyph of a symbol font scaled into its rectangle.
class SymbolObject : public PageObject
{
public:
    SymbolObject();
    SymbolObject(const SymbolObject& other) = default;

    std::unique_ptr<PageObject> Clone() const override;
    void DrawContent(QPainter& painter, const DrawContext& context) override;

    // The glyph's size in pixels: the smaller side, but never below 6.
    static int FontPixelSize(const PageRect& rect);
    // The symbol font, or the default family when it is not installed.
    QFont SymbolFont() const;

    ColorRef m_crSymbol = Rgb(0, 128, 0);
    QString m_strSymbolFont = QStringLiteral("Wingdings");
    int m_nSymbolChar = 150;
};
