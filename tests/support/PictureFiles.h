#pragma once

#include "canvas/objects/PageRect.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <memory>

class PhotoObject;

// A picture of one colour, in 24 bits, written to `path` in the format its suffix names.
QString WriteSolidPicture(const QString& path, QSize size, const QColor& colour);
// A photo placed at `rect` showing the picture in `path`, read as the page reads it.
std::unique_ptr<PhotoObject> PhotoOfFile(const QString& path, const PageRect& rect);
// The picture written to `path` and shown 1:1 with its top left corner at `at`.
std::unique_ptr<PhotoObject> PhotoOfPicture(const QString& path, const QImage& picture,
                                             QPoint at = {});
