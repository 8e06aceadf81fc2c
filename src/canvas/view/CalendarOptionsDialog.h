#pragma once

#include "canvas/objects/CalendarOptionSet.h"

#include <QDialog>

class CalendarLookPanel;

// "Options": a calendar's shape, colours and marks.
class CalendarOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CalendarOptionsDialog(const CalendarLook& look, QWidget* parent = nullptr);

    CalendarLook Look() const;

private:
    CalendarLookPanel* m_look = nullptr;
};
