#include "support/DialogTestKit.h"
#include "support/WidgetTexts.h"

#include "commands/CommandIds.h"
#include "widgets/ActionRegistry.h"
#include "platform/Clock.h"
#include "records/view/DailyRecordList.h"
#include "records/DailyRecordTable.h"
#include "records/view/DailyRecordDialog.h"
#include "records/RecordsDatabase.h"
#include "support/DatabaseFile.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

namespace {

const QString kAmy = QStringLiteral("Amy");
const QString kBen = QStringLiteral("Ben");
const QDate kToday(2026, 3, 14);

// What a person types into the dialog; empty fields stay as the dialog shows them.
struct Typed
{
    QDate date;
    QString pickup;
    QString pickupTime;
    QString note;
};

class DailyListTest : public DialogTest
{
protected:
    DailyListTest()
    {
        Clock::SetNow(QDateTime(kToday, QTime(9, 30), Qt::UTC));
        EnsureRecordsDatabase();
    }
    ~DailyListTest() override { RecordsDatabase::Shared().Close(); }

    QString DatabaseFile() const { return m_home.FilePath(QStringLiteral("WRN.mdb")); }

    // A record saved in an earlier session.
    static void Store(const QString& child, const QDate& date, const QString& pickup = {})
    {
        DailyRecordTable set;
        DailyRecords::AddRecord(set, {0, date, child, pickup, {}, {}, {}, {}, {}});
    }

    static std::vector<DailyRecord> StoredRows()
    {
        DailyRecordTable set;
        set.SelectChild(QString());
        std::vector<DailyRecord> rows;
        for (set.MoveFirst(); !set.IsEOF(); set.MoveNext())
            rows.push_back({set.m_Index, set.m_Date.Date(), set.m_ChildName, set.m_Pickup,
                            set.m_PickupTime, set.m_Note, set.m_ParentsNote, set.m_Reserved1,
                            set.m_Reserved2});
        return rows;
    }

    QStringList Listed(int column) const { return ColumnTexts(m_view, column); }

    QList<int> ListedIndexes() const
    {
        QList<int> indexes;
        for (int row = 0; row < m_view.topLevelItemCount(); ++row)
            indexes << m_view.topLevelItem(row)->data(0, Qt::UserRole).toInt();
        return indexes;
    }

    void SelectRow(int row) { m_view.setCurrentItem(m_view.topLevelItem(row)); }

    // Every following dialog records how it started in `seen`, takes `typed` and is confirmed.
    void TypeIntoDialogs(const Typed& typed, DailyRecord* seen = nullptr)
    {
        ScriptNextDialog([typed, seen](QDialog& dialog) {
            if (seen)
                *seen = static_cast<DailyRecordDialog&>(dialog).Record();
            if (typed.date.isValid())
                Find<QDateEdit>(dialog, "date")->setDate(typed.date);
            if (!typed.pickup.isEmpty())
                Find<QComboBox>(dialog, "whoPickup")->setEditText(typed.pickup);
            if (!typed.pickupTime.isEmpty())
                Find<QComboBox>(dialog, "pickupTime")->lineEdit()->insert(typed.pickupTime);
            if (!typed.note.isEmpty())
                Find<QPlainTextEdit>(dialog, "teacherNote")->setPlainText(typed.note);
            Press(dialog, QDialogButtonBox::Ok);
        });
    }

    // The index of the row the Add command appended.
    int Add(const Typed& typed = {})
    {
        TypeIntoDialogs(typed);
        m_view.OnCommand(Cmd::DailyAdd);
        return ListedIndexes().value(m_view.topLevelItemCount() - 1);
    }

