#pragma once

#include "records/DailyRecords.h"

#include <QDialog>

class DatePicker;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// "Child Infomation Dialog": one daily record of one child. The drop-downs keep any
// typed text as it is; no field takes more characters than its column holds.
class DailyRecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DailyRecordDialog(const DailyRecord& record, QWidget* parent = nullptr);

    // The record as the dialog shows it; index, child name and reserved texts unchanged.
    DailyRecord Record() const;
    // What the dialog says after a text was cut to its column's width; empty until then.
    QString CutNotice() const;

public Q_SLOTS:
    // A date still being typed is taken first; one that is no date keeps the dialog open.
    void accept() override;

private:
    QComboBox* AddChoices(const QString& label, const char* objectName, const QStringList& items,
                          const QString& text);
    QPlainTextEdit* AddNote(const QString& label, const char* objectName, const QString& text);
    void KeepWithin(QLineEdit* edit, const char* column, const QString& fieldName);
    void KeepWithin(QPlainTextEdit* edit, const char* column, const QString& fieldName);
    void ShowCut(const QString& fieldName, int limit);

    DailyRecord m_record;
    QFormLayout* m_form = nullptr;
    DatePicker* m_date = nullptr;
    QComboBox* m_pickup = nullptr;
    QComboBox* m_pickupTime = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QPlainTextEdit* m_parentsNote = nullptr;
    QLabel* m_cutNotice = nullptr;
};
