#pragma once

#include "canvas/objects/CalendarOptions.h"

#include <QWidget>

class CColorChoiceButton;
class CFontChoiceButton;
class QGridLayout;

// The fonts and colours of a calendar's title, weekday names and day numbers.
class CCalendarFontsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CCalendarFontsPanel(const CCalendarFonts& fonts, QWidget* parent = nullptr);

    CCalendarFonts Fonts() const;

private:
    struct Row
    {
        CFontChoiceButton* font = nullptr;
        CColorChoiceButton* color = nullptr;
    };

    static Row AddRow(QGridLayout& grid, int row, const QString& label, const QString& what,
                      const QString& name, const CCalendarFont& font);
    static CCalendarFont FontOf(const Row& row);

    Row m_title;
    Row m_weekday;
    Row m_day;
};
