#include "canvas/editing/PhotoAreaSelection.h"

QRegion PhotoAreaSelection::Area() const
{
    if ((mode == Freehand || mode == Ellipse) && !region.boundingRect().isEmpty())
        return region;
    return QRegion(rect);
}
