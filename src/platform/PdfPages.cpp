#include "platform/PdfPages.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

bool PdfPages::Save(const QString& path, QString* error) const
{
    if (m_pages.isEmpty()) {
        if (error)
            *error = QStringLiteral("There is no page to write.");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(m_dpi);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        for (qsizetype i = 0; i < m_pages.size(); ++i) {
            const QImage& page = m_pages[i];
            const QSizeF points(page.width() * 72.0 / m_dpi, page.height() * 72.0 / m_dpi);
            writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
            if (i == 0) {
                if (!painter.begin(&writer))
                    break;
            } else {
                writer.newPage();
            }
            painter.drawImage(QRectF(0, 0, writer.width(), writer.height()), page);
        }
        painter.end();
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
