#pragma once

#include "canvas/objects/PageRect.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>

class CanvasModel;
class PhotoObject;

// Photos handed to the page by the photo lists, by drops and by pasting.
namespace PhotoPlacement {

// A photo read from its file, or null when it cannot be read (the user is told).
std::unique_ptr<PhotoObject> Read(const QString& path);

// The photo of a pasted picture saved as `path`, its top left at `at`; a file that cannot
// be read back still shows as a frame of the picture's size.
std::unique_ptr<PhotoObject> Pasted(const QString& path, const QPoint& at, const QSize& size);

// Where a photo opened for editing goes: centred in the window's pixels taken as the
// unshifted scene, then shifted with it; a picture larger than the window fills it.
PageRect CentredInWindow(const QSize& picture, const QSize& window, const QPoint& shift);

enum class Drop {
    Place,    // nothing takes it: the photo is placed where it was dropped
    Filled,   // an unfilled shape or curve under it is filled with it (one undo step)
    Ignored,  // it fell on an empty photo frame
};
Drop OntoObjects(CanvasModel& model, const QPoint& page, const QString& path);

} // namespace PhotoPlacement
