#include "canvas/view/FillPresetDialog.h"

#include "canvas/editing/ObjectStyle.h"
#include "canvas/view/StyleSamples.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

FillPresetDialog::FillPresetDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fillPresetDlg"));
    setWindowTitle(QStringLiteral("Custom Fill"));
    constexpr int kColumns = 6;
    const QSize sampleSize(64, 48);
    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    for (int i = 0; i < FillPresets::kCount; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("preset%1").arg(i));
        button->setIcon(QPixmap::fromImage(StyleSamples::OfStyle(FillPresets::All()[size_t(i)],
                                                                 sampleSize)));
        button->setIconSize(sampleSize);
        button->setAutoRaise(true);
        button->setToolTip(QStringLiteral("Give the current object this look"));
        connect(button, &QToolButton::clicked, this, [this, i] { Q_EMIT PresetPicked(i); });
        grid->addWidget(button, i / kColumns, i % kColumns);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
