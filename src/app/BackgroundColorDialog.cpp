#include "app/BackgroundColorDialog.h"

#include "widgets/ColorSwatchButton.h"
#include "widgets/DialogParts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

const std::array<BackgroundColorDialog::Swatch, 12>& BackgroundColorDialog::Swatches()
{
    static const std::array<Swatch, 12> swatches{{
        {1093, QColor(255, 255, 255)}, {1004, QColor(129, 192, 245)}, {1090, QColor(128, 128, 128)},
        {1009, QColor(107, 153, 203)}, {1005, QColor(31, 128, 186)},  {1091, QColor(141, 141, 141)},
        {1010, QColor(157, 211, 228)}, {1006, QColor(83, 83, 83)},    {1092, QColor(192, 192, 192)},
        {1008, QColor(102, 148, 227)}, {1011, QColor(45, 124, 134)},  {1012, QColor(177, 100, 255)},
    }};
    return swatches;
}

BackgroundColorDialog::BackgroundColorDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Alternate Wall Paper"));

    auto* grid = new QGridLayout;
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    const auto& swatches = Swatches();
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        auto* button = new ColorSwatchButton(swatches[i].color, this);
        button->setObjectName(QStringLiteral("swatch%1").arg(swatches[i].controlId));
        group->addButton(button, swatches[i].controlId);
        grid->addWidget(button, static_cast<int>(i / 3), static_cast<int>(i % 3));
        button->setChecked(swatches[i].color == kStartColor);
        m_buttons[i] = button;
    }
    connect(group, &QButtonGroup::idClicked, this, &BackgroundColorDialog::Choose);

    auto* content = new QVBoxLayout;
    content->addWidget(new QLabel(QStringLiteral("Alternate Wall Papers:")));
    content->addLayout(grid);
    FinishDialog(*this, content);
}

void BackgroundColorDialog::Choose(int controlId)
{
    const auto& swatches = Swatches();
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        if (swatches[i].controlId == controlId) {
            m_selected = swatches[i].color;
            m_buttons[i]->setChecked(true);
        }
    }
}
