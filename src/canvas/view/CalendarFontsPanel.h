#pragma once

#include "canvas/objects/CalendarOptionSet.h"

#include <QWidget>

class ColorChoiceButton;
class FontChoiceButton;
class QGridLayout;

// The fonts and colours of a calendar's title, weekday names and day numbers.
class CalendarFontsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CalendarFontsPanel(const CalendarFonts& fonts, QWidget* parent = nullptr);

    CalendarFonts Fonts() const;

private:
    struct Row
    {
        FontChoiceButton* font = nullptr;
        ColorChoiceButton* color = nullptr;
    };

    static Row AddRow(QGridLayout& grid, int row, const QString& label, const QString& what,
                      const QString& name, const CalendarPartFont& font);
    static CalendarPartFont FontOf(const Row& row);

    Row m_title;
    Row m_weekday;
    Row m_day;
};
