#include "canvas/view/CalendarLookPanel.h"

#include "canvas/objects/FillStyles.h"
#include "canvas/view/CalendarLanguageDialog.h"
#include "canvas/view/ColorChoiceButton.h"
#include "canvas/view/PublicHolidaysDialog.h"
#include "widgets/ModalRunner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* Combo(const QString& name, std::initializer_list<std::pair<const char*, int>> items,
                 int current)
{
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    for (const auto& [text, value] : items)
        combo->addItem(QString::fromUtf8(text), value);
    const int index = combo->findData(current);
    combo->setCurrentIndex(index >= 0 ? index : 0);
    return combo;
}

QCheckBox* Check(const QString& text, const QString& name, bool checked, const QString& tip)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    box->setChecked(checked);
    box->setToolTip(tip);
    return box;
}

QLabel* Label(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

ColorChoiceButton* ColorButton(ColorRef color, const QString& what, const QString& name)
{
    auto* button = new ColorChoiceButton(ToQColor(color), what);
    button->setObjectName(name);
    return button;
}

QPushButton* Button(const QString& text, const QString& name, const QString& tip)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setToolTip(tip);
    return button;
}

} // namespace

CalendarLookPanel::CalendarLookPanel(const CalendarLook& look, QWidget* parent)
    : QWidget(parent)
{
    m_shape = Combo(QStringLiteral("shape"),
                    {{"Transparency", CalendarShape::Transparent},
                     {"Rectangle", CalendarShape::Rectangle},
                     {"Round Rectangle", CalendarShape::RoundRectangle},
                     {"Wall Sheet", CalendarShape::WallSheet}},
                    look.shape);
    m_shape->setToolTip(QStringLiteral("The shape behind the calendar; Transparency shows the page"));
    m_fill = Check(QStringLiteral("&Fill background"), QStringLiteral("fillBackground"),
                   look.fillBackground, QStringLiteral("Fill the shape with the background color"));
    m_background = ColorButton(look.background, QStringLiteral("Background color"),
                               QStringLiteral("backgroundColor"));
    m_outline = Check(QStringLiteral("Outl&ine"), QStringLiteral("outline"), look.outline,
                      QStringLiteral("A line around the shape and the cell borders"));
    m_outlineColor = ColorButton(look.outlineColor, QStringLiteral("Outline color"),
                                 QStringLiteral("outlineColor"));
    m_band = Check(QStringLiteral("Weekday &band"), QStringLiteral("weekdayBand"), !look.noWeekdayBand,
                   QStringLiteral("A colored band behind the weekday names"));
    m_bandColor = ColorButton(look.weekdayBand, QStringLiteral("Weekday band color"),
                              QStringLiteral("bandColor"));
    m_holidayMark = Combo(QStringLiteral("holidayMark"),
                          {{"Filled cell", CalendarLook::FilledCell},
                           {"Bold number", CalendarLook::BoldNumber}},
                          look.holidayMark);
    m_holidayMark->setToolTip(QStringLiteral("How public holidays stand out"));
    m_holidayColor = ColorButton(look.holiday, QStringLiteral("Holiday color"),
                                 QStringLiteral("holidayColor"));
    m_weekStart = Combo(QStringLiteral("weekStart"), {{"Monday", 0}, {"Sunday", 1}},
                        look.sundayFirst ? 1 : 0);
    m_weekdayStyle = Combo(QStringLiteral("weekdayStyle"),
                           {{"One letter (M)", CalendarLook::OneLetter},
                            {"Three letters (Mon)", CalendarLook::ThreeLetters},
                            {"Full names (Monday)", CalendarLook::FullNames}},
                           look.weekdayStyle);
    m_showYear = Check(QStringLiteral("Show the y&ear in the title"), QStringLiteral("showYear"),
                       look.showYear, QStringLiteral("The year follows the month name"));
    m_ownLanguage = Check(QStringLiteral("Own &language"), QStringLiteral("ownLanguage"),
                          look.ownLanguage,
                          QStringLiteral("Use your own month and weekday names instead of English"));
    auto* names = Button(QStringLiteral("Na&mes..."), QStringLiteral("editNames"),
                         QStringLiteral("Your own month and weekday names"));
    auto* holidays = Button(QStringLiteral("&Public Holidays..."), QStringLiteral("editHolidays"),
                            QStringLiteral("The public holidays every calendar marks"));
    m_cellBorders = Check(QStringLiteral("&Cell borders"), QStringLiteral("cellBorders"),
                          look.cellBorders, QStringLiteral("A box around each day"));
    m_topLeftNumbers = Check(QStringLiteral("N&umbers at the top left"),
                             QStringLiteral("topLeftNumbers"), look.topLeftNumbers,
                             QStringLiteral("Day numbers in the corner of their boxes"));

    auto* grid = new QGridLayout;
    grid->addWidget(Label(QStringLiteral("&Shape:"), m_shape), 0, 0);
    grid->addWidget(m_shape, 0, 1);
    grid->addWidget(m_fill, 1, 0, 1, 2);
    grid->addWidget(m_background, 1, 2);
    grid->addWidget(m_outline, 2, 0, 1, 2);
    grid->addWidget(m_outlineColor, 2, 2);
    grid->addWidget(m_band, 3, 0, 1, 2);
    grid->addWidget(m_bandColor, 3, 2);
    grid->addWidget(Label(QStringLiteral("&Holidays marked by:"), m_holidayMark), 4, 0);
    grid->addWidget(m_holidayMark, 4, 1);
    grid->addWidget(m_holidayColor, 4, 2);
    grid->addWidget(Label(QStringLiteral("Week sta&rts on:"), m_weekStart), 5, 0);
    grid->addWidget(m_weekStart, 5, 1);
    grid->addWidget(Label(QStringLiteral("Weekday &names:"), m_weekdayStyle), 6, 0);
    grid->addWidget(m_weekdayStyle, 6, 1);
    grid->addWidget(m_showYear, 7, 0, 1, 3);
    grid->addWidget(m_ownLanguage, 8, 0, 1, 2);
    grid->addWidget(names, 8, 2);
    grid->addWidget(holidays, 9, 2);

    auto* transparent = new QGroupBox(QStringLiteral("With Transparency"));
    auto* transparentLayout = new QHBoxLayout(transparent);
    transparentLayout->addWidget(m_cellBorders);
    transparentLayout->addWidget(m_topLeftNumbers);
    transparentLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addWidget(transparent);

    connect(m_fill, &QCheckBox::toggled, m_background, &QWidget::setEnabled);
    connect(m_outline, &QCheckBox::toggled, m_outlineColor, &QWidget::setEnabled);
    connect(m_band, &QCheckBox::toggled, m_bandColor, &QWidget::setEnabled);
    connect(m_shape, &QComboBox::currentIndexChanged, this, &CalendarLookPanel::EnableTransparentOptions);
    connect(m_cellBorders, &QCheckBox::toggled, this, &CalendarLookPanel::EnableTransparentOptions);
    connect(names, &QPushButton::clicked, this, &CalendarLookPanel::EditNames);
    connect(holidays, &QPushButton::clicked, this, &CalendarLookPanel::EditHolidays);
    m_background->setEnabled(m_fill->isChecked());
    m_outlineColor->setEnabled(m_outline->isChecked());
    m_bandColor->setEnabled(m_band->isChecked());
    EnableTransparentOptions();
}

