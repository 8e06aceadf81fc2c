#include "tuition/view/StatementTestKit.h"

#include "settings/ProgramState.h"
#include "canvas/objects/WrnDocument.h"
#include "platform/Clock.h"
#include "support/DatabaseFile.h"
#include "support/ScriptedPrompt.h"
#include "support/TempHome.h"
#include "tuition/StatementObject.h"

using namespace StatementKit;

namespace {

// A statement at the page's origin: rows of 22 below the middle at 220, the headings
// from 242, the first data row from 264, totals from 374 (or 352 after four rows).
constexpr int kFirstRow = 264;
constexpr int kRowHeight = 22;
constexpr int kTotalsAfterFour = 352;
constexpr int kTotalsElsewhere = 374;
constexpr int kLegend = 396;

class StatementSheetTest : public ::testing::Test
{
protected:
    StatementSheetTest()
    {
        Program().tuitionRates.currencySymbol = QStringLiteral("$");
        Program().centerInfo.name = QStringLiteral("Little Acorns");
    }

    static StatementObject SheetFor(const QString& child, int year, int month)
    {
        StatementObject sheet(PageRect{0, 0, StatementObject::kWidth, StatementObject::kHeight});
        sheet.Choose(child, year, month);
        return sheet;
    }
    // Rows drawn at the first `count` row bands and none below them.
    static void ExpectRowBands(const QImage& picture, int count)
    {
        for (int n = 0; n < count; ++n)
            EXPECT_TRUE(Inked(picture, RowBand(kFirstRow + kRowHeight * n))) << "row " << n;
        for (int n = count; n < 4; ++n)
            EXPECT_FALSE(Inked(picture, RowBand(kFirstRow + kRowHeight * n))) << "row " << n;
    }

