#include "canvas/view/CalendarOptionsDialog.h"

#include "canvas/view/CalendarLookPanel.h"
#include "widgets/DialogParts.h"

#include <QVBoxLayout>

CalendarOptionsDialog::CalendarOptionsDialog(const CalendarLook& look, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Options"));
    m_look = new CalendarLookPanel(look);
    auto* content = new QVBoxLayout;
    content->addWidget(m_look);
    FinishDialog(*this, content);
}

CalendarLook CalendarOptionsDialog::Look() const
{
    return m_look->Look();
}
