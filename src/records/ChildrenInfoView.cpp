#include "records/ChildrenInfoView.h"

#include "app/CommandIds.h"
#include "platform/Clock.h"
#include "platform/ModalRunner.h"
#include "platform/Prompt.h"
#include "records/ChildRecords.h"
#include "records/DBChildDailyRecordSet.h"
#include "records/DbDate.h"
#include "records/EmailAddressBookDlg.h"
#include "records/RecordsDatabase.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

struct CColumnHeading
{
    const char* text;
    int width;   // 0: hidden
};

constexpr CColumnHeading kHeadings[CChildrenInfoView::ColumnCount] = {
    {"Date", 100},         {"Child Name", 150},   {"Who Pickup", 150}, {"Pickup Time", 80},
    {"Teachers Note", 550}, {"Parents Note", 550}, {"Resvered1", 0},    {"Resvered2", 0},
};

// A report list draws a line under each row and between columns.
class CGridLineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Midlight));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

QStringList RowTexts(const CDailyRecord& record)
{
    return {CDbDate::FromDate(record.date).PaddedText(), record.childName, record.pickup,
            record.pickupTime, record.note, record.parentsNote, record.reserved1,
            record.reserved2};
}

void FillRow(QTreeWidgetItem& row, const CDailyRecord& record)
{
    const QStringList texts = RowTexts(record);
    for (int column = 0; column < texts.size(); ++column)
        row.setText(column, texts[column]);
    // Notes run longer than their cells.
    row.setToolTip(CChildrenInfoView::NoteColumn, record.note);
    row.setToolTip(CChildrenInfoView::ParentsNoteColumn, record.parentsNote);
    row.setData(CChildrenInfoView::DateColumn, Qt::UserRole, record.index);
}

CDailyRecord RecordOfRow(const QTreeWidgetItem& row)
{
    using View = CChildrenInfoView;
    CDailyRecord record;
    record.index = row.data(View::DateColumn, Qt::UserRole).toInt();
    record.date = ParsePaddedDate(row.text(View::DateColumn));
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

CChildrenInfoView::CChildrenInfoView(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ChildrenInfoView"));
    setColumnCount(ColumnCount);
    QStringList headings;
    for (const CColumnHeading& heading : kHeadings)
        headings << QLatin1String(heading.text);
    setHeaderLabels(headings);
    header()->setStretchLastSection(false);
    for (int column = 0; column < ColumnCount; ++column) {
        setColumnWidth(column, kHeadings[column].width);
        setColumnHidden(column, kHeadings[column].width == 0);
    }
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Edit and Delete act on one row, so one row is selected at a time.
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new CGridLineDelegate(this));
    connect(this, &QTreeWidget::itemSelectionChanged, this,
            &CChildrenInfoView::commandStateChanged);
}

CChildrenInfoView::~CChildrenInfoView() = default;

void CChildrenInfoView::ShowChild(const QString& folderName)
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
    std::vector<CDailyRecord> records;
    if (RecordsDatabaseExists()) {
        ReportDatabaseErrors([&] {
            records = DailyRecords::MonthRecords(RecordSet(), folderName, CClock::TodayUtc());
        });
    }
    for (const CDailyRecord& record : records)
        AppendRow(record);
    if (!records.empty())
        m_working = records.back();
    Q_EMIT commandStateChanged();
}

void CChildrenInfoView::Clear()
{
    clear();
    m_childName.clear();
    m_lastFolder.reset();
    Q_EMIT commandStateChanged();
}

QString CChildrenInfoView::SelectedTeacherNote() const
{
    const QTreeWidgetItem* row = FirstSelectedRow();
    return row ? row->text(NoteColumn) : QString();
}

bool CChildrenInfoView::OnCommand(int id)
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
    Q_EMIT commandStateChanged();
    return true;
}

