#include "canvas/editing/CanvasOverlays.h"

#include "canvas/editing/PhotoAreaSelection.h"
#include "canvas/editing/SelectionHandles.h"
#include "canvas/objects/PageObject.h"

#include <QPainter>

namespace CanvasOverlays {

void PaintSelectionFrames(QPainter& painter, const CanvasGeometry::ViewMapping& mapping,
                          const std::vector<PageObject*>& selected)
{
    if (mapping.Scale() == 1.0)
        return;
    for (const PageObject* object : selected) {
        SelectionHandles frame;
        frame.SetRect(mapping.ToWindow(object->FrameRect()), SelectionHandles::HandlesOf(*object));
        frame.Paint(painter, false);
    }
}

void PaintPhotoSelection(QPainter& painter, const CanvasGeometry::ViewMapping& mapping,
                         const PhotoAreaSelection& selection)
{
    if (selection.outline.size() >= 3) {
        // Dashes of four white and four black pixels show on any photo.
        const QPolygon outline = mapping.PageToWindow().map(selection.outline);
        painter.save();
        painter.setPen(QPen(Qt::black, 1));
        painter.drawPolyline(outline);
        QPen white(Qt::white, 1);
        white.setDashPattern({4, 4});
        painter.setPen(white);
        painter.drawPolyline(outline);
        painter.restore();
    }
    if (selection.rect.isEmpty())
        return;
    SelectionHandles frame;
    frame.SetRect(mapping.PageToWindow().mapRect(QRectF(selection.rect)).toAlignedRect());
    frame.Paint(painter, true);
    if (selection.mode == PhotoAreaSelection::Ellipse) {
        painter.save();
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawEllipse(frame.Rect());
        painter.restore();
    }
}

} // namespace CanvasOverlays