    DailyRecordList m_view;
};

TEST_F(DailyListTest, ListsTheMonthsRowsInDateOrderUnderTheReportColumns)
{
    Store(kAmy, QDate(2026, 3, 10), QStringLiteral("Mother"));
    Store(kAmy, QDate(2026, 2, 27));
    Store(kBen, QDate(2026, 3, 5));
    Store(kAmy, QDate(2026, 3, 2));
    m_view.ShowChild(kAmy);

    EXPECT_EQ(Listed(DailyRecordList::DateColumn), QStringList({"2026-03-02", "2026-03-10"}));
    EXPECT_EQ(Listed(DailyRecordList::PickupColumn), QStringList({"", "Mother"}));
    // A heading the font makes wide still fits.
    EXPECT_GT(m_view.columnWidth(DailyRecordList::TimeColumn),
              m_view.header()->fontMetrics().horizontalAdvance(QStringLiteral("Pickup Time")));
}

TEST_F(DailyListTest, FolderChangesReloadOnlyForAnotherChild)
{
    Store(kAmy, QDate(2026, 3, 1));
    m_view.ShowChild(kAmy);
    Store(kAmy, QDate(2026, 3, 2));
    m_view.ShowChild(kAmy);
    m_view.ShowChild(QStringLiteral("AAA"));
    m_view.ShowChild(QStringLiteral("ZZZ"));
    EXPECT_EQ(m_view.topLevelItemCount(), 1) << "the same child, or no child";
    m_view.ShowChild(kAmy);
    EXPECT_EQ(m_view.topLevelItemCount(), 2);

    // Last month's record is appended when added, but a reload leaves it out.
    Add({QDate(2026, 2, 28), {}, {}, {}});
    EXPECT_EQ(StoredRows().back().date, QDate(2026, 2, 28));
    m_view.ShowChild(kBen);
    m_view.ShowChild(kAmy);
    EXPECT_EQ(m_view.topLevelItemCount(), 2);

    // A child being entered in the form has no records; the same folder lists them again.
    m_view.Clear();
    EXPECT_FALSE(m_view.UpdateCommand(Cmd::DailyAdd).enabled);
    m_view.ShowChild(kAmy);
    EXPECT_EQ(m_view.topLevelItemCount(), 2);
}

TEST_F(DailyListTest, TheIndexRunsOverTheTableAndOnlyTheLastRowsNumberComesBack)
{
    m_view.ShowChild(kAmy);
    EXPECT_EQ(Add(), 1);
    m_view.ShowChild(kBen);
    EXPECT_EQ(Add(), 2);
    m_view.ShowChild(kAmy);
    EXPECT_EQ(Add(), 3);

    SelectRow(1);
    m_view.OnCommand(Cmd::DailyDelete);   // index 3, the table's last row
    EXPECT_EQ(Add(), 3);
    SelectRow(0);
    m_view.OnCommand(Cmd::DailyDelete);   // index 1
    EXPECT_EQ(Add(), 4);
    EXPECT_EQ(StoredRows().size(), 3u);
}

TEST_F(DailyListTest, AddStartsFromTodayAndTheWorkingRecordAndStoresTypedTextAsTyped)
{
    Store(kAmy, QDate(2026, 3, 2), QStringLiteral("Father"));
    m_view.ShowChild(kAmy);
    DailyRecord seen;
    TypeIntoDialogs({QDate(2026, 3, 13), "Aunt Joan", "7:00PM", "Slept well"}, &seen);
    m_view.OnCommand(Cmd::DailyAdd);
    EXPECT_EQ(seen, (DailyRecord{0, kToday, kAmy, {}, {}, {}, {}, {}, {}})) << "no row selected";
    const DailyRecord added{2, QDate(2026, 3, 13), kAmy, "Aunt Joan", "7:00PM",
                             "Slept well", {}, {}, {}};
    EXPECT_EQ(StoredRows().back(), added);

    SelectRow(0);
    TypeIntoDialogs({}, &seen);
    m_view.OnCommand(Cmd::DailyAdd);
    EXPECT_EQ(seen, (DailyRecord{0, kToday, kAmy, "Aunt Joan", "7:00PM", "Slept well",
                                  {}, {}, {}}));

    ScriptNextDialog([](QDialog& dialog) { Press(dialog, QDialogButtonBox::Cancel); });
    m_view.OnCommand(Cmd::DailyAdd);
    EXPECT_EQ(StoredRows().size(), 3u);
}

TEST_F(DailyListTest, EditRewritesTheRowWithItsIndexOnly)
{
    Store(kAmy, QDate(2026, 3, 2), QStringLiteral("Father"));
    Store(kBen, QDate(2026, 3, 3), QStringLiteral("Father"));
    Store(kAmy, QDate(2026, 3, 9), QStringLiteral("Mother"));
    const std::vector<DailyRecord> before = StoredRows();
    m_view.ShowChild(kAmy);

    SelectRow(1);
    TypeIntoDialogs({QDate(2026, 3, 1), {}, {}, QStringLiteral("Fever at noon")});
    m_view.OnCommand(Cmd::DailyEdit);
    DailyRecord edited = before[2];
    edited.date = QDate(2026, 3, 1);
    edited.note = QStringLiteral("Fever at noon");
    EXPECT_EQ(StoredRows(), std::vector<DailyRecord>({before[0], before[1], edited}));
    EXPECT_EQ(ListedIndexes(), QList<int>({3, 1})) << "the earlier date moves up";

    // A record deleted elsewhere leaves the list when edited.
    DailyRecordTable set;
    DailyRecords::DeleteRecord(set, kAmy, 3);
    m_view.OnCommand(Cmd::DailyEdit);
    EXPECT_EQ(ListedIndexes(), QList<int>({1}));
    EXPECT_EQ(Prompt().Texts().size(), 1);
}

TEST_F(DailyListTest, MenuKeysAndDoubleClickRunTheCommandsOnTheSelectedRow)
{
    Store(kAmy, QDate(2026, 3, 2));
    Store(kBen, QDate(2026, 3, 2));
    m_view.ShowChild(kAmy);
    m_view.resize(800, 300);
    m_view.show();
    int changes = 0;
    QObject::connect(&m_view, &DailyRecordList::CommandStateChanged, [&] { ++changes; });

    TypeIntoDialogs({});
    Type(&m_view, Qt::Key_Return);
    Type(&m_view, Qt::Key_Insert);
    EXPECT_EQ(m_dialogsRun, 1) << "Return edits only a selected row";
    SelectRow(0);
    EXPECT_GT(changes, 0);
    Type(&m_view, Qt::Key_Return);
    QTest::mouseDClick(m_view.viewport(), Qt::LeftButton, {},
                       m_view.visualItemRect(m_view.topLevelItem(1)).center());
    EXPECT_EQ(m_dialogsRun, 3);

    // The double-clicked row is now the selected one. No question before deleting.
    Type(&m_view, Qt::Key_Delete);
    EXPECT_EQ(ListedIndexes(), QList<int>({1}));
    EXPECT_TRUE(Prompt().Texts().isEmpty());

    // Inside the program the menu carries the program's own actions, owned by the window.
    ActionRegistry actions([this](int id) { m_view.OnCommand(id); }, &m_view);
    m_view.SetActionSource([&actions](int id) { return actions.Action(id); });
    std::unique_ptr<QMenu> menu(m_view.BuildContextMenu());
    EXPECT_EQ(menu->actions()[0], actions.Action(Cmd::DailyAdd));
}

TEST_F(DailyListTest, AnEngineErrorOrAMissingFileIsShownAndChangesNeitherListNorFile)
{
    Store(kAmy, QDate(2026, 3, 2));
    m_view.ShowChild(kAmy);
    // Overwritten while no connection holds it: the next command opens it afresh.
    RecordsDatabase::Shared().Close();
    const BrokenDatabase& garbage = BrokenDatabaseOfKind("garbage");
    WriteBrokenDatabase(garbage, DatabaseFile());

    Add();
    SelectRow(0);
    m_view.OnCommand(Cmd::DailyEdit);
    m_view.OnCommand(Cmd::DailyDelete);
    EXPECT_EQ(Prompt().Texts().size(), 3);
    EXPECT_EQ(ListedIndexes(), QList<int>({1}));
    EXPECT_EQ(BytesOf(DatabaseFile()), garbage.bytes);

    // Without a database nothing is listed, and Add explains rather than making one.
    RecordsDatabase::Shared().Close();
    ASSERT_TRUE(QFile::remove(DatabaseFile()));
    m_view.ShowChild(kBen);
    EXPECT_EQ(m_view.topLevelItemCount(), 0);
    const int dialogs = m_dialogsRun;
    m_view.OnCommand(Cmd::DailyAdd);
    EXPECT_EQ(m_dialogsRun, dialogs);
    EXPECT_EQ(Prompt().Texts().size(), 4);
    EXPECT_FALSE(QFile::exists(DatabaseFile()));
}

} // namespace
