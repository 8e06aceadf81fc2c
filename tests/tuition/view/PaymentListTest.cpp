#include "commands/CommandIds.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "records/RecordsDatabase.h"
#include "settings/SettingsKeys.h"
#include "support/DatabaseFile.h"
#include "support/DialogTestKit.h"
#include "support/EnrolledChildren.h"
#include "support/TuitionWeeks.h"
#include "support/WidgetTexts.h"
#include "tuition/WeekCheckRunner.h"
#include "tuition/view/WeeklyPaymentDialog.h"
#include "tuition/view/WeeklyPaymentList.h"

#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QSqlRecord>
#include <vector>

namespace {

using View = WeeklyPaymentList;
const QString kAmy = QStringLiteral("Amy");
const QString kBen = QStringLiteral("Ben");

// What a person types into "Child Tuition Enter"; empty texts stay as offered.
struct Typed
{
    QString pbp;
    QString extraHours;
    QString discount;
    QString paidBy;
    QDate paidDate;
};

// The payment list over a fresh records database, with today fixed on a Wednesday.
class PaymentListTest : public DialogTest
{
protected:
    static inline const QDate kToday{2026, 3, 18};
    // The week as the list shows it, and as the settings keep it.
    static inline const QString kWeekStart = QStringLiteral("2026-03-16");
    static inline const QString kWeekEnd = QStringLiteral("2026-03-22");

    PaymentListTest()
    {
        Clock::SetNow(QDateTime(kToday, QTime(9, 30), Qt::UTC));
        EnsureRecordsDatabase();
    }
    ~PaymentListTest() override { RecordsDatabase::Shared().Close(); }

    QString DatabaseFile() const { return m_home.FilePath(QStringLiteral("WRN.mdb")); }
    // The payment rows of the file in table order, with their rowid.
    std::vector<QSqlRecord> StoredRows() const
    {
        return QueryDatabaseFile(DatabaseFile(), QStringLiteral(
            "SELECT rowid, * FROM ChildPaymentInformation ORDER BY rowid"));
    }
    // "<child> <week start>" of each stored row.
    QStringList StoredWeeks() const
    {
        QStringList weeks;
        for (const QSqlRecord& row : StoredRows())
            weeks << row.value("ChildName").toString() + QLatin1Char(' ')
                         + ShownDate(DbDate(row.value("WeekStart").toDouble()));
        return weeks;
    }

    QStringList Listed(int column) const { return ColumnTexts(m_view, column); }
    QStringList RowTexts(int row) const { return ::RowTexts(m_view, row); }
    void SelectRow(int row) { m_view.setCurrentItem(m_view.topLevelItem(row)); }

