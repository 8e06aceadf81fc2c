#pragma once

#include "canvas/objects/CalendarOptions.h"

#include <QDialog>

class CCalendarFontsPanel;

// "Font": the fonts and colours of a calendar's texts.
class CCalendarFontDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CCalendarFontDlg(const CCalendarFonts& fonts, QWidget* parent = nullptr);

    CCalendarFonts Fonts() const;

private:
    CCalendarFontsPanel* m_fonts = nullptr;
};
