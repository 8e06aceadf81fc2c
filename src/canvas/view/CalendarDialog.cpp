#include "canvas/view/CalendarDialog.h"

#include "canvas/objects/CalendarSettings.h"
#include "canvas/view/CalendarFontsPanel.h"
#include "canvas/view/CalendarLookPanel.h"
#include "widgets/DialogParts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QGroupBox* Group(const QString& title, QWidget* content)
{
    auto* group = new QGroupBox(title);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

} // namespace

CalendarDialog::CalendarDialog(const CalendarOptionSet& initial, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Calendar"));

    m_year = new QSpinBox;
    m_year->setObjectName(QStringLiteral("year"));
    m_year->setRange(kFirstYear, kLastYear);
    m_year->setValue(std::clamp(initial.year, kFirstYear, kLastYear));
    m_year->setToolTip(QStringLiteral("The year of the calendar"));
    auto* yearLabel = new QLabel(QStringLiteral("&Year:"));
    yearLabel->setBuddy(m_year);

    m_oneMonth = new QRadioButton(QStringLiteral("&One month:"));
    m_oneMonth->setObjectName(QStringLiteral("oneMonth"));
    m_month = new QComboBox;
    m_month->setObjectName(QStringLiteral("month"));
    m_month->addItems(CalendarSettings::English().monthNames);
    m_month->setCurrentIndex(std::clamp(initial.month, 1, 12) - 1);
    m_month->setToolTip(QStringLiteral("The month of the calendar"));

    m_wholeYear = new QRadioButton(QStringLiteral("&Whole year:"));
    m_wholeYear->setObjectName(QStringLiteral("wholeYear"));
    m_wholeYear->setToolTip(QStringLiteral("Twelve calendars, January to December"));
    m_layout = new QComboBox;
    m_layout->setObjectName(QStringLiteral("yearLayout"));
    m_layout->addItem(QStringLiteral("4 months a row"), CalendarOptionSet::RowsOfFour);
    m_layout->addItem(QStringLiteral("3 months a row"), CalendarOptionSet::RowsOfThree);
    m_layout->addItem(QStringLiteral("6 months a row"), CalendarOptionSet::RowsOfSix);
    m_layout->addItem(QStringLiteral("Cascade"), CalendarOptionSet::Cascade);
    m_layout->setCurrentIndex(std::max(0, m_layout->findData(initial.yearLayout)));
    m_layout->setToolTip(QStringLiteral("How the twelve calendars are laid out on the page"));

    auto* choice = new QButtonGroup(this);
    choice->addButton(m_oneMonth);
    choice->addButton(m_wholeYear);
    (initial.wholeYear ? m_wholeYear : m_oneMonth)->setChecked(true);
    connect(m_oneMonth, &QRadioButton::toggled, m_month, &QWidget::setEnabled);
    connect(m_wholeYear, &QRadioButton::toggled, m_layout, &QWidget::setEnabled);
    m_month->setEnabled(!initial.wholeYear);
    m_layout->setEnabled(initial.wholeYear);

    auto* when = new QWidget;
    auto* whenGrid = new QGridLayout(when);
    whenGrid->setContentsMargins(0, 0, 0, 0);
    whenGrid->addWidget(yearLabel, 0, 0);
    whenGrid->addWidget(m_year, 0, 1);
    whenGrid->addWidget(m_oneMonth, 1, 0);
    whenGrid->addWidget(m_month, 1, 1);
    whenGrid->addWidget(m_wholeYear, 2, 0);
    whenGrid->addWidget(m_layout, 2, 1);
    whenGrid->setColumnStretch(1, 1);

    m_fonts = new CalendarFontsPanel(initial.fonts);
    m_look = new CalendarLookPanel(initial.look);

    auto* left = new QVBoxLayout;
    left->addWidget(Group(QStringLiteral("Calendar"), when));
    left->addWidget(Group(QStringLiteral("Fonts"), m_fonts));
    left->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(Group(QStringLiteral("Look"), m_look), 0, Qt::AlignTop);
    FinishDialog(*this, columns);
    m_year->setFocus();
}

CalendarOptionSet CalendarDialog::Options() const
{
    CalendarOptionSet options;
    options.year = m_year->value();
    options.month = m_month->currentIndex() + 1;
    options.wholeYear = m_wholeYear->isChecked();
    options.yearLayout = m_layout->currentData().toInt();
    options.fonts = m_fonts->Fonts();
    options.look = m_look->Look();
    return options;
}