    // The next dialog records what it offered in `offered`, takes `typed` and is confirmed,
    // or cancelled when `confirm` is false.
    void TypeIntoDialog(const Typed& typed, PaymentEntry* offered = nullptr, bool confirm = true)
    {
        ScriptNextDialog([typed, offered, confirm](QDialog& dialog) {
            if (offered)
                *offered = static_cast<WeeklyPaymentDialog&>(dialog).Entry();
            const auto type = [&dialog](const char* name, const QString& text) {
                if (!text.isEmpty())
                    Find<QLineEdit>(dialog, name)->setText(text);
            };
            type("pbp", typed.pbp);
            type("extraHours", typed.extraHours);
            type("discount", typed.discount);
            type("paidBy", typed.paidBy);
            if (typed.paidDate.isValid())
                Find<QDateEdit>(dialog, "paidDate")->setDate(typed.paidDate);
            Press(dialog, confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
        });
    }

    WeeklyPaymentList m_view;
};

using WeekCheckTest = PaymentListTest;

TEST_F(PaymentListTest, AddListsThisWeeksFeeUnderTheReportColumns)
{
    Enroll(kAmy, 3, 10);
    Enroll(kBen, 5);
    m_view.ShowChild(kAmy);
    m_view.OnCommand(Cmd::PaymentMenuAdd);
    ASSERT_EQ(m_view.topLevelItemCount(), 1);
    EXPECT_EQ(RowTexts(0), QStringList({kWeekStart, kWeekEnd, kAmy, "3", "  208.98", "    0.00",
                                        "    0.00", "    0.00", "   30.00", "    0.00", "", "",
                                        "  178.98"}));
    m_view.ShowChild(kBen);
    m_view.OnCommand(Cmd::PaymentAdd);
    EXPECT_EQ(Listed(View::FeeColumn), QStringList({"  333.30"}));

    const std::vector<QSqlRecord> rows = StoredRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_DOUBLE_EQ(rows[0].value("Debit").toDouble(), 3 * 69.66 - 30);

    // Every text shown fits its column.
    for (int column = 0; column < View::ColumnCount; ++column) {
        const int text = m_view.fontMetrics().horizontalAdvance(RowTexts(0)[column].trimmed());
        EXPECT_GT(m_view.columnWidth(column), text) << column;
    }
}

TEST_F(PaymentListTest, RowsAreKeptInWeekOrderAndAnUnenrolledChildGetsNone)
{
    Enroll(kAmy, 3, 10);
    StoreOwedWeek(kAmy, QDate(2026, 3, 2));
    StoreOwedWeek(kAmy, QDate(2025, 12, 29));
    StoreOwedWeek(kAmy, QDate(2026, 2, 23));
    m_view.ShowChild(kAmy);
    m_view.OnCommand(Cmd::PaymentMenuAdd);
    EXPECT_EQ(Listed(View::WeekStartColumn),
              QStringList({"2025-12-29", "2026-02-23", "2026-03-02", kWeekStart}));

    m_view.ShowChild(QStringLiteral("Noah"));
    m_view.OnCommand(Cmd::PaymentAdd);
    EXPECT_EQ(StoredRows().size(), 4u);
    EXPECT_EQ(Prompt().Texts().size(), 1) << "says why nothing was added";
}

TEST_F(PaymentListTest, EditStoresTheEntryAndWorksOutTheDebitAgain)
{
    Enroll(kAmy, 3, 10);
    m_view.ShowChild(kAmy);
    m_view.OnCommand(Cmd::PaymentAdd);
    SelectRow(0);
    PaymentEntry offered;
    TypeIntoDialog({"100", "2", "5", "Cheque", QDate(2026, 3, 20)}, &offered);
    m_view.OnCommand(Cmd::PaymentMenuEdit);
    EXPECT_EQ(offered.paidDate, kToday);
    // As stored: another child's name and back reads the list from the file again.
    m_view.ShowChild(kBen);
    m_view.ShowChild(kAmy);
    EXPECT_EQ(RowTexts(0), QStringList({kWeekStart, kWeekEnd, kAmy, "3", "  208.98", "    2.00",
                                        "   60.00", "    5.00", "   30.00", "  100.00",
                                        "2026-03-20", "Cheque", "  133.98"}));
    EXPECT_EQ(StoredRows()[0].value("PaidDate").toString(), QStringLiteral("2026- 3-20"));
    SelectRow(0);

    // The next edit starts from the row.
    TypeIntoDialog({"1", {}, {}, {}, {}}, &offered);
    m_view.OnCommand(Cmd::PaymentEdit);
    EXPECT_EQ(offered.paidDate, QDate(2026, 3, 20));

    // A stored discount with a fraction is offered as its whole part; Cancel keeps all.
    QueryDatabaseFile(DatabaseFile(), "UPDATE ChildPaymentInformation SET Discount = 12.9");
    m_view.ShowChild(kBen);
    m_view.ShowChild(kAmy);
    SelectRow(0);
    const std::vector<QSqlRecord> rows = StoredRows();
    TypeIntoDialog({"1", {}, {}, {}, {}}, &offered, false);
    m_view.OnCommand(Cmd::PaymentEdit);
    EXPECT_EQ(offered.discount, 12);
    EXPECT_EQ(m_view.topLevelItem(0)->text(View::DiscountColumn), QStringLiteral("   12.90"));
    EXPECT_EQ(StoredRows()[0], rows[0]);
}

TEST_F(PaymentListTest, EditAndDeleteChangeTheSelectedRowNotAnotherOfTheSameWeek)
{
    Enroll(kAmy, 3, 10);
    Enroll(kBen, 3, 10);
    m_view.ShowChild(kAmy);
    m_view.OnCommand(Cmd::PaymentAdd);
    m_view.OnCommand(Cmd::PaymentAdd);   // a child has one row a week
    m_view.ShowChild(kBen);
    m_view.OnCommand(Cmd::PaymentAdd);
    ASSERT_EQ(Prompt().Texts().size(), 1);
    EXPECT_TRUE(Prompt().Texts()[0].contains(QLatin1String("already")));

    // The class folder lists both rows of the week; the edit reaches Ben's alone.
    m_view.ShowChild(QStringLiteral("AAA"));
    ASSERT_EQ(Listed(View::NameColumn), QStringList({kAmy, kBen}));
    SelectRow(1);
    TypeIntoDialog({"50", {}, {}, {}, {}});
    m_view.OnCommand(Cmd::PaymentEdit);

    // Delete asks; only Yes deletes, and only the selected row.
    SelectRow(0);
    Prompt().QueueAnswer(UserPrompt::Answer::No);
    Prompt().QueueAnswer(UserPrompt::Answer::Cancel);
    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    for (int press = 0; press < 3; ++press)
        m_view.OnCommand(Cmd::PaymentMenuDelete);
    EXPECT_EQ(Prompt().Messages().size(), 4);
    EXPECT_EQ(Listed(View::PbpColumn), QStringList({"   50.00"}));
    const std::vector<QSqlRecord> rows = StoredRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].value("PayFromParent").toDouble(), 50);
    EXPECT_EQ(rows[0].value("ChildName").toString(), kBen);

