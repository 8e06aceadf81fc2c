#pragma once

#include "settings/ProgramSettings.h"

#include <QDialog>

class QLineEdit;

// "Daily tuition setting": the three daily rates and the currency symbol.
class TuitionRatesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TuitionRatesDialog(const TuitionRateTexts& rates, QWidget* parent = nullptr);

    TuitionRateTexts Rates() const;

public Q_SLOTS:
    // Refuses a rate that is not a number, naming the field, and stays open.
    void accept() override;

private:
    QLineEdit* m_fullTime = nullptr;
    QLineEdit* m_partTime = nullptr;
    QLineEdit* m_extraHour = nullptr;
    QLineEdit* m_currency = nullptr;
};
