#include "controls/DatePicker.h"

CDatePicker::CDatePicker(const QDate& date, QWidget* parent) : QDateEdit(date, parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
}

bool CDatePicker::focusNextPrevChild(bool next)
{
    // The date edit would walk its sections with Tab; the arrow keys and typing do that.
    return QWidget::focusNextPrevChild(next);
}
