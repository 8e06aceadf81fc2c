#include "canvas/editing/ObjectStyle.h"

#include "canvas/objects/PageObject.h"

ObjectStyle ObjectStyle::Of(const PageObject& o)
{
    return {o.m_bNoLine,     o.m_nLineStyle,    o.m_nLineWidth,    o.m_crLine,
            o.m_nLineAlpha,  o.m_nFillType,     o.m_bFill,         o.m_crFill,
            o.m_crFill2,     o.m_nFillAlpha,    o.m_nPattern,      o.m_nGradientStyle,
            o.m_nShadowType, o.m_crShadow,      o.m_nShadowAlpha,  o.m_nShadowDir,
            o.m_nShadowDX,   o.m_nShadowDY};
}

void ObjectStyle::ApplyTo(PageObject& o) const
{
    o.m_bNoLine = noLine;
    o.m_nLineStyle = lineStyle;
    o.m_nLineWidth = lineWidth;
    o.m_crLine = line;
    o.m_nLineAlpha = lineAlpha;
    o.m_nFillType = fillType;
    o.m_bFill = fill;
    o.m_crFill = fillColor;
    o.m_crFill2 = fillColor2;
    o.m_nFillAlpha = fillAlpha;
    o.m_nPattern = pattern;
    o.m_nGradientStyle = gradientStyle;
    o.m_nShadowType = shadowType;
    o.m_crShadow = shadow;
    o.m_nShadowAlpha = shadowAlpha;
    o.m_nShadowDir = shadowDir;
    o.m_nShadowDX = shadowDX;
    o.m_nShadowDY = shadowDY;
}

namespace FillPresets {
namespace {

ObjectStyle Solid(ColorRef fill, ColorRef line, int lineWidth = 1)
{
    ObjectStyle style;
    style.fillType = FillType::Solid;
    style.fill = 1;
    style.fillColor = fill;
    style.line = line;
    style.lineWidth = lineWidth;
    return style;
}

ObjectStyle Gradient(ColorRef from, ColorRef to, int gradientStyle)
{
    ObjectStyle style = Solid(to, from);
    style.fillType = FillType::Gradient;
    style.fillColor2 = from;
    style.gradientStyle = gradientStyle;
    style.noLine = 1;
    return style;
}

ObjectStyle Shadowed(ObjectStyle style, int shadowType, ColorRef shadow, int alpha)
{
    style.shadowType = shadowType;
    style.shadow = shadow;
    style.shadowAlpha = std::uint8_t(alpha);
    return style;
}

ObjectStyle SeeThrough(ObjectStyle style, int alpha)
{
    style.fillAlpha = std::uint8_t(alpha);
    return style;
}

std::array<ObjectStyle, kCount> Make()
{
    const ColorRef black = Rgb(0, 0, 0), white = Rgb(255, 255, 255), grey = Rgb(90, 90, 90);
    return {{
        // Bright solids with a dark line: name tags, labels.
        Solid(Rgb(255, 99, 71), Rgb(150, 30, 20)),
        Solid(Rgb(255, 200, 40), Rgb(170, 110, 0)),
        Solid(Rgb(120, 200, 80), Rgb(40, 110, 30)),
        Solid(Rgb(80, 170, 240), Rgb(20, 80, 160)),
        Solid(Rgb(190, 120, 230), Rgb(100, 40, 140)),
        Solid(Rgb(255, 160, 200), Rgb(190, 60, 120)),
        // Soft pastels without a line.
        SeeThrough(Solid(Rgb(255, 228, 225), white), 230),
        SeeThrough(Solid(Rgb(255, 250, 205), white), 230),
        SeeThrough(Solid(Rgb(224, 255, 224), white), 230),
        SeeThrough(Solid(Rgb(224, 240, 255), white), 230),
        // Gradients in each direction.
        Gradient(Rgb(255, 240, 120), Rgb(255, 120, 40), 1),
        Gradient(Rgb(180, 230, 255), Rgb(30, 110, 220), 5),
        Gradient(Rgb(200, 255, 180), Rgb(40, 160, 60), 9),
        Gradient(Rgb(255, 200, 230), Rgb(200, 40, 130), 13),
        Gradient(white, Rgb(150, 110, 230), 17),
        Gradient(Rgb(255, 255, 200), Rgb(240, 170, 40), 21),
        Gradient(Rgb(230, 250, 255), Rgb(0, 150, 170), 25),
        Gradient(Rgb(255, 230, 200), Rgb(200, 90, 40), 29),
        // Solids with shadows: hard, soft and glowing.
        Shadowed(Solid(Rgb(255, 215, 0), black), ShadowType::Hard, grey, 200),
        Shadowed(Solid(Rgb(135, 206, 250), Rgb(20, 80, 160)), ShadowType::Soft, grey, 160),
        Shadowed(Solid(white, Rgb(255, 140, 0), 3), ShadowType::Glow, Rgb(255, 200, 0), 200),
        Shadowed(Solid(Rgb(144, 238, 144), Rgb(30, 120, 30)), ShadowType::Hard, grey, 120),
        Shadowed(Gradient(white, Rgb(255, 105, 180), 3), ShadowType::Soft, grey, 180),
        Shadowed(Gradient(Rgb(255, 250, 220), Rgb(100, 180, 255), 7), ShadowType::Glow,
                 Rgb(120, 200, 255), 220),
        // Bold outlines on white, for colouring-in pages.
        Solid(white, black, 4),
        Solid(white, Rgb(220, 20, 60), 6),
        Solid(white, Rgb(30, 144, 255), 8),
        // Quiet greys and see-through panels for text behind.
        Solid(Rgb(240, 240, 240), Rgb(160, 160, 160)),
        SeeThrough(Solid(white, Rgb(200, 200, 200)), 150),
        SeeThrough(Solid(black, black), 90),
    }};
}

} // namespace

const std::array<ObjectStyle, kCount>& All()
{
    static const std::array<ObjectStyle, kCount> presets = Make();
    return presets;
}

} // namespace FillPresets
