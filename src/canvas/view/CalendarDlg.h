#pragma once

#include "canvas/objects/CalendarOptions.h"

#include <QDialog>

class CCalendarFontsPanel;
class CCalendarLookPanel;
class QComboBox;
class QRadioButton;
class QSpinBox;

// "Calendar": one month or a whole year of calendars and how they look. The user may
// change the shared names and holidays from here, so read them after OK.
class CCalendarDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 2100;

    explicit CCalendarDlg(const CCalendarOptions& initial, QWidget* parent = nullptr);

    CCalendarOptions Options() const;

private:
    QSpinBox* m_year = nullptr;
    QRadioButton* m_oneMonth = nullptr;
    QComboBox* m_month = nullptr;
    QRadioButton* m_wholeYear = nullptr;
    QComboBox* m_layout = nullptr;
    CCalendarFontsPanel* m_fonts = nullptr;
    CCalendarLookPanel* m_look = nullptr;
};
