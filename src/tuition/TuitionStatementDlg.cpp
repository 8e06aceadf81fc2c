#include "tuition/TuitionStatementDlg.h"

#include "frame/DialogParts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>
#include <algorithm>

CTuitionStatementDlg::CTuitionStatementDlg(const QStringList& childNames,
                                           const QString& childName, int year, int month,
                                           QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Tuition Statement Setting"));

    m_child = new QComboBox;
    m_child->setObjectName(QStringLiteral("child"));
    m_child->addItems(childNames);
    m_child->setCurrentIndex(std::max(0, int(childNames.indexOf(childName))));
    m_child->setMinimumContentsLength(20);

    m_month = new QComboBox;
    m_month->setObjectName(QStringLiteral("month"));
    for (int m = 1; m <= 12; ++m)
        m_month->addItem(QString::number(m));
    m_month->setCurrentIndex(std::clamp(month, 1, 12) - 1);

    m_year = new QSpinBox;
    m_year->setObjectName(QStringLiteral("year"));
    m_year->setRange(kFirstYear, kLastYear);
    m_year->setValue(year);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Child"), m_child);
    form->addRow(QStringLiteral("&Month"), m_month);
    form->addRow(QStringLiteral("&Year"), m_year);
    FinishDialog(*this, form);
}

QString CTuitionStatementDlg::ChildName() const
{
    return m_child->currentText();
}

int CTuitionStatementDlg::Year() const
{
    return m_year->value();
}

int CTuitionStatementDlg::Month() const
{
    return m_month->currentText().toInt();
}
