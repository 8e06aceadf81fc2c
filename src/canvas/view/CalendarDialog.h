#pragma once

#include "canvas/objects/CalendarOptionSet.h"

#include <QDialog>

class CalendarFontsPanel;
class CalendarLookPanel;
class QComboBox;
class QRadioButton;
class QSpinBox;

// "Calendar": one month or a whole year of calendars and how they look. The user may
// change the shared names and holidays from here, so read them after OK.
class CalendarDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 2100;

    explicit CalendarDialog(const CalendarOptionSet& initial, QWidget* parent = nullptr);

    CalendarOptionSet Options() const;

private:
    QSpinBox* m_year = nullptr;
    QRadioButton* m_oneMonth = nullptr;
    QComboBox* m_month = nullptr;
    QRadioButton* m_wholeYear = nullptr;
    QComboBox* m_layout = nullptr;
    CalendarFontsPanel* m_fonts = nullptr;
    CalendarLookPanel* m_look = nullptr;
};
