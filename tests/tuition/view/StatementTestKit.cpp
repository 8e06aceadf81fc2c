#include "tuition/view/StatementTestKit.h"

#include "tuition/StatementObject.h"

#include <QPainter>

namespace StatementKit {

QImage Render(StatementObject& sheet)
{
    QImage picture(sheet.m_rect.right + 10, sheet.m_rect.bottom + 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    sheet.DrawStatement(painter);
    return picture;
}

bool Inked(const QImage& picture, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (picture.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

QRect RowBand(int top)
{
    return QRect(2, top + 3, 736, 22 - 6);
}

} // namespace StatementKit
