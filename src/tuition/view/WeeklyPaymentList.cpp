#include "tuition/view/WeeklyPaymentList.h"

#include "commands/CommandIds.h"
#include "settings/ProgramState.h"
#include "photos/PhotoLibraryLayout.h"
#include "platform/Clock.h"
#include "widgets/ModalRunner.h"
#include "platform/UserPrompt.h"
#include "platform/SettingsStore.h"
#include "records/ChildRecords.h"
#include "records/PaymentTable.h"
#include "records/EnrollmentTable.h"
#include "records/RecordsDatabase.h"
#include "tuition/view/WeeklyPaymentDialog.h"

#include <QMenu>
#include <QScopedValueRollback>

namespace {

using View = WeeklyPaymentList;

// Pixel widths as the center has always had them, widened where today's fonts need it.
constexpr const char* kDate = "2026-12-31";
constexpr const char* kAmount = "9999.99";
constexpr ReportListView::ColumnSpec kColumns[View::ColumnCount] = {
    {"Week Start", 70, Qt::AlignLeft, kDate},     {"Week End", 70, Qt::AlignLeft, kDate},
    {"Child Name", 100, Qt::AlignLeft},          {"Session Days", 80, Qt::AlignHCenter},
    {"Weekly Fee", 75, Qt::AlignRight, kAmount}, {"Extra Hours", 85, Qt::AlignRight, kAmount},
    {"Extra Charge", 85, Qt::AlignRight, kAmount}, {"Discount", 65, Qt::AlignRight, kAmount},
    {"Weekly PBG", 75, Qt::AlignRight, kAmount}, {"PBP", 60, Qt::AlignRight, kAmount},
    {"Date Paid", 70, Qt::AlignLeft, kDate},      {"Paid With", 140, Qt::AlignLeft},
    {"Debit", 70, Qt::AlignRight, kAmount},
};

// The columns an entry changes.
constexpr int kEnteredColumns[] = {View::ExtraHoursColumn, View::ExtraChargeColumn,
                                   View::DiscountColumn,   View::PbpColumn,
                                   View::PaidDateColumn,   View::PaidByColumn,
                                   View::DebitColumn};

enum class RowCommand { None, Add, Edit, Delete };

// The menu's ids and the toolbar's run the same three commands.
RowCommand RowCommandOf(int id)
{
    using namespace Cmd;
    if (id == PaymentAdd || id == PaymentMenuAdd)
        return RowCommand::Add;
    if (id == PaymentEdit || id == PaymentMenuEdit)
        return RowCommand::Edit;
    if (id == PaymentDelete || id == PaymentMenuDelete)
        return RowCommand::Delete;
    return RowCommand::None;
}

bool IsMonthCommand(int id)
{
    return id >= Cmd::ShowMonthJanuary && id <= Cmd::ShowMonthDecember;
}

qint64 RowIdOf(const QTreeWidgetItem& row)
{
    return row.data(View::WeekStartColumn, Qt::UserRole).toLongLong();
}

// What an entry starts from, as the row's texts show it.
WeeklyPayment PaymentOfRow(const QTreeWidgetItem& row)
{
    using ChildRecords::ParseAmount;
    WeeklyPayment payment;
    payment.rowId = RowIdOf(row);
    payment.childName = row.text(View::NameColumn);
    payment.weeklyFee = ParseAmount(row.text(View::FeeColumn));
    payment.extraHours = ParseAmount(row.text(View::ExtraHoursColumn));
    payment.discount = ParseAmount(row.text(View::DiscountColumn));
    payment.weeklyPbg = ParseAmount(row.text(View::PbgColumn));
    payment.pbp = ParseAmount(row.text(View::PbpColumn));
    payment.paidDate = row.text(View::PaidDateColumn);
    payment.paidBy = row.text(View::PaidByColumn);
    return payment;
}

PaymentEntry OfferedEntry(const WeeklyPayment& payment)
{
    PaymentEntry entry;
    entry.paidDate = WeeklyPayments::PaidDateOf(payment.paidDate, Clock::TodayUtc());
    entry.pbp = payment.pbp;
    entry.extraHours = payment.extraHours;
    entry.discount = WeeklyPayments::OfferedDiscount(payment.discount);
    entry.paidBy = payment.paidBy;
    return entry;
}

} // namespace

