#pragma once

#include "canvas/objects/DrawContext.h"
#include "canvas/objects/KeptPixels.h"
#include "canvas/objects/PageRect.h"
#include "canvas/objects/TextureImage.h"

#include <QBrush>
#include <QString>
#include <cstdint>
#include <memory>

class QPainter;
class QPainterPath;

// Type codes of the canvas objects, as documents store them.
namespace ObjectType {
constexpr int Photo = 1;
constexpr int Text = 2;
constexpr int Calendar = 3;
constexpr int Shape = 4;
constexpr int Curve = 5;
constexpr int Symbol = 8;
constexpr int Statement = 9; // the tuition statement: lives on the page, never stored
} // namespace ObjectType

namespace FillType {
constexpr int None = 0;
constexpr int Solid = 1;
constexpr int Gradient = 2;
constexpr int PathGradient = 3;
constexpr int Texture = 4;
constexpr int Hatch = 5;
} // namespace FillType

namespace ShadowType {
constexpr int None = 0;
constexpr int Soft = 1;
constexpr int Hard = 2;
constexpr int Glow = 3;
} // namespace ShadowType

// Everything on the Edit Center page: its rectangle, its common style and how it
// paints itself onto any QPainter already mapped to page units.
class PageObject
{
public:
    virtual ~PageObject();
    PageObject& operator=(const PageObject&) = delete;

    // A copy with a new identity, unlocked, that loads its own texture.
    virtual std::unique_ptr<PageObject> Clone() const = 0;

    // Paints the object and, where the context shows them, its selection frame.
    virtual void Draw(QPainter& painter, const DrawContext& context);
    // Paints the object alone.
    virtual void DrawContent(QPainter& painter, const DrawContext& context);

    // Whether a click at this page point lands on the object.
    virtual bool HitTest(const QPointF& pagePoint) const;

    // Photos frame their selection outside the picture, everything else inside.
    virtual bool FramesSelectionOutside() const { return false; }
    // Whether m_nAngle turns what is painted (a photo's quarter turns turn its picture).
    virtual bool PaintsQuarterTurns() const { return true; }

    // Where the selection frame stands: a figure turned a quarter lies across m_rect,
    // so its frame swaps width and height about the centre.
    PageRect FrameRect() const { return QuarterTurned(m_rect); }
    // The m_rect a frame dragged to `frame` stands for.
    PageRect RectOfFrame(const PageRect& frame) const { return QuarterTurned(frame); }

    // The object's shadow as last painted, for painting it again without working it out.
    KeptLayer& ShadowLayer() const { return m_shadowLayer; }

    PageRect m_rect;
    QString m_strID;
    const int m_nType;
    int m_bSelected = 0;
    QString m_strName;
    int m_bEdited = 0;
    int m_bLocked = 0;
    int m_bNoLine = 0;
    int m_nFillType = FillType::None;
    int m_bFill = 0;
    ColorRef m_crFill2 = Rgb(255, 255, 255);
    ColorRef m_crFill = Rgb(127, 127, 127);
    std::uint8_t m_nFillAlpha = 255;
    int m_nPattern = 0;
    int m_nGradientStyle = 1;
    QString m_strTexture;
    int m_nLineStyle = 0;
    int m_nLineWidth = 1;
    ColorRef m_crLine = Rgb(0, 0, 0);
    std::uint8_t m_nLineAlpha = 255;
    ColorRef m_crShadow = Rgb(127, 127, 127);
    std::uint8_t m_nShadowAlpha = 255;
    int m_nShadowType = ShadowType::None;
    int m_nShadowDir = 1;
    int m_nAngle = 0;
    int m_nShadowDX = 5;
    int m_nShadowDY = 5;

protected:
    // `identity` is the object's first identity; copies keep its prefix letter.
    PageObject(int type, QString identity);
    PageObject(const PageObject& other);

    // The texture picture when the fill is a texture that could be loaded.
    const QImage* TexturePicture();
    // A brush tiling that picture, or no brush.
    QBrush TextureBrush();
    void DrawSelectionFrameIfShown(QPainter& painter, const DrawContext& context) const;
    PageRect QuarterTurned(const PageRect& rect) const;

    // The fill and shadow of a figure painted like a shape (shapes, calendar backgrounds).
    bool HasShapeFill() const;
    // Texture, gradient (m_crFill2 to `solid`) or solid `solid`, by the fill type.
    QBrush ShapeFillBrush(ColorRef solid, const QBrush& texture) const;
    void PaintShapeShadow(QPainter& painter, const QPainterPath& figure, bool filled) const;

private:
    TextureImage m_texture;
    mutable KeptLayer m_shadowLayer;
};
