#include "canvas/view/ResizePhotoDialog.h"

#include "widgets/DialogParts.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>

namespace {

QSpinBox* SideField(const char* name, int value)
{
    auto* field = new QSpinBox;
    field->setObjectName(QLatin1String(name));
    field->setRange(1, ResizePhotoDialog::kLargestSide);
    field->setValue(value);
    field->setSuffix(QStringLiteral(" px"));
    field->setMinimumWidth(110);
    return field;
}

} // namespace

ResizePhotoDialog::ResizePhotoDialog(QSize pictureSize, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("resizePhotoDlg"));
    setWindowTitle(QStringLiteral("Resize Photo"));
    m_width = SideField("width", pictureSize.width());
    m_height = SideField("height", pictureSize.height());
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Width:"), m_width);
    form->addRow(QStringLiteral("&Height:"), m_height);

    auto* units = new QGroupBox;
    units->setToolTip(QStringLiteral("Width and height are counted in pixels"));
    auto* unitRow = new QVBoxLayout(units);
    auto* group = new QButtonGroup(this);
    static const char* const kUnits[][2] = {
        {"&Inches", "inches"}, {"&Cm", "cm"}, {"&Pixels", "pixels"}};
    for (const auto& [text, name] : kUnits) {
        auto* unit = new QRadioButton(QLatin1String(text));
        unit->setObjectName(QLatin1String(name));
        group->addButton(unit);
        unitRow->addWidget(unit);
    }
    group->buttons().constLast()->setChecked(true);

    auto* columns = new QHBoxLayout;
    columns->addLayout(form);
    columns->addSpacing(12);
    columns->addWidget(units);
    FinishDialog(*this, columns);
    m_width->selectAll();
}

QSize ResizePhotoDialog::PictureSize() const
{
    return {m_width->value(), m_height->value()};
}

void ResizePhotoDialog::SetPictureSize(QSize size)
{
    m_width->setValue(size.width());
    m_height->setValue(size.height());
}
