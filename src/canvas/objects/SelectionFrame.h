#pragma once

#include "canvas/objects/PageRect.h"

#include <QList>
#include <QRect>

class QPainter;

enum class TrackerHandles { Inside, Outside };

// The frame of a selected object: a dotted rectangle with eight 6-pixel handles, drawn
// in device pixels whatever the painter's mapping.
void DrawSelectionFrame(QPainter& painter, const PageRect& rect, TrackerHandles handles);

// The eight handle squares of a frame around `deviceRect`, clockwise from top left.
QList<QRect> SelectionHandleRects(const QRect& deviceRect, TrackerHandles handles);