CCommandState CChildrenInfoView::UpdateCommand(int id) const
{
    if (id == Cmd::DailyAdd)
        return CCommandState::Enabled(!m_childName.isEmpty());
    if (IsDailyCommand(id))
        return CCommandState::Enabled(FirstSelectedRow() != nullptr);
    return {};
}

QMenu* CChildrenInfoView::BuildContextMenu()
{
    auto* menu = new QMenu(QStringLiteral("Daily Record"), this);
    menu->setObjectName(QStringLiteral("DailyRecord"));
    for (const int id : {Cmd::DailyAdd, Cmd::DailyEdit, Cmd::DailyDelete})
        menu->addAction(CommandMenu::ActionFor(id, *menu, m_actionSource, *this));
    return menu;
}

void CChildrenInfoView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = BuildContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CChildrenInfoView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (itemAt(event->position().toPoint()))
        OnCommand(Cmd::DailyEdit);
}

void CChildrenInfoView::keyPressEvent(QKeyEvent* event)
{
    int command = 0;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: command = Cmd::DailyEdit; break;
        case Qt::Key_Insert: command = Cmd::DailyAdd; break;
        case Qt::Key_Delete: command = Cmd::DailyDelete; break;
        default: break;
        }
    }
    if (command != 0)
        OnCommand(command);
    else
        QTreeWidget::keyPressEvent(event);
}

void CChildrenInfoView::AddRecord()
{
    if (!RecordsDatabaseExists()) {
        Prompt().Inform(QStringLiteral("There is no records database yet. Save the child's "
                                       "information in the form above first; daily records "
                                       "can be added after that."));
        return;
    }
    CDailyRecord start;
    start.childName = m_childName;
    start.date = CClock::TodayUtc();
    if (FirstSelectedRow()) {
        start.pickup = m_working.pickup;
        start.pickupTime = m_working.pickupTime;
        start.note = m_working.note;
        start.parentsNote = m_working.parentsNote;
    }
    CEmailAddressBookDlg dialog(start, this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    CDailyRecord record = dialog.Record();
    if (!ReportDatabaseErrors([&] { record.index = DailyRecords::AddRecord(RecordSet(), record); }))
        return;
    m_working = record;
    AppendRow(record);
}

void CChildrenInfoView::EditRecord()
{
    QTreeWidgetItem* row = FirstSelectedRow();
    if (!row)
        return;
    CEmailAddressBookDlg dialog(RecordOfRow(*row), this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const CDailyRecord record = dialog.Record();
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

void CChildrenInfoView::DeleteRecord()
{
    QTreeWidgetItem* row = FirstSelectedRow();
    if (!row)
        return;
    const CDailyRecord record = RecordOfRow(*row);
    if (ReportDatabaseErrors([&] {
            DailyRecords::DeleteRecord(RecordSet(), record.childName, record.index);
        }))
        delete row;
}

CDBChildDailyRecordSet& CChildrenInfoView::RecordSet()
{
    if (!m_set)
        m_set = std::make_unique<CDBChildDailyRecordSet>();
    return *m_set;
}

QTreeWidgetItem* CChildrenInfoView::FirstSelectedRow() const
{
    const QList<QTreeWidgetItem*> rows = selectedItems();
    return rows.isEmpty() ? nullptr : rows.first();
}

void CChildrenInfoView::AppendRow(const CDailyRecord& record)
{
    auto* row = new QTreeWidgetItem;
    FillRow(*row, record);
    PlaceRow(row);
}

void CChildrenInfoView::PlaceRow(QTreeWidgetItem* row)
{
    const bool selected = row->isSelected();
    if (const int at = indexOfTopLevelItem(row); at >= 0)
        takeTopLevelItem(at);
    const QString key = row->text(DateColumn);
    int position = topLevelItemCount();
    while (position > 0 && topLevelItem(position - 1)->text(DateColumn) > key)
        --position;
    insertTopLevelItem(position, row);
    if (selected)
        setCurrentItem(row);
}
