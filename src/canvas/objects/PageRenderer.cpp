#include "canvas/objects/PageRenderer.h"

#include "canvas/objects/WrnDocument.h"

#include <QPainter>

namespace PageRenderer {

QImage Render(const CWrnDocument& document, QString* error)
{
    const int width = document.page.width, height = document.page.height;
    if (width <= 0 || height <= 0 || width > kMaxPageSide || height > kMaxPageSide) {
        if (error)
            *error = QStringLiteral("The page size %1 x %2 cannot be drawn.").arg(width).arg(height);
        return {};
    }
    QImage page(width, height, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    QPainter painter(&page);
    const CDrawContext context = CDrawContext::Export();
    for (const auto& object : document.objects)
        object->Draw(painter, context);
    return page;
}

} // namespace PageRenderer
