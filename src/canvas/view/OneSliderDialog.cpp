#include "canvas/view/OneSliderDialog.h"

#include "widgets/DialogParts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

OneSliderDialog::OneSliderDialog(const Look& look, int value, std::function<void(int)> moved,
                                 QWidget* parent)
    : QDialog(parent), m_format(look.readout), m_moved(std::move(moved))
{
    setObjectName(look.objectName);
    setWindowTitle(look.title);
    m_slider = new QSlider(Qt::Horizontal);
    m_slider->setObjectName(QStringLiteral("slider"));
    m_slider->setRange(0, 100);
    m_slider->setPageStep(10);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(10);
    m_slider->setMinimumWidth(260);
    m_slider->setValue(value);
    m_readout = new QLabel;
    m_readout->setObjectName(QStringLiteral("readout"));
    QFont bold = m_readout->font();
    bold.setBold(true);
    m_readout->setFont(bold);

    auto* grid = new QGridLayout;
    auto* label = new QLabel(look.label);
    label->setBuddy(m_slider);
    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(m_readout);
    top->addStretch();
    top->addWidget(new QLabel(look.note));
    grid->addLayout(top, 0, 0, 1, 3);
    grid->addWidget(new QLabel(look.leftEnd), 1, 0);
    grid->addWidget(m_slider, 1, 1);
    grid->addWidget(new QLabel(look.rightEnd), 1, 2);
    FinishDialog(*this, grid);

    Show(value);
    connect(m_slider, &QSlider::valueChanged, this, [this](int moved) {
        Show(moved);
        if (m_moved)
            m_moved(moved);
    });
}

int OneSliderDialog::Value() const
{
    return m_slider->value();
}

void OneSliderDialog::SetValue(int value)
{
    m_slider->setValue(value);
}

void OneSliderDialog::Show(int value)
{
    m_readout->setText(m_format ? m_format(value) : QString::number(value));
}
