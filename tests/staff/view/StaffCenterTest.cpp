#include "commands/CommandIds.h"
#include "platform/Clock.h"
#include "records/RecordsDatabase.h"
#include "records/StaffTable.h"
#include "records/TimeSheetTable.h"
#include "staff/MonthCalendarPainting.h"
#include "staff/view/MonthCalendar.h"
#include "staff/view/StaffCalendarDialog.h"
#include "staff/view/StaffCenterView.h"
#include "staff/view/StaffReportList.h"
#include "support/DatabaseFile.h"
#include "support/DialogTestKit.h"
#include "support/PictureFiles.h"
#include "support/PixelProbes.h"
#include "support/WidgetTexts.h"
#include "widgets/PictureButton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

using namespace TimeSheet;

namespace {

// Wednesday 14 March 2012, before the center is made.
struct FixedClock
{
    FixedClock() { Clock::SetNow(QDateTime(QDate(2012, 3, 14), QTime(9, 0), Qt::UTC)); }
};

class StaffCenterTest : public DialogTest
{
protected:
    ~StaffCenterTest() override { RecordsDatabase::Shared().Close(); }

    QString DatabasePath() const { return m_home.FilePath(QStringLiteral("WRN.mdb")); }
    std::vector<QSqlRecord> Rows(const QString& sql) const
    {
        return QueryDatabaseFile(DatabasePath(), sql);
    }
    QLineEdit& Field(const char* name) const { return *Find<QLineEdit>(m_center, name); }
    // Add, the name and department typed, Save: as a person would.
    void Hire(const QString& name, const QString& department = QStringLiteral("Babies"))
    {
        ASSERT_TRUE(m_center.OnCommand(Cmd::StaffAdd));
        Field("name").setText(name);
        Field("department").setText(department);
        Find<QPushButton>(m_center, "save")->click();
    }
    QStringList ListTexts(const QTreeWidget& list) const
    {
        QStringList texts;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            texts << RowTexts(list, i).join(QLatin1Char('|'));
        return texts;
    }
    // The stored states of the days of the member's month of 2012.
    QStringList Days(const QString& name, int month, std::initializer_list<int> days) const
    {
        QStringList states;
        for (const int day : days) {
            const auto rows = QueryDatabaseFile(
                DatabasePath(),
                QStringLiteral("SELECT Day%1 FROM EmployeeTimeTable WHERE Name = ? AND Year = 2012 "
                               "AND Month = ?").arg(day),
                {name, month});
            states << (rows.size() == 1 ? rows[0].value(0).toString()
                                        : QStringLiteral("rows: %1").arg(rows.size()));
        }
        return states;
    }

