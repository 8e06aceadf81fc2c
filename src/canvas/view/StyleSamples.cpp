#include "canvas/view/StyleSamples.h"

#include "canvas/editing/DrawingTools.h"
#include "canvas/objects/FillStyles.h"
#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/ShapeObject.h"

#include <QPainter>
#include <QPixmap>

namespace StyleSamples {

QImage OfStyle(const ObjectStyle& style, const QSize& size)
{
    const int margin = std::max(6, size.width() / 6);
    ShapeObject sample(PageRect{margin, margin, size.width() - margin, size.height() - margin},
                       DrawingTool::RoundRectangle, 1, 0, Rgb(0, 0, 0), Rgb(255, 255, 255));
    style.ApplyTo(sample);
    // The sample is small: keep its outline and shadow in proportion.
    sample.m_nLineWidth = std::min(sample.m_nLineWidth, 4);
    sample.m_nShadowDX = std::clamp(sample.m_nShadowDX, -margin + 1, margin - 1);
    sample.m_nShadowDY = std::clamp(sample.m_nShadowDY, -margin + 1, margin - 1);
    return PageRenderer::RenderArea({&sample}, PageRect{0, 0, size.width(), size.height()});
}

QIcon OfLine(int width, int lineStyle, const QSize& size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen = OutlinePen(Rgb(0, 0, 0), width, lineStyle);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const qreal y = size.height() / 2.0;
    painter.drawLine(QPointF(4, y), QPointF(size.width() - 4, y));
    return QIcon(picture);
}

} // namespace StyleSamples
