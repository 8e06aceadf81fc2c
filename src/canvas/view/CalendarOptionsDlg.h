#pragma once

#include "canvas/objects/CalendarOptions.h"

#include <QDialog>

class CCalendarLookPanel;

// "Options": a calendar's shape, colours and marks.
class CCalendarOptionsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CCalendarOptionsDlg(const CCalendarLook& look, QWidget* parent = nullptr);

    CCalendarLook Look() const;

private:
    CCalendarLookPanel* m_look = nullptr;
};
