#pragma once

#include <QDate>
#include <QDialog>
#include <QList>

class QDateEdit;
class QListWidget;
class QPushButton;

// "Public Holidays": the dates every calendar marks. OK stores them in the settings.
class PublicHolidaysDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PublicHolidaysDialog(QWidget* parent = nullptr);

    // Sorted, each date once.
    QList<QDate> Holidays() const { return m_holidays; }

    // Adds the date in the date field; a date already listed is only selected.
    void AddDate();
    void RemoveSelected();

public Q_SLOTS:
    void accept() override;

private:
    void ShowList(const QDate& selected);

    QList<QDate> m_holidays;
    QListWidget* m_list = nullptr;
    QDateEdit* m_date = nullptr;
    QPushButton* m_remove = nullptr;
};
