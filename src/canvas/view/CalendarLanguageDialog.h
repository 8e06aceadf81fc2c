#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QLineEdit;
struct CalendarSettings;

// "Language": the user's own month and weekday names, shared by every calendar.
// OK stores them in the settings.
class CalendarLanguageDialog : public QDialog
{
    Q_OBJECT

public:
    // `useOwnNames`: whether the calendar at hand shows the user's names.
    explicit CalendarLanguageDialog(bool useOwnNames, QWidget* parent = nullptr);

    QStringList MonthNames() const;
    QStringList WeekdayNames() const; // Monday first
    bool UseOwnNames() const;

    // Puts the English names back into the fields.
    void ShowEnglishNames();

public Q_SLOTS:
    // Refuses an empty name, then stores the names.
    void accept() override;

private:
    void ShowNames(const CalendarSettings& names);

    QList<QLineEdit*> m_months;
    QList<QLineEdit*> m_weekdays;
    QCheckBox* m_useOwnNames = nullptr;
};
