#pragma once

#include <QImage>
#include <QString>

struct CWrnDocument;

// The whole page drawn for a file: one page unit per pixel, on white, every object in
// order, no selection frames.
namespace PageRenderer {

// The largest page side worth rendering; a header may claim anything.
constexpr int kMaxPageSide = 20000;

// A null image and *error set when the page size cannot be rendered.
QImage Render(const CWrnDocument& document, QString* error = nullptr);

} // namespace PageRenderer
