#include "canvas/objects/PageRenderer.h"

#include "canvas/objects/PageFrame.h"
#include "canvas/objects/WrnDocument.h"

#include <QPainter>

namespace PageRenderer {

QImage Render(const WrnDocument& document, QString* error)
{
    return RenderArea(ObjectsOf(document.objects),
                      PageFrame::Of(document.page.width, document.page.height), error);
}

QImage RenderArea(const std::vector<PageObject*>& objects, const PageRect& area,
                  QString* error)
{
    const int width = area.Width(), height = area.Height();
    if (width <= 0 || height <= 0 || width > kMaxPageSide || height > kMaxPageSide) {
        if (error)
            *error = QStringLiteral("The page size %1 x %2 cannot be drawn.").arg(width).arg(height);
        return {};
    }
    QImage page(width, height, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    QPainter painter(&page);
    DrawArea(painter, objects, area, DrawContext::Export());
    return page;
}

void DrawArea(QPainter& painter, const std::vector<PageObject*>& objects, const PageRect& area,
              const DrawContext& context)
{
    painter.save();
    painter.translate(-area.left, -area.top);
    for (PageObject* object : objects) {
        painter.save();
        object->Draw(painter, context);
        painter.restore();
    }
    painter.restore();
}

} // namespace PageRenderer
