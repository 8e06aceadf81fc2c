#include "canvas/view/StarPointsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

StarPointsDialog::StarPointsDialog(int points, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("starPointsDlg"));
    setWindowTitle(QString());
    m_points = new QSpinBox(this);
    m_points->setObjectName(QStringLiteral("points"));
    // Any whole number may be typed; the star takes 2 to 50 of it.
    m_points->setRange(-999, 999);
    m_points->setValue(points);
    m_points->setToolTip(QStringLiteral("How many points the star has, 2 to 50"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Points of Star(>1):"), m_points);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_points->selectAll();
}

int StarPointsDialog::Points() const
{
    return m_points->value();
}

void StarPointsDialog::SetPoints(int points)
{
    m_points->setValue(points);
}
