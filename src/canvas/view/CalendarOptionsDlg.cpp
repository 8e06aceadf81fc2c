#include "canvas/view/CalendarOptionsDlg.h"

#include "canvas/view/CalendarLookPanel.h"
#include "frame/DialogParts.h"

#include <QVBoxLayout>

CCalendarOptionsDlg::CCalendarOptionsDlg(const CCalendarLook& look, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Options"));
    m_look = new CCalendarLookPanel(look);
    auto* content = new QVBoxLayout;
    content->addWidget(m_look);
    FinishDialog(*this, content);
}

CCalendarLook CCalendarOptionsDlg::Look() const
{
    return m_look->Look();
}
