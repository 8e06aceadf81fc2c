#include "canvas/view/CalendarFontDlg.h"

#include "canvas/view/CalendarFontsPanel.h"
#include "frame/DialogParts.h"

#include <QVBoxLayout>

CCalendarFontDlg::CCalendarFontDlg(const CCalendarFonts& fonts, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Font"));
    m_fonts = new CCalendarFontsPanel(fonts);
    auto* content = new QVBoxLayout;
    content->addWidget(m_fonts);
    FinishDialog(*this, content);
}

CCalendarFonts CCalendarFontDlg::Fonts() const
{
    return m_fonts->Fonts();
}