    // A row another seat changed is not overwritten, and the list shows the change.
    QueryDatabaseFile(DatabaseFile(), "UPDATE ChildPaymentInformation SET PaidBy = 'Dad'");
    SelectRow(0);
    TypeIntoDialog({"5", {}, {}, {}, {}});
    m_view.OnCommand(Cmd::PaymentEdit);
    EXPECT_EQ(Listed(View::PaidByColumn), QStringList({"Dad"}));
    EXPECT_EQ(StoredRows()[0].value("PayFromParent").toDouble(), 50);
    EXPECT_TRUE(Prompt().Texts().last().contains(QLatin1String("changed on another computer")));

    // A row deleted elsewhere leaves the list when edited.
    QueryDatabaseFile(DatabaseFile(),
                      "DELETE FROM ChildPaymentInformation WHERE ChildName = 'Ben'");
    SelectRow(0);
    TypeIntoDialog({"5", {}, {}, {}, {}});
    m_view.OnCommand(Cmd::PaymentEdit);
    EXPECT_TRUE(Listed(View::NameColumn).isEmpty());
    EXPECT_EQ(Prompt().Messages().size(), 6);
}

TEST_F(PaymentListTest, ShowMonthlyListsTheWeeksStartingInTheMonthOfThisYear)
{
    StoreOwedWeek(kAmy, QDate(2026, 2, 23));   // ends in March
    StoreOwedWeek(kAmy, QDate(2026, 3, 2));
    StoreOwedWeek(kAmy, QDate(2025, 3, 3));
    StoreOwedWeek(kBen, QDate(2026, 3, 9));
    StoreOwedWeek(kAmy, QDate(2026, 3, 30));
    const int march = Cmd::ShowMonthJanuary + 2;

    m_view.ShowChild(kAmy);
    m_view.OnCommand(march);
    EXPECT_EQ(Listed(View::WeekStartColumn), QStringList({"2026-03-02", "2026-03-30"}));
    m_view.ShowChild(QStringLiteral("AAA"));
    m_view.OnCommand(march);
    EXPECT_EQ(Listed(View::WeekStartColumn),
              QStringList({"2026-03-02", "2026-03-09", "2026-03-30"}));
    m_view.OnCommand(Cmd::ShowMonthDecember);
    EXPECT_EQ(m_view.topLevelItemCount(), 0);
}

