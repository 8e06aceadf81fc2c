#include "canvas/editing/PhotoAreaSelection.h"

#include "canvas/editing/CanvasGeometry.h"
#include "canvas/editing/DrawingTools.h"
#include "canvas/objects/PhotoObject.h"

using namespace CanvasGeometry;

QRegion PhotoAreaSelection::Area() const
{
    if ((mode == Freehand || mode == Ellipse) && !region.boundingRect().isEmpty())
        return region;
    return QRegion(rect);
}

void PhotoAreaSelection::SelectBand(const ObjectList& objects, const PageRect& band)
{
    for (const auto& object : objects) {
        auto* candidate = dynamic_cast<PhotoObject*>(object.get());
        if (!candidate || !Intersects(candidate->m_rect, band))
            continue;
        const PageRect inside = Intersection(candidate->m_rect, band);
        photo = candidate;
        rect = QRect(inside.left, inside.top, inside.Width(), inside.Height());
        if (mode == Ellipse)
            region = QRegion(rect, QRegion::Ellipse);
        return;
    }
}

void PhotoAreaSelection::AddFreehandPoint(const ObjectList& objects, const QPoint& point)
{
    PhotoObject* touched = nullptr;
    for (auto it = objects.rbegin(); it != objects.rend() && !touched; ++it) {
        auto* candidate = dynamic_cast<PhotoObject*>(it->get());
        if (candidate && candidate->HasPicture() && Contains(candidate->m_rect, point))
            touched = candidate;
    }
    if (!touched || (photo && touched != photo))
        return;
    photo = touched;
    if (outline.size() < VertexBuffer::kCapacity)
        outline.append(point);
}

void PhotoAreaSelection::CloseFreehand()
{
    if (!region.isEmpty() || outline.isEmpty())
        return;
    outline.append(outline.front());
    if (outline.size() < 4) // three points and the closing one
        return;
    region = QRegion(outline, Qt::OddEvenFill);
    rect = region.boundingRect();
}