    FixedClock m_clock;
    StaffCenterView m_center;
};

TEST_F(StaffCenterTest, AddEditAndDeleteKeepTheListsAndTheFileInStep)
{
    // Without a database the lists stay empty and none is made.
    m_center.FillLists();
    EXPECT_EQ(m_center.StaffList()->topLevelItemCount(), 0);
    EXPECT_FALSE(QFile::exists(DatabasePath()));
    EXPECT_FALSE(m_center.UpdateCommand(Cmd::StaffEditCalendar).enabled);

    Hire(QStringLiteral("Kim"));
    Hire(QStringLiteral("Ann O'Neil"), QStringLiteral("Office"));
    EXPECT_EQ(ListTexts(*m_center.StaffList()),
              (QStringList{QStringLiteral("Ann O'Neil|Office"), QStringLiteral("Kim|Babies")}));
    EXPECT_EQ(m_center.StaffShown(), QStringLiteral("Ann O'Neil"));
    EXPECT_EQ(Days(QStringLiteral("Ann O'Neil"), 3, {1}), QStringList{"T"});

    // A second Kim is refused; the form stays for correcting.
    Hire(QStringLiteral("Kim"));
    EXPECT_TRUE(Prompt().Texts().last().contains(QStringLiteral("already")));
    EXPECT_EQ(m_center.EditMode(), StaffCenterView::Mode::Adding);
    Hire(QStringLiteral("a/b"));
    EXPECT_EQ(Rows(QStringLiteral("SELECT * FROM EmployeeInfo")).size(), 2u);

    Prompt().QueueAnswer(UserPrompt::Answer::No);   // the refused name is let go
    ASSERT_TRUE(m_center.SelectStaff(QStringLiteral("Kim")));
    EXPECT_FALSE(m_center.UpdateCommand(Cmd::StaffSave).enabled);
    m_center.OnCommand(Cmd::StaffEdit);
    Field("department").setText(QStringLiteral("Preschool"));
    m_center.OnCommand(Cmd::FileSave);
    EXPECT_EQ(Rows(QStringLiteral("SELECT Department FROM EmployeeInfo WHERE Name = 'Kim'"))[0]
                  .value(0).toString(), QStringLiteral("Preschool"));
    EXPECT_TRUE(ListTexts(*m_center.StaffList()).contains(QStringLiteral("Kim|Preschool")));
    // A change another seat saved since Kim was shown stays, and the form shows it.
    Rows(QStringLiteral("UPDATE EmployeeInfo SET Position = 'Cook' WHERE Name = 'Kim'"));
    m_center.OnCommand(Cmd::StaffEdit);
    Field("department").setText(QStringLiteral("Toddlers"));
    m_center.OnCommand(Cmd::FileSave);
    EXPECT_TRUE(Prompt().Texts().last().contains(QLatin1String("changed on another computer")));
    EXPECT_EQ(Field("position").text() + Field("department").text(), QStringLiteral("CookPreschool"));

    // No and Cancel keep the record; Yes takes it and its months.
    m_center.OnCommand(Cmd::StaffNextMonth);
    Prompt().QueueAnswer(UserPrompt::Answer::No);
    m_center.OnCommand(Cmd::StaffDelete);
    EXPECT_EQ(Rows(QStringLiteral("SELECT * FROM EmployeeTimeTable WHERE Name = 'Kim'")).size(), 2u);
    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    m_center.OnCommand(Cmd::StaffDelete);
    EXPECT_EQ(Prompt().Texts().last(), QStringLiteral("Are you sure you need to delete this record?"));
    EXPECT_TRUE(Rows(QStringLiteral("SELECT * FROM EmployeeTimeTable WHERE Name = 'Kim'")).empty());
    EXPECT_EQ(ListTexts(*m_center.StaffList()), QStringList{QStringLiteral("Ann O'Neil|Office")});
    EXPECT_EQ(m_center.LeaveSummary()->topLevelItemCount(), 1);
    EXPECT_FALSE(m_center.UpdateCommand(Cmd::StaffDelete).enabled);
    EXPECT_TRUE(Field("name").text().isEmpty());
}

TEST_F(StaffCenterTest, TheCalendarDialogWritesTheMonthAndTheSummaryFollows)
{
    Hire(QStringLiteral("Kim"));
    m_center.YearSpin()->setValue(2012);
    ScriptNextDialog([](QDialog& dialog) {
        for (int weekday = 1; weekday <= 5; ++weekday)
            dialog.findChild<QCheckBox*>(QStringLiteral("weekday%1").arg(weekday))->setChecked(true);
        auto* days = Find<QListWidget>(dialog, "monthDays");
        auto* add = Find<QPushButton>(dialog, "addLeave");
        days->setCurrentRow(4);   // 5 March
        add->click();
        Find<QRadioButton>(dialog, "sick")->setChecked(true);
        days->setCurrentRow(5);
        add->click();
        days->setCurrentRow(6);
        add->click();
        auto* leave = Find<QListWidget>(dialog, "leaveDays");
        leave->setCurrentRow(1);   // 7 March back out
        Find<QPushButton>(dialog, "removeLeave")->click();
        EXPECT_EQ(leave->count(), 1);
        Find<QLineEdit>(dialog, "note")->setText(QStringLiteral("Course on the 9th"));
        Press(dialog, QDialogButtonBox::Ok);
    });
    m_center.OnCommand(Cmd::StaffEditCalendar);
    EXPECT_EQ(Days(QStringLiteral("Kim"), 3, {5, 6, 7, 10}),
              (QStringList{"Annual Leave", "Sick", "Working", "T"}));
    EXPECT_EQ(m_center.Calendar()->Shown().note, QStringLiteral("Course on the 9th"));
    // The staff record's own note is not the month's.
    EXPECT_TRUE(Field("note").text().isEmpty());
    EXPECT_EQ(ListTexts(*m_center.LeaveSummary()), QStringList{QStringLiteral("Kim|1|1")});
    m_center.YearSpin()->setValue(2013);
    EXPECT_EQ(ListTexts(*m_center.LeaveSummary()), QStringList{QStringLiteral("Kim|0|0")});

    // Cancel leaves the month as it was.
    ScriptNextDialog([](QDialog& dialog) {
        Find<QCheckBox>(dialog, "weekday3")->setChecked(false);
        Press(dialog, QDialogButtonBox::Cancel);
    });
    m_center.OnCommand(Cmd::StaffEditCalendar);
    EXPECT_EQ(Days(QStringLiteral("Kim"), 3, {7}), QStringList{"Working"});
}

TEST_F(StaffCenterTest, MonthsStepAcrossTheYearAndGetTheirRowOnce)
{
    Hire(QStringLiteral("Kim"));
    for (int i = 0; i < 3; ++i)
        m_center.OnCommand(Cmd::StaffPreviousMonth);
    EXPECT_EQ(m_center.MonthShown(), (YearMonth{2011, 12}));
    m_center.OnCommand(Cmd::StaffNextMonth);
    EXPECT_EQ(m_center.MonthShown(), (YearMonth{2012, 1}));
    EXPECT_EQ(Rows(QStringLiteral("SELECT * FROM EmployeeTimeTable")).size(), 4u);
    EXPECT_EQ(m_center.Calendar()->Shown().month, (YearMonth{2012, 1}));
}

TEST_F(StaffCenterTest, LoadPhotoNeverReplacesAPhoto)
{
    Hire(QStringLiteral("Kim"));
    const QString chosen = WriteSolidPicture(m_home.FilePath(QStringLiteral("red.jpg")),
                                             QSize(24, 20), Qt::red);
    Prompt().QueueFiles({chosen});
    m_center.LoadPhoto();
    const QString photo = m_home.FilePath(QStringLiteral("staff/Kim.jpg"));
    EXPECT_TRUE(m_center.Picture()->HasPicture());
    const QByteArray before = BytesOf(photo);
    ASSERT_NE(before, QByteArray("missing"));

    WriteSolidPicture(m_home.FilePath(QStringLiteral("blue.jpg")), QSize(24, 20), Qt::blue);
    Prompt().QueueFiles({m_home.FilePath(QStringLiteral("blue.jpg"))});
    m_center.LoadPhoto();
    EXPECT_EQ(BytesOf(photo), before);
    EXPECT_TRUE(Prompt().Texts().last().contains(QStringLiteral("not replaced")));
}

TEST_F(StaffCenterTest, TheTimeTableMenuRunsTheCentersCommands)
{
    Hire(QStringLiteral("Kim"));
    std::unique_ptr<QMenu> menu(m_center.StaffList()->BuildContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    EXPECT_EQ(texts, (QStringList{"Add New Staff Information", "Add One Week",
                                  "Edit Staff Information", "Delete Staff Information",
                                  "Send Staff Email"}));
    menu->actions()[1]->trigger();   // Add One Week: Monday 12 to Friday 16 March
    EXPECT_EQ(Days(QStringLiteral("Kim"), 3, {12, 17}), (QStringList{"Working", "T"}));
    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    menu->actions()[3]->trigger();
    EXPECT_TRUE(Rows(QStringLiteral("SELECT * FROM EmployeeInfo")).empty());
}

TEST_F(StaffCenterTest, LeavingWithUnsavedTypingAsksFirst)
{
    Hire(QStringLiteral("Kim"));
    EXPECT_TRUE(m_center.QueryLeave());
    m_center.OnCommand(Cmd::StaffEdit);
    Field("phone").setText(QStringLiteral("555 0101"));
    EXPECT_FALSE(m_center.QueryLeave());   // Cancel stays
    Prompt().QueueAnswer(UserPrompt::Answer::No);
    EXPECT_TRUE(m_center.QueryLeave());
    EXPECT_TRUE(Field("phone").text().isEmpty());
    m_center.OnCommand(Cmd::StaffAdd);
    Field("name").setText(QStringLiteral("Lee"));
    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    EXPECT_TRUE(m_center.QueryLeave());
    EXPECT_EQ(Rows(QStringLiteral("SELECT * FROM EmployeeInfo")).size(), 2u);

    // Choosing another member in the list asks too; Cancel keeps the typing.
    m_center.SelectStaff(QStringLiteral("Kim"));
    m_center.OnCommand(Cmd::StaffEdit);
    Field("phone").setText(QStringLiteral("555 0102"));
    m_center.SelectStaff(QStringLiteral("Lee"));
    EXPECT_EQ(Field("name").text(), QStringLiteral("Kim"));
    EXPECT_EQ(Field("phone").text(), QStringLiteral("555 0102"));
    Prompt().QueueAnswer(UserPrompt::Answer::No);
    m_center.SelectStaff(QStringLiteral("Lee"));
    EXPECT_EQ(Field("name").text(), QStringLiteral("Lee"));

    // Typing without Edit first is an edit too: it can be saved and is asked about.
    TypeText(&Field("phone"), QStringLiteral("555 0103"));
    EXPECT_TRUE(m_center.UpdateCommand(Cmd::FileSave).enabled);
    EXPECT_FALSE(m_center.QueryLeave());
    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    EXPECT_TRUE(m_center.QueryLeave());
    EXPECT_EQ(Rows(QStringLiteral("SELECT Phone FROM EmployeeInfo WHERE Name = 'Lee'"))[0]
                  .value(0).toString(), QStringLiteral("555 0103"));

    // Saved on choosing another member: the list row changed is the saved one's.
    TypeText(&Field("department"), QStringLiteral("Office"));
    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    m_center.SelectStaff(QStringLiteral("Kim"));
    EXPECT_EQ(Field("name").text(), QStringLiteral("Kim"));
    EXPECT_EQ(ListTexts(*m_center.StaffList()),
              (QStringList{QStringLiteral("Lee|Office"), QStringLiteral("Kim|Babies")}));
}

// The painted calendar: each kind of day in its fill, probed away from its texts.
TEST(CalendarPaintingTest, EachDayIsFilledByItsState)
{
    const std::pair<const char*, QRgb> fills[] = {
        {kSick, MonthCalendarPainting::kSickColor},
        {kAnnual, MonthCalendarPainting::kAnnualColor},
        {kWorking, MonthCalendarPainting::kWorkingColor},
        {kNone, qRgb(255, 255, 255)}};
    const YearMonth march{2012, 3};
    const QRectF area(10, 10, 680, 400);
    for (const auto& [state, fill] : fills) {
        SCOPED_TRACE(state);
        MonthSheet sheet = BlankMonth(march);
        sheet.days[19] = QLatin1String(state);   // Tuesday 20 March
        sheet.note = QStringLiteral("note");
        QImage image(700, 420, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        MonthCalendarPainting::Paint(painter, area, sheet);
        painter.end();
        for (const int day : {20, 21}) {
            const QRectF cell = MonthCalendarPainting::DayCell(area, march, day);
            const QPoint probe = (cell.bottomRight() - QPointF(4, 4)).toPoint();
            EXPECT_TRUE(ColorsNear(image.pixelColor(probe), QColor(day == 20 ? fill : qRgb(255, 255, 255))))
                << "day " << day << " " << image.pixelColor(probe).name().toStdString();
        }
        EXPECT_TRUE(ColorsNear(image.pixelColor(12, 12), QColor(MonthCalendarPainting::kFrameColor)));
    }
}

} // namespace
