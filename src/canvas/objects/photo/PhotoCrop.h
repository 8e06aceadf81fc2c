#pragma once

#include <QRect>
#include <QRegion>
#include <QString>

class PhotoObject;

// Keeping or erasing the part of a photo under a selection on the page. Both work at
// 1:1: the page point (x, y) is the bitmap pixel (x − left, y − top). Each returns true
// when the photo changed; when its file could not be written it says so in *error and
// the photo is marked to be written when the document is saved.
namespace PhotoCrop {

// Keeps the rectangle's part of the photo, which moves to a file of its own beside it:
// a.jpg becomes a_crop.jpg (then a_crop2.jpg, a_crop3.jpg … so no earlier crop is
// replaced).
bool CropToRect(PhotoObject& photo, const QRect& selection, QString* error = nullptr);

// Keeps the region's part (freehand and ellipse selections) on a transparent picture
// the size of the region's bounding box; written to the photo's file when the document
// is saved.
bool CropToRegion(PhotoObject& photo, const QRegion& region);

// Makes the area transparent; the photo's file is written when the page is saved.
bool Erase(PhotoObject& photo, const QRegion& area);

} // namespace PhotoCrop
