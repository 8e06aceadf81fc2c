#pragma once

#include "canvas/objects/PageRect.h"

#include <QImage>
#include <QString>
#include <vector>

class PageObject;
struct WrnDocument;

// The whole page drawn for a file: one page unit per pixel, on white, every object in
// order, no selection frames.
namespace PageRenderer {

// The largest page side worth rendering; a header may claim anything.
constexpr int kMaxPageSide = 20000;

// The page frame of the document with its objects. A null image and *error set when
// the page size cannot be rendered.
QImage Render(const WrnDocument& document, QString* error = nullptr);

// An area of the page with the given objects drawn in order, its top-left corner at the
// image's origin. A null image and *error set when the area cannot be rendered.
QImage RenderArea(const std::vector<PageObject*>& objects, const PageRect& area,
                  QString* error = nullptr);

} // namespace PageRenderer
