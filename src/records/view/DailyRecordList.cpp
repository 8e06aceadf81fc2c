#include "records/view/DailyRecordList.h"

#include "commands/CommandIds.h"
#include "platform/Clock.h"
#include "widgets/ModalRunner.h"
#include "platform/UserPrompt.h"
#include "records/ChildRecords.h"
#include "records/DailyRecordTable.h"
#include "records/view/DailyRecordDialog.h"
#include "records/RecordsDatabase.h"

#include <QMenu>

namespace {

constexpr ReportListView::ColumnSpec kColumns[DailyRecordList::ColumnCount] = {
    {"Date", 100},         {"Child Name", 150},   {"Who Pickup", 150}, {"Pickup Time", 80},
    {"Teachers Note", 550}, {"Parents Note", 550}, {"Resvered1", 0},    {"Resvered2", 0},
};

// The date as the row carries it; the cell shows it zero-padded.
constexpr int kDateRole = Qt::UserRole + 1;

QStringList RowTexts(const DailyRecord& record)
{
    return {record.date.toString(Qt::ISODate), record.childName, record.pickup,
            record.pickupTime, record.note, record.parentsNote, record.reserved1,
            record.reserved2};
}

DailyRecord RecordOfRow(const QTreeWidgetItem& row)
{
    using View = DailyRecordList;
    DailyRecord record;
    record.index = row.data(View::DateColumn, Qt::UserRole).toInt();
    record.date = row.data(View::DateColumn, kDateRole).toDate();
    record.childName = row.text(View::NameColumn);
    record.pickup = row.text(View::PickupColumn);
    record.pickupTime = row.text(View::TimeColumn);
    record.note = row.text(View::NoteColumn);
    record.parentsNote = row.text(View::ParentsNoteColumn);
    record.reserved1 = row.text(View::Reserved1Column);
    record.reserved2 = row.text(View::Reserved2Column);
    return record;
}

bool IsDailyCommand(int id)
{
    return id == Cmd::DailyAdd || id == Cmd::DailyEdit || id == Cmd::DailyDelete;
}

} // namespace

void DailyRecordList::FillRow(QTreeWidgetItem& row, const DailyRecord& record) const
{
    ReportListView::FillRow(row, RowTexts(record));
    // Notes run longer than their cells.
    row.setToolTip(DailyRecordList::NoteColumn, record.note);
    row.setToolTip(DailyRecordList::ParentsNoteColumn, record.parentsNote);
    row.setData(DailyRecordList::DateColumn, Qt::UserRole, record.index);
    row.setData(DailyRecordList::DateColumn, kDateRole, record.date);
}

DailyRecordList::DailyRecordList(QWidget* parent)
    : ReportListView(kColumns, {Cmd::DailyAdd, Cmd::DailyEdit, Cmd::DailyDelete}, parent)
{
    setObjectName(QStringLiteral("ChildrenInfoView"));
}

DailyRecordList::~DailyRecordList() = default;

void DailyRecordList::ShowChild(const QString& folderName)
{
    if (m_lastFolder == folderName)
        return;
    m_lastFolder = folderName;
    // The class and materials folders are nobody's: the list keeps the child it shows,
    // as the form above it does.
    if (!ChildRecords::IsChildFolderName(folderName))
        return;
    clear();
    m_childName = folderName;
    std::vector<DailyRecord> records;
    if (RecordsDatabaseExists()) {
        ReportDatabaseErrors([&] {
            records = DailyRecords::MonthRecords(RecordSet(), folderName, Clock::TodayUtc());
        });
    }
    for (const DailyRecord& record : records)
        AppendRow(record);
    if (!records.empty())
        m_working = records.back();
    Q_EMIT CommandStateChanged();
}

void DailyRecordList::Clear()
{
    clear();
    m_childName.clear();
    m_lastFolder.reset();
    Q_EMIT CommandStateChanged();
}

QString DailyRecordList::SelectedTeacherNote() const
{
    const QTreeWidgetItem* row = FirstSelectedRow();
    return row ? row->text(NoteColumn) : QString();
}

bool DailyRecordList::OnCommand(int id)
{
    if (!IsDailyCommand(id))
        return false;
    if (!UpdateCommand(id).enabled)
        return true;
    if (id == Cmd::DailyAdd)
        AddRecord();
    else if (id == Cmd::DailyEdit)
        EditRecord();
    else
        DeleteRecord();
    Q_EMIT CommandStateChanged();
    return true;
}

CommandState DailyRecordList::UpdateCommand(int id) const
{
    if (id == Cmd::DailyAdd)
        return CommandState::Enabled(!m_childName.isEmpty());
    if (IsDailyCommand(id))
        return CommandState::Enabled(FirstSelectedRow() != nullptr);
    return {};
}

QMenu* DailyRecordList::BuildContextMenu()
{
    auto* menu = new QMenu(QStringLiteral("Daily Record"), this);
    menu->setObjectName(QStringLiteral("DailyRecord"));
    for (const int id : {Cmd::DailyAdd, Cmd::DailyEdit, Cmd::DailyDelete})
        menu->addAction(MenuAction(id, *menu));
    return menu;
}

void DailyRecordList::AddRecord()
{
    if (!RecordsDatabaseExists()) {
        Prompt().Inform(QStringLiteral("There is no records database yet. Save the child's "
                                       "information in the form above first; daily records "
                                       "can be added after that."));
        return;
    }
    DailyRecord start;
    start.childName = m_childName;
    start.date = Clock::TodayUtc();
    if (FirstSelectedRow()) {
        start.pickup = m_working.pickup;
        start.pickupTime = m_working.pickupTime;
        start.note = m_working.note;
        start.parentsNote = m_working.parentsNote;
    }
    DailyRecordDialog dialog(start, this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    DailyRecord record = dialog.Record();
    if (!ReportDatabaseErrors([&] { record.index = DailyRecords::AddRecord(RecordSet(), record); }))
        return;
    m_working = record;
    AppendRow(record);
}

void DailyRecordList::EditRecord()
{
    QTreeWidgetItem* row = FirstSelectedRow();
    if (!row)
        return;
    DailyRecordDialog dialog(RecordOfRow(*row), this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const DailyRecord record = dialog.Record();
    bool found = false;
    if (!ReportDatabaseErrors([&] { found = DailyRecords::UpdateRecord(RecordSet(), record); }))
        return;
    if (!found) {
        delete row;
        Prompt().Warn(QStringLiteral("This daily record is no longer in the database; it has "
                                     "been taken off the list."));
        return;
    }
    m_working = record;
    FillRow(*row, record);
    PlaceRow(row);
}

void DailyRecordList::DeleteRecord()
{
    QTreeWidgetItem* row = FirstSelectedRow();
    if (!row)
        return;
    const DailyRecord record = RecordOfRow(*row);
    if (ReportDatabaseErrors([&] {
            DailyRecords::DeleteRecord(RecordSet(), record.childName, record.index);
        }))
        delete row;
}

DailyRecordTable& DailyRecordList::RecordSet()
{
    if (!m_set)
        m_set = std::make_unique<DailyRecordTable>();
    return *m_set;
}

void DailyRecordList::AppendRow(const DailyRecord& record)
{
    auto* row = new QTreeWidgetItem;
    FillRow(*row, record);
    PlaceRow(row);
}