TEST_F(PaymentListTest, TheWorkingChildsNameAgainDoesNotReload)
{
    StoreOwedWeek(kAmy, QDate(2026, 3, 2));
    m_view.ShowChild(kAmy);
    StoreOwedWeek(kAmy, QDate(2026, 3, 9));
    StoreOwedWeek(kBen, QDate(2026, 3, 2));
    m_view.ShowChild(kAmy);
    EXPECT_EQ(m_view.topLevelItemCount(), 1);

    // After the class folder the list works with the last child listed: Ben's folder
    // leaves every child's rows shown, but Add is for Ben again.
    m_view.ShowChild(QStringLiteral("AAA"));
    EXPECT_EQ(m_view.topLevelItemCount(), 3);
    EXPECT_EQ(m_view.WorkingChild(), kBen);
    EXPECT_FALSE(m_view.UpdateCommand(Cmd::PaymentAdd).enabled);
    m_view.ShowChild(kBen);
    EXPECT_EQ(m_view.topLevelItemCount(), 3);
    m_view.ShowChild(kAmy);
    EXPECT_EQ(m_view.topLevelItemCount(), 2);
}

TEST_F(PaymentListTest, TheMenuAndTheKeysRunThePaymentCommands)
{
    Enroll(kAmy, 3, 10);
    m_view.ShowChild(kAmy);
    Type(&m_view, Qt::Key_Insert);
    SelectRow(0);
    TypeIntoDialog({"10", {}, {}, {}, {}});
    Type(&m_view, Qt::Key_Enter);
    EXPECT_EQ(Listed(View::PbpColumn), QStringList({"   10.00"}));
    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    Type(&m_view, Qt::Key_Delete);
    EXPECT_TRUE(StoredRows().empty());
}

TEST_F(PaymentListTest, WithoutADatabaseAddExplainsAndATableNotAsTheProgramKeepsItIsNamed)
{
    RecordsDatabase::Shared().Close();
    ASSERT_TRUE(QFile::remove(DatabaseFile()));
    m_view.ShowChild(kAmy);
    m_view.OnCommand(Cmd::PaymentAdd);
    EXPECT_EQ(Prompt().Texts().size(), 1);
    EXPECT_FALSE(QFile::exists(DatabaseFile()));

    // Named instead of an empty list.
    const BrokenDatabase& wronglyTyped = BrokenDatabaseOfKind("wrongly typed");
    WriteBrokenDatabase(wronglyTyped, DatabaseFile());
    m_view.ShowChild(QStringLiteral("Ann"));
    EXPECT_EQ(m_view.topLevelItemCount(), 0);
    ASSERT_EQ(Prompt().Texts().size(), 2);
    EXPECT_TRUE(Prompt().Texts()[1].contains(QLatin1String(wronglyTyped.problem)))
        << Prompt().Texts()[1].toStdString();
}

TEST_F(PaymentListTest, TheDialogTakesDigitsForTheDiscountThirtyCharactersPaidByAndOnlyADate)
{
    WeeklyPaymentDialog dialog({QDate(2026, 3, 1), 1.5, 0.25, 7, QStringLiteral("Cash")});
    auto* discount = Find<QLineEdit>(dialog, "discount");
    discount->clear();
    discount->setFocus();
    TypeText(discount, QStringLiteral("-1.5x2"));
    EXPECT_EQ(discount->text(), QStringLiteral("152"));
    Find<QLineEdit>(dialog, "paidBy")->setText(QString(40, QLatin1Char('c')));
    EXPECT_EQ(dialog.Entry().paidBy, QString(30, QLatin1Char('c')));

    for (const char* typed : {"soon", "2026-03-13"}) {
        WeeklyPaymentDialog dialog({QDate(2026, 3, 1), 1.5, 0.25, 7, QStringLiteral("Cash")});
        dialog.show();
        auto* date = Find<QDateEdit>(dialog, "paidDate");
        date->setFocus();
        TypeText(date, QString::fromLatin1(typed));
        dialog.accept();
        const bool isDate = QLatin1String(typed) != QLatin1String("soon");
        EXPECT_EQ(dialog.result() == QDialog::Accepted, isDate) << typed;
        EXPECT_EQ(dialog.Entry().paidDate, isDate ? QDate(2026, 3, 13) : QDate(2026, 3, 1));
    }
    ASSERT_EQ(Prompt().Texts().size(), 1);
    EXPECT_TRUE(Prompt().Texts()[0].contains(QLatin1String("is not a date")));
}