WeeklyPaymentList::WeeklyPaymentList(QWidget* parent)
    : ReportListView(kColumns, {Cmd::PaymentMenuAdd, Cmd::PaymentMenuEdit, Cmd::PaymentMenuDelete},
                  parent),
      m_weekCheck([this] {
          return WeekCheck::Run(Settings(), Enrollment(), Payments(), Clock::TodayUtc(),
                                Program().tuitionRates, &m_completedWeek);
      })
{
    setObjectName(QStringLiteral("ChildPaymentListView"));
    m_weekTimer.setInterval(kWeekCheckInterval);
    connect(&m_weekTimer, &QTimer::timeout, this, &WeeklyPaymentList::RunWeekCheck);
}

WeeklyPaymentList::~WeeklyPaymentList() = default;

void WeeklyPaymentList::ShowChild(const QString& folderName)
{
    m_folderName = folderName;
    if (folderName != m_childName) {
        m_childName = folderName;
        m_monthShown.reset();
        const std::vector<WeeklyPayment> rows = Reload();
        // The class folder lists everyone: the list goes on with the last child listed.
        if (folderName == QLatin1String(PhotoLibrary::kClassFolder) && !rows.empty())
            m_childName = rows.back().childName;
    }
    Q_EMIT CommandStateChanged();
}

void WeeklyPaymentList::ShowMonth(int month)
{
    m_monthShown = month;
    Reload();
    Q_EMIT CommandStateChanged();
}

bool WeeklyPaymentList::OnCommand(int id)
{
    const RowCommand command = RowCommandOf(id);
    if (command == RowCommand::None && !IsMonthCommand(id))
        return false;
    if (!UpdateCommand(id).enabled || m_commandRunning)
        return true;
    const QScopedValueRollback running(m_commandRunning, true);
    switch (command) {
    case RowCommand::Add: AddWeek(); break;
    case RowCommand::Edit: EditWeek(); break;
    case RowCommand::Delete: DeleteWeek(); break;
    case RowCommand::None: ShowMonth(id - Cmd::ShowMonthJanuary + 1); break;
    }
    Q_EMIT CommandStateChanged();
    return true;
}

CommandState WeeklyPaymentList::UpdateCommand(int id) const
{
    switch (RowCommandOf(id)) {
    case RowCommand::Add:
        // The class folder names nobody, whoever was listed last.
        return CommandState::Enabled(!m_childName.isEmpty()
                                      && ChildRecords::IsChildFolderName(m_folderName));
    case RowCommand::Edit:
    case RowCommand::Delete: return CommandState::Enabled(FirstSelectedRow() != nullptr);
    case RowCommand::None: break;
    }
    if (IsMonthCommand(id))
        return CommandState::Enabled(!m_folderName.isEmpty());
    return {};
}

QMenu* WeeklyPaymentList::BuildContextMenu()
{
    auto* menu = new QMenu(QStringLiteral("ChildPayment"), this);
    menu->setObjectName(QStringLiteral("ChildPayment"));
    for (const int id : {Cmd::PaymentMenuAdd, Cmd::PaymentMenuEdit, Cmd::PaymentMenuDelete})
        menu->addAction(MenuAction(id, *menu));
    menu->addSeparator();
    QMenu* months = menu->addMenu(QStringLiteral("Show Monthly"));
    months->setObjectName(QStringLiteral("ShowMonthly"));
    for (int id = Cmd::ShowMonthJanuary; id <= Cmd::ShowMonthDecember; ++id)
        months->addAction(MenuAction(id, *months));
    return menu;
}

void WeeklyPaymentList::RunWeekCheck()
{
    // A command waiting for the user works on the rows listed now; the next tick checks.
    if (m_commandRunning)
        return;
    const std::optional<WeekCheck::Result> result = m_weekCheck.Run();
    const bool madeRows = result && result->outcome == WeekCheck::Outcome::Generated
                       && result->generation.added > 0;
    if (madeRows && !m_folderName.isEmpty())
        Reload();
}

void WeeklyPaymentList::showEvent(QShowEvent* event)
{
    ReportListView::showEvent(event);
    if (!m_weekTimer.isActive())
        m_weekTimer.start();
}