void CalendarLookPanel::EnableTransparentOptions()
{
    const bool transparent = m_shape->currentData().toInt() == CalendarShape::Transparent;
    m_cellBorders->setEnabled(transparent);
    m_topLeftNumbers->setEnabled(transparent && m_cellBorders->isChecked());
}

CalendarLook CalendarLookPanel::Look() const
{
    CalendarLook look;
    look.shape = m_shape->currentData().toInt();
    look.fillBackground = m_fill->isChecked();
    look.background = ToColorRef(m_background->Color());
    look.outline = m_outline->isChecked();
    look.outlineColor = ToColorRef(m_outlineColor->Color());
    look.noWeekdayBand = !m_band->isChecked();
    look.weekdayBand = ToColorRef(m_bandColor->Color());
    look.holidayMark = m_holidayMark->currentData().toInt();
    look.holiday = ToColorRef(m_holidayColor->Color());
    look.sundayFirst = m_weekStart->currentData().toInt() == 1;
    look.weekdayStyle = m_weekdayStyle->currentData().toInt();
    look.showYear = m_showYear->isChecked();
    look.ownLanguage = m_ownLanguage->isChecked();
    look.cellBorders = m_cellBorders->isChecked();
    look.topLeftNumbers = m_topLeftNumbers->isChecked();
    return look;
}

void CalendarLookPanel::EditNames()
{
    CalendarLanguageDialog dialog(m_ownLanguage->isChecked(), this);
    if (RunModal(dialog) == QDialog::Accepted)
        m_ownLanguage->setChecked(dialog.UseOwnNames());
}

void CalendarLookPanel::EditHolidays()
{
    PublicHolidaysDialog dialog(this);
    RunModal(dialog);
}
