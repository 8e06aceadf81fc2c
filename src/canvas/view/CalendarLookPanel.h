#pragma once

#include "canvas/objects/CalendarOptions.h"

#include <QWidget>

class CColorChoiceButton;
class QCheckBox;
class QComboBox;

// A calendar's shape, colours, weekday names, week start and marks. Its buttons also
// open the user's names and public holidays, which every calendar shares.
class CCalendarLookPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CCalendarLookPanel(const CCalendarLook& look, QWidget* parent = nullptr);

    CCalendarLook Look() const;

    void EditNames();
    void EditHolidays();

private:
    // Cell borders and top-left numbers only show on the transparent shape, and
    // top-left numbers only with borders.
    void EnableTransparentOptions();

    QComboBox* m_shape = nullptr;
    QCheckBox* m_fill = nullptr;
    CColorChoiceButton* m_background = nullptr;
    QCheckBox* m_outline = nullptr;
    CColorChoiceButton* m_outlineColor = nullptr;
    QCheckBox* m_band = nullptr;
    CColorChoiceButton* m_bandColor = nullptr;
    QComboBox* m_holidayMark = nullptr;
    CColorChoiceButton* m_holidayColor = nullptr;
    QComboBox* m_weekStart = nullptr;
    QComboBox* m_weekdayStyle = nullptr;
    QCheckBox* m_showYear = nullptr;
    QCheckBox* m_ownLanguage = nullptr;
    QCheckBox* m_cellBorders = nullptr;
    QCheckBox* m_topLeftNumbers = nullptr;
};
