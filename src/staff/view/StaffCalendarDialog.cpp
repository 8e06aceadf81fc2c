#include "staff/view/StaffCalendarDialog.h"

#include "widgets/DialogParts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

StaffCalendarDialog::StaffCalendarDialog(TimeSheet::YearMonth month,
                                         const TimeSheet::MonthPlan& plan, QWidget* parent)
    : QDialog(parent), m_plan(plan)
{
    setObjectName(QStringLiteral("staffCalendarDialog"));
    setWindowTitle(QStringLiteral("Edit Staff Calendar"));

    auto* weekdayBox = new QGroupBox(QStringLiteral("Weekday"));
    auto* weekdayLayout = new QVBoxLayout(weekdayBox);
    const char* const names[] = {"&Monday", "&Tuesday", "&Wednesday", "T&hursday", "&Friday"};
    for (size_t i = 0; i < m_weekdays.size(); ++i) {
        m_weekdays[i] = new QCheckBox(QString::fromLatin1(names[i]));
        m_weekdays[i]->setObjectName(QStringLiteral("weekday%1").arg(i + 1));
        m_weekdays[i]->setChecked(plan.weekdays[i]);
        weekdayLayout->addWidget(m_weekdays[i]);
    }
    weekdayLayout->addStretch(1);

    m_note = new QLineEdit(plan.note);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setMaxLength(100);   // the time sheet's Note column
    auto* noteLabel = new QLabel(QStringLiteral("&Note:"));
    noteLabel->setBuddy(m_note);

    m_days = new QListWidget;
    m_days->setObjectName(QStringLiteral("monthDays"));
    m_days->addItems(TimeSheet::DayKeys(month));
    auto* daysLabel = new QLabel(QStringLiteral("Month &Calendar:"));
    daysLabel->setBuddy(m_days);

    auto* add = new QPushButton(QStringLiteral("=>"));
    add->setObjectName(QStringLiteral("addLeave"));
    add->setToolTip(QStringLiteral("Put the selected day into the leave list"));
    auto* remove = new QPushButton(QStringLiteral("<="));
    remove->setObjectName(QStringLiteral("removeLeave"));
    remove->setToolTip(QStringLiteral("Take the selected day out of the leave list"));
    auto* moveButtons = new QVBoxLayout;
    moveButtons->addStretch(1);
    moveButtons->addWidget(add);
    moveButtons->addWidget(remove);
    moveButtons->addStretch(1);

    m_annual = new QRadioButton(QStringLiteral("&Annual"));
    m_annual->setObjectName(QStringLiteral("annual"));
    m_sick = new QRadioButton(QStringLiteral("&Sick"));
    m_sick->setObjectName(QStringLiteral("sick"));
    m_annual->setChecked(true);
    m_leave = new QListWidget;
    m_leave->setObjectName(QStringLiteral("leaveDays"));
    auto* leaveLabel = new QLabel(QStringLiteral("&Leave Days:"));
    leaveLabel->setBuddy(m_leave);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_annual);
    kinds->addWidget(m_sick);
    kinds->addStretch(1);

    auto* daysColumn = new QVBoxLayout;
    daysColumn->addWidget(daysLabel);
    daysColumn->addWidget(m_days);
    auto* leaveColumn = new QVBoxLayout;
    leaveColumn->addWidget(leaveLabel);
    leaveColumn->addLayout(kinds);
    leaveColumn->addWidget(m_leave);
    auto* lists = new QHBoxLayout;
    lists->addWidget(weekdayBox);
    lists->addLayout(daysColumn, 1);
    lists->addLayout(moveButtons);
    lists->addLayout(leaveColumn, 1);

    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(noteLabel);
    noteRow->addWidget(m_note, 1);
    auto* content = new QVBoxLayout;
    content->addLayout(lists, 1);
    content->addLayout(noteRow);
    FinishDialog(*this, content);
    setMinimumHeight(380);

    connect(add, &QPushButton::clicked, this, &StaffCalendarDialog::AddLeaveDay);
    connect(remove, &QPushButton::clicked, this, &StaffCalendarDialog::RemoveLeaveDay);
    connect(m_days, &QListWidget::itemDoubleClicked, this, &StaffCalendarDialog::AddLeaveDay);
    connect(m_leave, &QListWidget::itemDoubleClicked, this,
            &StaffCalendarDialog::RemoveLeaveDay);
    connect(m_annual, &QRadioButton::toggled, this, &StaffCalendarDialog::ShowAnnual);
    FillLeaveList();
}

TimeSheet::MonthPlan StaffCalendarDialog::Plan() const
{
    TimeSheet::MonthPlan plan = m_plan;
    for (size_t i = 0; i < m_weekdays.size(); ++i)
        plan.weekdays[i] = m_weekdays[i]->isChecked();
    plan.note = m_note->text();
    return plan;
}

QStringList& StaffCalendarDialog::ShownList()
{
    return m_annual->isChecked() ? m_plan.annual : m_plan.sick;
}

void StaffCalendarDialog::FillLeaveList()
{
    m_leave->clear();
    m_leave->addItems(ShownList());
}

void StaffCalendarDialog::ShowAnnual(bool annual)
{
    if (m_annual->isChecked() != annual)
        (annual ? m_annual : m_sick)->setChecked(true);
    FillLeaveList();
}

void StaffCalendarDialog::AddLeaveDay()
{
    const QListWidgetItem* day = m_days->currentItem();
    // The same day twice in one list would only clutter it.
    if (!day || ShownList().contains(day->text()))
        return;
    ShownList().append(day->text());
    FillLeaveList();
    m_days->setCurrentRow(qMin(m_days->currentRow() + 1, m_days->count() - 1));
}

void StaffCalendarDialog::RemoveLeaveDay()
{
    const int row = m_leave->currentRow();
    if (row < 0)
        return;
    ShownList().removeOne(m_leave->item(row)->text());
    FillLeaveList();
    m_leave->setCurrentRow(qMin(row, m_leave->count() - 1));
}
