#pragma once

#include "canvas/editing/CanvasGeometry.h"

#include <vector>

class PageObject;
class QPainter;
struct PhotoAreaSelection;

// What the page shows over its objects while they are edited, in window pixels.
namespace CanvasOverlays {

// Objects frame themselves at 100 %; at other zooms the page frames the selected ones.
void PaintSelectionFrames(QPainter& painter, const CanvasGeometry::ViewMapping& mapping,
                          const std::vector<PageObject*>& selected);
// The marked part of a photo: its outline as it is drawn, then its frame.
void PaintPhotoSelection(QPainter& painter, const CanvasGeometry::ViewMapping& mapping,
                         const PhotoAreaSelection& selection);

} // namespace CanvasOverlays
