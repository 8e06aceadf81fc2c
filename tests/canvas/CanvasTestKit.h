#pragma once

#include "canvas/objects/DiagramObject.h"
#include "canvas/objects/WrnDocument.h"
#include "support/PixelProbes.h"

#include <QImage>
#include <QRect>
#include <functional>

// Paints an object on a white image of the given size, as a file export would.
QImage PaintObject(CDiagramObject& object, QSize size,
                   const CDrawContext& context = CDrawContext::Export());

// The bounding box and count of the pixels whose colour passes `test`.
struct CInk
{
    QRect bounds;
    int count = 0;
};
CInk InkWhere(const QImage& image, const std::function<bool(const QColor&)>& test,
              QRect within = QRect());
// Pixels clearly darker than paper.
CInk DarkInk(const QImage& image, QRect within = QRect());

// One object of every stored type, every stored field set away from its default.
ObjectList OneOfEveryStoredType();

inline bool Near(const QColor& actual, const QColor& expected, int tolerance = 8)
{
    return ColorsNear(actual, expected, tolerance);
}

// A page object that is never stored, like the tuition statement.
class CUnstoredObject : public CDiagramObject
{
public:
    CUnstoredObject() : CDiagramObject(ObjectType::Statement, QStringLiteral("X1")) {}
    std::unique_ptr<CDiagramObject> Clone() const override
    {
        return std::make_unique<CUnstoredObject>(*this);
    }
};
