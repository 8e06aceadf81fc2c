#pragma once

#include "canvas/objects/DrawContext.h"
#include "canvas/objects/PageRect.h"

#include <QImage>
#include <QString>
#include <vector>

class PageObject;
class QPainter;
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

// Draws the objects in order with the area's top-left corner at the painter's origin.
void DrawArea(QPainter& painter, const std::vector<PageObject*>& objects, const PageRect& area,
              const DrawContext& context);

// The objects of a list, in order, for the functions above.
template <typename List>
std::vector<PageObject*> ObjectsOf(const List& list)
{
    std::vector<PageObject*> objects;
    objects.reserve(list.size());
    for (const auto& object : list)
        objects.push_back(object.get());
    return objects;
}

} // namespace PageRenderer
