#pragma once

#include "canvas/objects/CalendarOptionSet.h"

#include <QDialog>

class CalendarFontsPanel;

// "Font": the fonts and colours of a calendar's texts.
class CalendarFontDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CalendarFontDialog(const CalendarFonts& fonts, QWidget* parent = nullptr);

    CalendarFonts Fonts() const;

private:
    CalendarFontsPanel* m_fonts = nullptr;
};
