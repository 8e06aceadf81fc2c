#include "canvas/editing/PhotoSelection.h"

QRegion CPhotoSelection::Area() const
{
    if ((mode == Freehand || mode == Ellipse) && !region.boundingRect().isEmpty())
        return region;
    return QRegion(rect);
}
