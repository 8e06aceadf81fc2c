#include "canvas/view/CalendarFontDialog.h"

#include "canvas/view/CalendarFontsPanel.h"
#include "widgets/DialogParts.h"

#include <QVBoxLayout>

CalendarFontDialog::CalendarFontDialog(const CalendarFonts& fonts, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Font"));
    m_fonts = new CalendarFontsPanel(fonts);
    auto* content = new QVBoxLayout;
    content->addWidget(m_fonts);
    FinishDialog(*this, content);
}

CalendarFonts CalendarFontDialog::Fonts() const
{
    return m_fonts->Fonts();
}
