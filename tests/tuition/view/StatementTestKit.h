#pragma once

#include "support/EnrolledChildren.h"
#include "support/TuitionWeeks.h"

#include <QDate>
#include <QImage>
#include <QRect>
#include <QString>

class StatementObject;

// Rows planted in the records database of the present application folder through the
// program's own recordsets, and pictures of statements to probe.
namespace StatementKit {

// The statement alone drawn at its rectangle on a white picture of the page's top-left
// part that holds it.
QImage Render(StatementObject& sheet);
// Whether anything but white was painted inside the rectangle.
bool Inked(const QImage& picture, const QRect& area);

// Inside of the table's row band starting at `top` in a statement at the page's origin
// (740 x 440: row height 22), clear of the lines above and below.
QRect RowBand(int top);

} // namespace StatementKit
