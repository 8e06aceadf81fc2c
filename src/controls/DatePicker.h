#pragma once

#include <QDateEdit>

// A date field with a calendar to pick from. Typing fills year, month and day in turn;
// Tab leaves the field, as it leaves any other on a form.
class CDatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit CDatePicker(const QDate& date, QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
};
