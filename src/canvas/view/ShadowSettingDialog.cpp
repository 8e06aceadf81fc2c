#include "canvas/view/ShadowSettingDialog.h"

#include "canvas/view/ColorChoiceButton.h"
#include "canvas/objects/PageObject.h"
#include "canvas/view/StyleSamples.h"
#include "widgets/DialogParts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QScrollBar>
#include <QSpinBox>

namespace {

constexpr int kLargestOffset = 50;

QSpinBox* OffsetBox(const QString& name, int value, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(-kLargestOffset, kLargestOffset);
    box->setValue(std::clamp(value, -kLargestOffset, kLargestOffset));
    box->setToolTip(QStringLiteral("How far the shadow lies from the object, in page units"));
    return box;
}

} // namespace

ShadowSettingDialog::ShadowSettingDialog(const StyleCommands::Shadow& shadow, QWidget* parent)
    : QDialog(parent), m_type(shadow.type)
{
    setObjectName(QStringLiteral("shadowSettingDlg"));
    setWindowTitle(QStringLiteral("Shadow Setting"));

    m_color = new ColorChoiceButton(ToQColor(shadow.color), QStringLiteral("Shadow colour"), this);
    m_color->setObjectName(QStringLiteral("shadowColor"));
    m_transparency = new QScrollBar(Qt::Horizontal, this);
    m_transparency->setObjectName(QStringLiteral("transparency"));
    m_transparency->setRange(0, 100);
    m_transparency->setValue(100 - shadow.alpha * 100 / 255);
    m_transparency->setMinimumWidth(160);
    m_transparency->setToolTip(QStringLiteral("0 a solid shadow, 100 an invisible one"));
    m_horizontal = OffsetBox(QStringLiteral("horizontal"), shadow.dx, this);
    m_vertical = OffsetBox(QStringLiteral("vertical"), shadow.dy, this);

    auto* size = new QFormLayout;
    size->addRow(QStringLiteral("&Horizontal:"), m_horizontal);
    size->addRow(QStringLiteral("&Vertical:"), m_vertical);
    auto* sizeBox = new QGroupBox(QStringLiteral("Shadow size"), this);
    sizeBox->setLayout(size);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Shadow &color:"), m_color);
    form->addRow(QStringLiteral("&Transparency:"), m_transparency);
    form->addRow(sizeBox);

    m_sample = new QLabel(this);
    m_sample->setObjectName(QStringLiteral("sample"));
    m_sample->setFixedSize(150, 120);
    m_sample->setFrameShape(QFrame::StyledPanel);
    auto* content = new QHBoxLayout;
    content->addLayout(form);
    content->addWidget(m_sample, 0, Qt::AlignTop);
    FinishDialog(*this, content);

    connect(m_color, &ColorChoiceButton::ColorChanged, this, &ShadowSettingDialog::ShowSample);
    connect(m_transparency, &QScrollBar::valueChanged, this, &ShadowSettingDialog::ShowSample);
    for (QSpinBox* box : {m_horizontal, m_vertical})
        connect(box, &QSpinBox::valueChanged, this, &ShadowSettingDialog::ShowSample);
    ShowSample();
}

StyleCommands::Shadow ShadowSettingDialog::Shadow() const
{
    return {m_type, ToColorRef(m_color->Color()),
            std::uint8_t(255 - m_transparency->value() * 255 / 100), m_horizontal->value(),
            m_vertical->value()};
}

void ShadowSettingDialog::ShowSample()
{
    const StyleCommands::Shadow shadow = Shadow();
    ObjectStyle style;
    style.fill = 1;
    style.fillType = FillType::Solid;
    style.fillColor = Rgb(255, 215, 90);
    style.shadowType = shadow.type;
    style.shadow = shadow.color;
    style.shadowAlpha = shadow.alpha;
    style.shadowDX = shadow.dx;
    style.shadowDY = shadow.dy;
    m_sample->setPixmap(QPixmap::fromImage(StyleSamples::OfStyle(style, m_sample->size())));
}
