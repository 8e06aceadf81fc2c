#pragma once

#include "canvas/objects/CalendarOptionSet.h"

#include <QWidget>

class ColorChoiceButton;
class QCheckBox;
class QComboBox;

// A calendar's shape, colours, weekday names, week start and marks. Its buttons also
// open the user's names and public holidays, which every calendar shares.
class CalendarLookPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CalendarLookPanel(const CalendarLook& look, QWidget* parent = nullptr);

    CalendarLook Look() const;

    void EditNames();
    void EditHolidays();

private:
    // Cell borders and top-left numbers only show on the transparent shape, and
    // top-left numbers only with borders.
    void EnableTransparentOptions();

    QComboBox* m_shape = nullptr;
    QCheckBox* m_fill = nullptr;
    ColorChoiceButton* m_background = nullptr;
    QCheckBox* m_outline = nullptr;
    ColorChoiceButton* m_outlineColor = nullptr;
    QCheckBox* m_band = nullptr;
    ColorChoiceButton* m_bandColor = nullptr;
    QComboBox* m_holidayMark = nullptr;
    ColorChoiceButton* m_holidayColor = nullptr;
    QComboBox* m_weekStart = nullptr;
    QComboBox* m_weekdayStyle = nullptr;
    QCheckBox* m_showYear = nullptr;
    QCheckBox* m_ownLanguage = nullptr;
    QCheckBox* m_cellBorders = nullptr;
    QCheckBox* m_topLeftNumbers = nullptr;
};
