#include "tuition/view/StatementSettingsDialog.h"

#include "widgets/DialogParts.h"
#include "tuition/StatementFigures.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

StatementSettingsDialog::StatementSettingsDialog(const QStringList& childNames,
                                           const QString& childName, int year, int month,
                                           QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Tuition Statement Setting"));

    // A statement is for one child: the class and materials folders' names are no child's.
    QStringList children = childNames;
    children.removeIf([](const QString& name) { return !TuitionStatement::NamesAChild(name); });
    m_child = new QComboBox;
    m_child->setObjectName(QStringLiteral("child"));
    m_child->addItems(children);
    m_child->setCurrentIndex(std::max(0, int(children.indexOf(childName))));
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
    if (children.isEmpty()) {
        auto* none = new QLabel(QStringLiteral("No child is enrolled yet. Enroll a child at "
                                               "the Child Center first."));
        none->setObjectName(QStringLiteral("noChild"));
        none->setWordWrap(true);
        form->addRow(none);
    }
    QDialogButtonBox* buttons = FinishDialog(*this, form);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!children.isEmpty());
}

QString StatementSettingsDialog::ChildName() const
{
    return m_child->currentText();
}

int StatementSettingsDialog::Year() const
{
    return m_year->value();
}

int StatementSettingsDialog::Month() const
{
    return m_month->currentText().toInt();
}