void WeeklyPaymentList::AddWeek()
{
    if (!RecordsDatabaseExists()) {
        Prompt().Inform(QStringLiteral("There is no records database yet. Save the child's "
                                       "information at the Child Center first; tuition weeks "
                                       "can be added after that."));
        return;
    }
    WeeklyPayment added;
    bool enrolled = false;
    if (!ReportDatabaseErrors([&] {
            enrolled = WeeklyPayments::AddCurrentWeek(Enrollment(), Payments(), m_childName,
                                                      Clock::TodayUtc(),
                                                      Program().tuitionRates, &added);
        }))
        return;
    if (!enrolled) {
        Prompt().Inform(QStringLiteral("%1 is not enrolled at the Child Center, so there is "
                                       "no tuition to add a week of.")
                            .arg(m_childName));
        return;
    }
    AppendRow(added);
}

void WeeklyPaymentList::EditWeek()
{
    QTreeWidgetItem* row = FirstSelectedRow();
    if (!row)
        return;
    const WeeklyPayment shown = PaymentOfRow(*row);
    WeeklyPaymentDialog dialog(OfferedEntry(shown), this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const WeeklyPayment entered =
        WeeklyPayments::Entered(shown, dialog.Entry(), Program().tuitionRates);
    QStringList shownTexts;
    for (int column = 0; column < WeeklyPayments::RowTexts(shown).size(); ++column)
        shownTexts << row->text(column);
    bool found = false;
    bool changedElsewhere = false;
    if (!ReportDatabaseErrors([&] {
            try {
                found = WeeklyPayments::UpdateRow(Payments(), entered, row->text(WeekStartColumn),
                                                  row->text(WeekEndColumn), shownTexts);
            } catch (const RowChangedError&) {
                changedElsewhere = true;
                throw;
            }
        })) {
        // Another seat's change stays; the list shows it.
        if (changedElsewhere)
            Reload();
        return;
    }
    if (!found) {
        delete row;
        Prompt().Warn(QStringLiteral("This tuition week is no longer in the database; it has "
                                     "been taken off the list."));
        return;
    }
    const QStringList texts = WeeklyPayments::RowTexts(entered);
    for (const int column : kEnteredColumns)
        row->setText(column, texts[column]);
}

void WeeklyPaymentList::DeleteWeek()
{
    if (Prompt().AskYesNoCancel(QStringLiteral("Are you sure you need to delete this record?"))
        != UserPrompt::Answer::Yes)
        return;
    QTreeWidgetItem* row = FirstSelectedRow();
    if (!row)
        return;
    if (ReportDatabaseErrors([&] {
            WeeklyPayments::DeleteRow(Payments(), row->text(NameColumn),
                                      row->text(WeekStartColumn), row->text(WeekEndColumn),
                                      RowIdOf(*row));
        }))
        delete row;
}

std::vector<WeeklyPayment> WeeklyPaymentList::Reload()
{
    const QTreeWidgetItem* selected = FirstSelectedRow();
    const qint64 selectedId = selected ? RowIdOf(*selected) : 0;
    clear();
    std::vector<WeeklyPayment> rows;
    if (RecordsDatabaseExists()) {
        ReportDatabaseErrors([&] {
            rows = m_monthShown ? WeeklyPayments::MonthRows(Payments(), m_folderName,
                                                            Clock::TodayUtc().year(),
                                                            *m_monthShown)
                                : WeeklyPayments::ChildRows(Payments(), m_folderName);
        });
    }
    for (const WeeklyPayment& payment : rows)
        AppendRow(payment);
    for (int at = 0; selectedId != 0 && at < topLevelItemCount(); ++at) {
        if (RowIdOf(*topLevelItem(at)) == selectedId)
            setCurrentItem(topLevelItem(at));
    }
    return rows;
}

void WeeklyPaymentList::AppendRow(const WeeklyPayment& payment)
{
    auto* row = new QTreeWidgetItem;
    FillRow(*row, WeeklyPayments::RowTexts(payment));
    row->setData(WeekStartColumn, Qt::UserRole, payment.rowId);
    PlaceRow(row);
}

PaymentTable& WeeklyPaymentList::Payments()
{
    if (!m_payments)
        m_payments = std::make_unique<PaymentTable>();
    return *m_payments;
}

EnrollmentTable& WeeklyPaymentList::Enrollment()
{
    if (!m_enrollment)
        m_enrollment = std::make_unique<EnrollmentTable>();
    return *m_enrollment;
}
