#include "canvas/view/ColourBalanceDialog.h"

#include "widgets/DialogParts.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>

ColourBalanceDialog::ColourBalanceDialog(const Sliders& values,
                                         std::function<void(const Sliders&)> moved,
                                         QWidget* parent)
    : QDialog(parent), m_moved(std::move(moved))
{
    setObjectName(QStringLiteral("colorBalanceDlg"));
    setWindowTitle(QStringLiteral("Color Balance & Transparency Dialog"));
    static const char* const kLabels[] = {"&Red:", "&Green:", "&Blue:"};
    static const char* const kNames[] = {"red", "green", "blue"};
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(1, 260);
    grid->setHorizontalSpacing(10);
    for (int channel = 0; channel < 3; ++channel) {
        auto* slider = new QSlider(Qt::Horizontal);
        slider->setObjectName(QLatin1String(kNames[channel]));
        slider->setRange(0, 255);
        slider->setPageStep(16);
        slider->setValue(values[size_t(channel)]);
        auto* readout = new QLabel(QString::number(values[size_t(channel)]));
        readout->setMinimumWidth(readout->fontMetrics().horizontalAdvance(QStringLiteral("2550")));
        readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* label = new QLabel(QLatin1String(kLabels[channel]));
        label->setBuddy(slider);
        grid->addWidget(label, channel, 0);
        grid->addWidget(slider, channel, 1);
        grid->addWidget(readout, channel, 2);
        grid->addWidget(new QLabel(QStringLiteral("0~255")), channel, 3);
        m_sliders[size_t(channel)] = slider;
        connect(slider, &QSlider::valueChanged, this, [this, readout](int value) {
            readout->setText(QString::number(value));
            if (m_moved)
                m_moved(Values());
        });
    }
    FinishDialog(*this, grid);
}

ColourBalanceDialog::Sliders ColourBalanceDialog::Values() const
{
    return {m_sliders[0]->value(), m_sliders[1]->value(), m_sliders[2]->value()};
}

void ColourBalanceDialog::SetValue(int channel, int value)
{
    m_sliders.at(size_t(channel))->setValue(value);
}