    TempHome m_home;
};

// Whether the right-aligned text in the band [top, top + height) has a white gap of at
// least `gap` columns before whatever is drawn left of it.
bool ClearLeftOfRightText(const QImage& picture, int top, int height, int gap = 8)
{
    const auto blank = [&](int x) { return !Inked(picture, QRect(x, top, 1, height)); };
    int x = picture.width() - 1;
    while (x > 0 && blank(x))
        --x;
    for (int run = 0; x > 0; --x) {
        run = blank(x) ? run + 1 : 0;
        if (run >= gap)
            return true;
    }
    return false;
}

TEST_F(StatementSheetTest, MarchListsMarchCarriesFebruaryIgnoresAprilAndKeepsLongTextsInTheirCells)
{
    Enroll(QStringLiteral("Anna"), 5, 0, QStringLiteral("parents@example.org"));
    StoreOwedWeek(QStringLiteral("Anna"), QDate(2012, 2, 20), 10.25);
    StoreOwedWeek(QStringLiteral("Anna"), QDate(2012, 2, 27), 20);
    StoreOwedWeek(QStringLiteral("Anna"), QDate(2012, 3, 5), 100.5,
                  QStringLiteral("Direct debit from the savings"));
    StoreOwedWeek(QStringLiteral("Anna"), QDate(2012, 3, 12), 33.48);
    StoreOwedWeek(QStringLiteral("Anna"), QDate(2012, 3, 19), 0);
    StoreOwedWeek(QStringLiteral("Anna"), QDate(2012, 4, 2), 500);
    StoreOwedWeek(QStringLiteral("Ben"), QDate(2012, 3, 26), 77);

    StatementObject sheet = SheetFor(QStringLiteral("Anna"), 2012, 3);
    const QImage picture = Render(sheet);

    const StatementFigures& figures = sheet.LastFigures();
    ASSERT_EQ(figures.rows.size(), 3u);
    EXPECT_DOUBLE_EQ(figures.TotalDue(), 164.23);
    EXPECT_EQ(sheet.ParentEmail(), QStringLiteral("parents@example.org"));

    ExpectRowBands(picture, 3);
    // Three rows: the totals keep their place three rows above the bottom.
    EXPECT_FALSE(Inked(picture, RowBand(kTotalsAfterFour)));
    EXPECT_TRUE(Inked(picture, RowBand(kTotalsElsewhere)));
    EXPECT_TRUE(Inked(picture, RowBand(kLegend)));
    // No date paid: its cell (to 605) stays empty though the row's payment text is long.
    EXPECT_FALSE(Inked(picture, QRect(545, kFirstRow + 3, 60, 16)));
    EXPECT_TRUE(Inked(picture, QRect(606, kFirstRow + 3, 65, 16)));
}

TEST_F(StatementSheetTest, AChildWithoutEnrollmentKeepsNoOtherParentsAddress)
{
    Enroll(QStringLiteral("Anna"), 5, 0, QStringLiteral("parents@example.org"));
    StoreOwedWeek(QStringLiteral("Ben"), QDate(2012, 3, 5), 100);
    StatementObject sheet = SheetFor(QStringLiteral("Anna"), 2012, 3);
    Render(sheet);
    ASSERT_EQ(sheet.ParentEmail(), QStringLiteral("parents@example.org"));

    sheet.Choose(QStringLiteral("Ben"), 2012, 3);
    const QImage picture = Render(sheet);
    EXPECT_TRUE(sheet.ParentEmail().isEmpty());
    EXPECT_FALSE(Inked(picture, QRect(0, 121, 740, 99))); // no child block
    ExpectRowBands(picture, 1);                           // but Ben's week
}

TEST_F(StatementSheetTest, TotalsFollowExactlyFourRowsAndKeepTheirPlaceOtherwise)
{
    // Made before the database: what is stored is read at the next paint.
    StatementObject sheet = SheetFor(QStringLiteral("Anna"), 2012, 3);
    ExpectRowBands(Render(sheet), 0);
    Enroll(QStringLiteral("Anna"));
    for (const int day : {1, 8, 15, 22})
        StoreOwedWeek(QStringLiteral("Anna"), QDate(2012, 3, day), 50);

    QImage picture = Render(sheet);
    EXPECT_DOUBLE_EQ(sheet.LastFigures().debitOfMonth, 200);
    ExpectRowBands(picture, 4);
    EXPECT_TRUE(Inked(picture, RowBand(kTotalsAfterFour)));
    EXPECT_FALSE(Inked(picture, RowBand(kTotalsElsewhere)));

    // A fifth week fills the band the totals took and pushes them back down.
    StoreOwedWeek(QStringLiteral("Anna"), QDate(2012, 3, 29), 50);
    picture = Render(sheet);
    EXPECT_EQ(sheet.LastFigures().rows.size(), 5u);
    EXPECT_TRUE(Inked(picture, RowBand(kTotalsAfterFour)));
    EXPECT_TRUE(Inked(picture, RowBand(kTotalsElsewhere)));
}

TEST_F(StatementSheetTest, WithoutAChildOnlyTitleCenterAndEmptyGridAreDrawn)
{
    Program().centerInfo.manager = QStringLiteral("Maria");
    Enroll(QStringLiteral("Anna"), 5, 0, QStringLiteral("parents@example.org"));
    StoreOwedWeek(QStringLiteral("Anna"), QDate(2012, 3, 5), 100);
    // "All" stands for everyone in the enrollment table's own selection, not here.
    for (const char* folder : {"", "AAA", "ZZZ", "All"}) {
        StatementObject sheet = SheetFor(QLatin1String(folder), 2012, 3);
        const QImage picture = Render(sheet);
        EXPECT_TRUE(Inked(picture, QRect(0, 56, 740, 20))) << folder;     // center, manager
        EXPECT_FALSE(Inked(picture, QRect(0, 121, 740, 99))) << folder;   // no child block
        ExpectRowBands(picture, 0);
        EXPECT_FALSE(Inked(picture, RowBand(kTotalsElsewhere)));
        EXPECT_TRUE(Inked(picture, QRect(370, 395, 1, 3)));               // the grid's last line
    }
}

TEST_F(StatementSheetTest, LongTextsStopShortOfTheTextsBesideThem)
{
    const QString longText = QStringLiteral("Little Acorns Early Learning and Child Care Centre "
                                            "of the Greater Northern Suburbs and Surrounds");
    Program().centerInfo.name = longText;
    Program().centerInfo.manager = QStringLiteral("Maria");
    Enroll(QStringLiteral("Anna"));
    QueryDatabaseFile(m_home.FilePath(QStringLiteral("WRN.mdb")),
                      QStringLiteral("UPDATE ChildEnrollmentInformation SET Mother = ?, "
                                     "Address = ?"), {longText, longText + longText});
    StatementObject sheet = SheetFor(QStringLiteral("Anna"), 2012, 3);
    const QImage picture = Render(sheet);
    // The center and the manager; the parents and the amount forward; the address and the
    // total due.
    for (const int top : {57, 205, 222})
        EXPECT_TRUE(ClearLeftOfRightText(picture, top, 17)) << top;
}

TEST_F(StatementSheetTest, AnUnreadableFileIsNamedWhereTheChildsAmountsWouldBe)
{
    const BrokenDatabase& broken = BrokenDatabaseOfKind("wrongly typed");
    WriteBrokenDatabase(broken, m_home.FilePath(QStringLiteral("WRN.mdb")));
    StatementObject sheet = SheetFor(QStringLiteral("Ann"), 2024, 3);
    const QImage picture = Render(sheet);
    EXPECT_TRUE(sheet.ReadProblem().contains(QLatin1String(broken.problem)))
        << sheet.ReadProblem().toStdString();
    EXPECT_TRUE(Inked(picture, QRect(0, 121, 740, 99)));     // where the child's details go
    EXPECT_FALSE(Inked(picture, QRect(400, 222, 340, 18)));  // no "Total Due Now"
    // Painting asks nobody anything.
    EXPECT_TRUE(m_home.Prompt().Messages().isEmpty());
}

TEST_F(StatementSheetTest, RowDatesShowWithZeros)
{
    WeeklyPayment week;
    week.weekStart = DbDate::FromDate(QDate(2012, 3, 5));
    week.weekEnd = DbDate::FromDate(QDate(2012, 3, 11));
    week.paidDate = QStringLiteral("2012- 3- 9");
    const QStringList texts = StatementObject::RowTexts(week);
    EXPECT_EQ(texts.mid(0, 2), QStringList({"05/03/2012", "11/03/2012"}));
    EXPECT_EQ(texts[9], QStringLiteral("2012-03-09"));
    week.weekStart = DbDate::Invalid();
    EXPECT_EQ(StatementObject::RowTexts(week)[0], QStringLiteral("-1/-1/-1"));
}

TEST_F(StatementSheetTest, ANewStatementShowsThisMonthACloneKeepsTheChoiceAndASavedPageHoldsNone)
{
    Clock::SetNow(QDateTime(QDate(2014, 12, 31), QTime(23, 30), Qt::UTC));
    const StatementObject fresh;
    EXPECT_EQ(fresh.m_nYear, 2014);
    EXPECT_EQ(fresh.m_nMonth, 12);

    Enroll(QStringLiteral("Anna"));
    StoreOwedWeek(QStringLiteral("Anna"), QDate(2012, 3, 5), 100);
    StatementObject sheet = SheetFor(QStringLiteral("Anna"), 2012, 3);
    const std::unique_ptr<PageObject> copy = sheet.Clone();
    auto* clone = dynamic_cast<StatementObject*>(copy.get());
    ASSERT_NE(clone, nullptr);
    EXPECT_NE(clone->m_strID, sheet.m_strID);
    EXPECT_EQ(clone->m_nMonth, 3);
    ExpectRowBands(Render(*clone), 1);   // Anna's March

    ObjectList objects;
    objects.push_back(std::make_unique<StatementObject>(PageRect{0, 100, 740, 540}));
    const QString path = m_home.FilePath(QStringLiteral("page.wrn"));
    ASSERT_TRUE(SaveDocument(path, WrnPage{}, objects));
    const std::optional<WrnDocument> read = LoadDocument(path);
    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(read->objects.empty());
}

} // namespace
