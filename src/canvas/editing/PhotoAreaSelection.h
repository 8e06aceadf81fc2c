#pragma once

#include "canvas/objects/WrnDocument.h"

#include <QPolygon>
#include <QRect>
#include <QRegion>

class PhotoObject;

// A part of one photo marked for cropping or erasing: a rectangle, a freehand outline
// or an ellipse, in page units.
struct PhotoAreaSelection
{
    enum Mode { None = 0, Rectangle = 1, Freehand = 2, Ellipse = 3 };

    Mode mode = None;
    bool active = false;       // a selection command was given; the gesture may follow
    PhotoObject* photo = nullptr;
    QRect rect;                // page units; empty until the gesture ends
    QPolygon outline;          // freehand points collected so far
    QRegion region;            // freehand and ellipse: the area inside the outline

    bool HasArea() const { return photo && !rect.isEmpty(); }
    // The area to crop or erase: the region for freehand and ellipse, else the rectangle.
    QRegion Area() const;
    void Clear() { *this = PhotoAreaSelection(); }

    // The gestures that mark the area, in page units over the page's objects.
    // A dragged band marks the part it covers of the lowest photo it meets.
    void SelectBand(const ObjectList& objects, const PageRect& band);
    // Only points over a photo count; the first photo touched is the one selected.
    void AddFreehandPoint(const ObjectList& objects, const QPoint& point);
    // Closes the outline; fewer than three points mark nothing.
    void CloseFreehand();
};
