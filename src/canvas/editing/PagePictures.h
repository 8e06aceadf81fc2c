#pragma once

#include "canvas/objects/PageRect.h"

#include <QImage>
#include <QString>

class CanvasModel;

// Pictures made of the page and pictures put on it from outside.
namespace PagePictures {

// The selected objects on white, with `margin` page units around them; null when
// nothing is selected.
QImage OfSelection(const CanvasModel& model, int margin);

// Writes the page (every object within `pageFrame`) or the selected objects grown by 4 to
// a picture file, one page unit per pixel on white; the path's extension chooses the
// format, and an SVG file keeps the objects as vectors. False (and *error set) when
// nothing was written.
bool WriteFile(const CanvasModel& model, const PageRect& pageFrame, const QString& path,
               bool selectedOnly, QString* error = nullptr);

// Saves a pasted picture as `path`, the next free "pastedbitmap_N.bmp" of `folder`,
// counting on from the number the settings remember. False, with *error set, when the
// file could not be written.
bool SavePasted(const QImage& image, const QString& folder, QString& path, QString* error);

} // namespace PagePictures