TEST_F(WeekCheckTest, TheFirstCheckOfAWeekMakesItsRowsAndTheListShowsThem)
{
    Enroll(QStringLiteral("Amy"), 3, 10);
    Enroll(QStringLiteral("Ben"), 5);
    m_view.ShowChild(QStringLiteral("Amy"));
    EXPECT_FALSE(m_view.WeekCheckTimer().isActive()) << "not before the list is first shown";

    m_view.RunWeekCheck();
    EXPECT_EQ(StoredWeeks(), QStringList({"Amy " + kWeekStart, "Ben " + kWeekStart}));
    EXPECT_EQ(Listed(View::DebitColumn), QStringList({"  178.98"}));

    m_view.resize(800, 200);
    m_view.show();
    EXPECT_TRUE(m_view.WeekCheckTimer().isActive());
}

TEST_F(WeekCheckTest, WithoutADatabaseTheMarkersWaitForIt)
{
    Enroll(QStringLiteral("Amy"), 3, 10);
    RecordsDatabase::Shared().Close();
    ASSERT_TRUE(QFile::remove(DatabaseFile()));
    m_view.RunWeekCheck();
    EXPECT_TRUE(m_home.Settings().GetString(SettingsKey::Setting, SettingsKey::WeekStart)
                    .isEmpty());
    EXPECT_FALSE(QFile::exists(DatabaseFile()));

    EnsureRecordsDatabase();
    Enroll(QStringLiteral("Amy"), 3, 10);
    m_view.RunWeekCheck();
    EXPECT_EQ(StoredWeeks(), QStringList({"Amy " + kWeekStart}));
    EXPECT_TRUE(Prompt().Texts().isEmpty());
}

TEST_F(WeekCheckTest, ChildrenWithNamesTooLongForAPaymentRowAreNamedOnce)
{
    const QString longName(60, QLatin1Char('L'));
    Enroll(longName, 3);
    Enroll(QStringLiteral("Amy"), 3);
    m_view.RunWeekCheck();
    m_view.RunWeekCheck();
    EXPECT_EQ(StoredWeeks(), QStringList({"Amy " + kWeekStart}));
    ASSERT_EQ(Prompt().Texts().size(), 1);
    EXPECT_TRUE(Prompt().Texts()[0].contains(longName));
}

TEST_F(WeekCheckTest, AnEngineErrorIsToldOnceUntilACheckSucceeds)
{
    int checks = 0;
    bool failing = true;
    WeekCheckRunner* self = nullptr;
    bool nestedRan = true;
    WeekCheckRunner runner([&] {
        ++checks;
        // A message box shown by this check lets the timer tick again.
        nestedRan = self->Run().has_value();
        if (failing)
            throw DatabaseError(QStringLiteral("disk I/O error"));
        return WeekCheck::Result{};
    });
    self = &runner;

    EXPECT_FALSE(runner.Run());
    EXPECT_FALSE(nestedRan) << "no second check inside the first";
    EXPECT_FALSE(runner.Run());
    EXPECT_EQ(Prompt().Texts(), QStringList({"disk I/O error"}));
    failing = false;
    EXPECT_TRUE(runner.Run());
    failing = true;
    EXPECT_FALSE(runner.Run());
    EXPECT_EQ(Prompt().Texts().size(), 2);
    EXPECT_EQ(checks, 4);
}

} // namespace
