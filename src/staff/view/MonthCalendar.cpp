#include "staff/view/MonthCalendar.h"

#include "staff/MonthCalendarPainting.h"

#include <QPainter>

using namespace TimeSheet;

MonthCalendar::MonthCalendar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("monthCalendar"));
    m_sheet = BlankMonth(MonthOf(QDate::currentDate()));
}

void MonthCalendar::SetSource(SheetSource source)
{
    m_source = std::move(source);
    update();
}

QSize MonthCalendar::sizeHint() const
{
    return {640, 380};
}

QSize MonthCalendar::minimumSizeHint() const
{
    return {420, 250};
}

void MonthCalendar::paintEvent(QPaintEvent*)
{
    if (m_source)
        m_sheet = m_source();
    QPainter painter(this);
    MonthCalendarPainting::Paint(painter, rect(), m_sheet);
}

