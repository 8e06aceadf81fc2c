#include "reports/view/ReportPages.h"

#include "reports/MonthReport.h"

#include <QPaintEvent>
#include <QPainter>

ReportPages::ReportPages(MonthReport& report, QWidget* parent) : QWidget(parent), m_report(report)
{
    setObjectName(QStringLiteral("reportPages"));
    setAutoFillBackground(false);
    Refresh();
}

void ReportPages::Refresh()
{
    m_pages = m_report.PageCount();
    setFixedSize(sizeHint());
    update();
}

void ReportPages::SetZoom(double zoom)
{
    m_zoom = zoom;
    Refresh();
}

QRect ReportPages::PageRect(int index) const
{
    const QSize page = MonthReport::kPageSize * m_zoom;
    return QRect(QPoint(kGap, kGap + index * (page.height() + kGap)), page);
}

QSize ReportPages::sizeHint() const
{
    const QSize page = MonthReport::kPageSize * m_zoom;
    return {page.width() + 2 * kGap, m_pages * (page.height() + kGap) + kGap};
}

void ReportPages::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    for (int index = 0; index < m_pages; ++index) {
        const QRect page = PageRect(index);
        if (!page.intersects(event->rect()))
            continue;
        painter.fillRect(page.translated(3, 3), QColor(0, 0, 0, 60));
        painter.fillRect(page, Qt::white);
        painter.save();
        painter.translate(page.topLeft());
        painter.setClipRect(QRect(QPoint(0, 0), page.size()));
        painter.scale(m_zoom, m_zoom);
        m_report.PaintPage(painter, index);
        painter.restore();
    }
}
