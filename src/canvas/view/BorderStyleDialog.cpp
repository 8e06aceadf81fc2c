#include "canvas/view/BorderStyleDialog.h"

#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/photo/PhotoAdjustments.h"
#include "canvas/view/ColorChoiceButton.h"
#include "canvas/view/PhotoSample.h"
#include "widgets/DialogParts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QSpinBox>

BorderStyleDialog::BorderStyleDialog(const PhotoObject& photo,
                                     const PhotoDialogEdits::Border& border, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("borderStyleDlg"));
    setWindowTitle(QStringLiteral("Image Border Style"));
    m_width = new QSpinBox;
    m_width->setObjectName(QStringLiteral("width"));
    m_width->setRange(0, 20);
    m_width->setValue(border.width);
    m_colour = new ColorChoiceButton(ToQColor(border.colour), QStringLiteral("Border Line Color"));
    m_colour->setObjectName(QStringLiteral("colour"));
    m_sample = new PhotoSample(photo, QSize(200, 150));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Border &Linewidth:"), m_width);
    form->addRow(QStringLiteral("Border Line &Color:"), m_colour);
    auto* columns = new QHBoxLayout;
    columns->addLayout(form);
    columns->setAlignment(form, Qt::AlignVCenter);
    columns->addSpacing(12);
    columns->addWidget(m_sample);
    FinishDialog(*this, columns);

    ShowSample();
    connect(m_width, &QSpinBox::valueChanged, this, &BorderStyleDialog::ShowSample);
    connect(m_colour, &ColorChoiceButton::ColorChanged, this, &BorderStyleDialog::ShowSample);
}

PhotoDialogEdits::Border BorderStyleDialog::Chosen() const
{
    return {m_width->value(), ToColorRef(m_colour->Color())};
}

void BorderStyleDialog::SetWidth(int width)
{
    m_width->setValue(width);
}

void BorderStyleDialog::ShowSample()
{
    const PhotoDialogEdits::Border chosen = Chosen();
    m_sample->Change([&](PhotoObject& sample) {
        PhotoAdjustments::SetBorder(sample, chosen.width, chosen.colour);
    });
}
