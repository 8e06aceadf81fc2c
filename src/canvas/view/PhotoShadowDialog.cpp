#include "canvas/view/PhotoShadowDialog.h"

#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/photo/PhotoAdjustments.h"
#include "canvas/view/ColorChoiceButton.h"
#include "canvas/view/PhotoSample.h"
#include "widgets/DialogParts.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

namespace {

struct Direction
{
    int id;          // m_nPhotoShadowDir
    int row, column; // place in the 3 × 3 grid
    int dx, dy;      // where the shadow falls
    const char* name;
    const char* tip;
};

constexpr Direction kDirections[] = {
    {2, 0, 0, -1, -1, "upLeft", "Shadow up and to the left"},
    {3, 0, 2, 1, -1, "upRight", "Shadow up and to the right"},
    {4, 1, 1, 0, 0, "centred", "Shadow all around"},
    {1, 2, 0, -1, 1, "downLeft", "Shadow down and to the left"},
    {0, 2, 2, 1, 1, "downRight", "Shadow down and to the right"},
};

// A card with its shadow falling the button's way.
QIcon DirectionIcon(const Direction& direction)
{
    constexpr int kSide = 28;
    QPixmap icon(kSide, kSide);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    const QRect card(7, 7, 14, 14);
    const int spread = direction.dx == 0 && direction.dy == 0 ? 4 : 0;
    painter.fillRect(card.translated(direction.dx * 4, direction.dy * 4)
                         .adjusted(-spread, -spread, spread, spread),
                     QColor(90, 90, 90, 150));
    painter.fillRect(card, QColor(255, 255, 255));
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(card.adjusted(0, 0, -1, -1));
    return QIcon(icon);
}

} // namespace

PhotoShadowDialog::PhotoShadowDialog(const PhotoObject& photo,
                                     const PhotoDialogEdits::PhotoShadow& shadow, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("imageShadowDlg"));
    setWindowTitle(QStringLiteral("Image Shadow"));
    m_colour = new ColorChoiceButton(ToQColor(shadow.colour), QStringLiteral("Shadow Color"));
    m_colour->setObjectName(QStringLiteral("colour"));
    m_darkness = new QSlider(Qt::Horizontal);
    m_darkness->setObjectName(QStringLiteral("darkness"));
    m_darkness->setRange(0, 255);
    m_darkness->setPageStep(16);
    m_darkness->setValue(shadow.darkness);
    m_size = new QSpinBox;
    m_size->setObjectName(QStringLiteral("size"));
    m_size->setRange(0, kLargestSize);
    m_size->setValue(std::min(shadow.size, kLargestSize));
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_size);
    sizeRow->addWidget(new QLabel(QStringLiteral("(Pixels)")));
    sizeRow->addStretch();

    m_directions = new QButtonGroup(this);
    auto* directionGrid = new QGridLayout;
    for (const Direction& direction : kDirections) {
        auto* button = new QToolButton;
        button->setObjectName(QLatin1String(direction.name));
        button->setToolTip(QLatin1String(direction.tip));
        button->setCheckable(true);
        button->setIcon(DirectionIcon(direction));
        button->setIconSize(QSize(28, 28));
        m_directions->addButton(button, direction.id);
        directionGrid->addWidget(button, direction.row, direction.column);
    }
    if (QAbstractButton* chosen = m_directions->button(shadow.direction))
        chosen->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Shadow &Color:"), m_colour);
    form->addRow(QStringLiteral("&Darkness:"), m_darkness);
    auto* sizeLabel = new QLabel(QStringLiteral("Shadow &Size:"));
    sizeLabel->setBuddy(m_size);
    form->addRow(sizeLabel, sizeRow);
    form->addRow(QStringLiteral("Direction:"), directionGrid);
    m_sample = new PhotoSample(photo, QSize(220, 170));
    auto* columns = new QHBoxLayout;
    columns->addLayout(form);
    columns->addSpacing(12);
    columns->addWidget(m_sample, 0, Qt::AlignTop);
    FinishDialog(*this, columns);

    ShowSample();
    connect(m_colour, &ColorChoiceButton::ColorChanged, this, &PhotoShadowDialog::ShowSample);
    connect(m_darkness, &QSlider::valueChanged, this, &PhotoShadowDialog::ShowSample);
    connect(m_size, &QSpinBox::valueChanged, this, &PhotoShadowDialog::ShowSample);
    connect(m_directions, &QButtonGroup::idClicked, this, &PhotoShadowDialog::ShowSample);
}

PhotoDialogEdits::PhotoShadow PhotoShadowDialog::Chosen() const
{
    return {std::max(m_directions->checkedId(), 0), m_size->value(),
            std::uint8_t(m_darkness->value()), ToColorRef(m_colour->Color())};
}

void PhotoShadowDialog::ShowSample()
{
    const PhotoDialogEdits::PhotoShadow chosen = Chosen();
    m_sample->Change([&](PhotoObject& sample) {
        PhotoAdjustments::SetPhotoShadow(sample, chosen.direction, chosen.size, chosen.darkness,
                                         chosen.colour);
    });
}
