#include "canvas/view/PublicHolidaysDialog.h"

#include "canvas/objects/CalendarSettings.h"
#include "widgets/DialogParts.h"
#include "platform/Clock.h"
#include "platform/UserPrompt.h"
#include "platform/SettingsStore.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>

namespace {

QString Shown(const QDate& date)
{
    return FormatHoliday(date) + QStringLiteral("   ") +
           QLocale(QLocale::English).dayName(date.dayOfWeek(), QLocale::ShortFormat);
}

} // namespace

PublicHolidaysDialog::PublicHolidaysDialog(QWidget* parent)
    : QDialog(parent), m_holidays(CalendarSettings::Load(Settings()).publicHolidays)
{
    setWindowTitle(QStringLiteral("Public Holidays"));

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("holidays"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setMinimumSize(200, 220);
    m_list->setToolTip(QStringLiteral("The days every calendar marks as holidays"));
    auto* listLabel = new QLabel(QStringLiteral("&Holidays:"));
    listLabel->setBuddy(m_list);

    m_date = new QDateEdit(Clock::TodayLocal());
    m_date->setObjectName(QStringLiteral("date"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setToolTip(QStringLiteral("The day to add"));
    auto* dateLabel = new QLabel(QStringLiteral("&Date:"));
    dateLabel->setBuddy(m_date);

    auto* add = new QPushButton(QStringLiteral("&Add"));
    add->setObjectName(QStringLiteral("add"));
    add->setAutoDefault(false);
    add->setToolTip(QStringLiteral("Add the date to the holidays"));
    m_remove = new QPushButton(QStringLiteral("&Remove"));
    m_remove->setObjectName(QStringLiteral("remove"));
    m_remove->setAutoDefault(false);
    m_remove->setToolTip(QStringLiteral("Remove the selected holidays"));

    auto* grid = new QGridLayout;
    grid->addWidget(listLabel, 0, 0);
    grid->addWidget(m_list, 1, 0, 4, 1);
    grid->addWidget(dateLabel, 0, 1);
    grid->addWidget(m_date, 1, 1);
    grid->addWidget(add, 2, 1);
    grid->addWidget(m_remove, 3, 1);
    grid->setRowStretch(4, 1);
    FinishDialog(*this, grid);

    connect(add, &QPushButton::clicked, this, &PublicHolidaysDialog::AddDate);
    connect(m_remove, &QPushButton::clicked, this, &PublicHolidaysDialog::RemoveSelected);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_list->selectedItems().isEmpty()); });
    ShowList(QDate());
    m_date->setFocus();
}

void PublicHolidaysDialog::ShowList(const QDate& selected)
{
    m_list->clear();
    for (const QDate& date : m_holidays) {
        auto* item = new QListWidgetItem(Shown(date), m_list);
        item->setData(Qt::UserRole, date);
        if (date == selected) {
            m_list->setCurrentItem(item);
            m_list->scrollToItem(item);
        }
    }
    m_remove->setEnabled(!m_list->selectedItems().isEmpty());
}

void PublicHolidaysDialog::AddDate()
{
    const QDate date = m_date->date();
    if (!m_holidays.contains(date))
        m_holidays = TidyHolidays(m_holidays << date);
    ShowList(date);
}

void PublicHolidaysDialog::RemoveSelected()
{
    for (const QListWidgetItem* item : m_list->selectedItems())
        m_holidays.removeAll(item->data(Qt::UserRole).toDate());
    ShowList(QDate());
}

void PublicHolidaysDialog::accept()
{
    CalendarSettings settings;
    settings.publicHolidays = m_holidays;
    if (!settings.SaveHolidays(Settings()))
        Prompt().Warn(QStringLiteral("The public holidays could not be saved; they are used until the program closes."));
    QDialog::accept();
}
