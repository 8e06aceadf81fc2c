#pragma once

#include "canvas/editing/ObjectStyle.h"

#include <QIcon>
#include <QImage>

// Little pictures of what a style choice gives, drawn by the objects themselves.
namespace StyleSamples {

// A rounded rectangle in the style on white, with room for its shadow.
QImage OfStyle(const ObjectStyle& style, const QSize& size);
// A line of the width (page units) and dash style across an icon.
QIcon OfLine(int width, int lineStyle, const QSize& size);

} // namespace StyleSamples
