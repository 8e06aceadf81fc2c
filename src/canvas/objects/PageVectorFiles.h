#pragma once

#include "canvas/objects/PageRect.h"

#include <QString>
#include <functional>
#include <vector>

class PageObject;
class QPainter;

// The page drawn as vectors: text stays text, shapes stay shapes and photos keep their
// full resolution. One page unit is 1/96 inch. A file is replaced only once it is
// written whole; false (and *error set) when nothing was written.
namespace PageVectorFiles {

// One PDF page the size of `area`, the objects drawn on white.
bool WritePdf(const std::vector<PageObject*>& objects, const PageRect& area,
              const QString& path, QString* error = nullptr);
// Draws page `index` (from 0) in page units, on white.
using PagePainter = std::function<void(QPainter& painter, int index)>;
// `count` PDF pages of `width` x `height` page units, each drawn by `paintPage`.
bool WritePagesPdf(int width, int height, int count, const PagePainter& paintPage,
                   const QString& path, QString* error = nullptr);
// An SVG picture of `area` on white.
bool WriteSvg(const std::vector<PageObject*>& objects, const PageRect& area,
              const QString& path, QString* error = nullptr);

} // namespace PageVectorFiles
