#include "RecordViewsTestKit.h"

#include "commands/CommandIds.h"
#include "widgets/PictureButton.h"
#include "platform/Clock.h"
#include "records/view/ChildCenterView.h"
#include "records/view/EnrollmentForm.h"
#include "records/view/DailyRecordList.h"
#include "records/ChildRecords.h"
#include "records/EnrollmentTable.h"
#include "support/DatabaseFile.h"
#include "support/DialogTestKit.h"
#include "settings/ProgramState.h"
#include "widgets/ModalRunner.h"
#include "widgets/SendEmailDialog.h"

#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

using Mode = EnrollmentForm::Mode;

const QString kEnrollment = QStringLiteral("ChildEnrollmentInformation");

// Each text field with its column.
const std::pair<const char*, const char*> kFields[] = {
    {"childName", "ChildName"}, {"referenceNo", "ChildRefrenceNo"}, {"classroom", "Class"},
    {"mother", "Mother"}, {"father", "Father"}, {"grandParents", "GrandParents"},
    {"contactNumbers", "ContactNumber"}, {"email", "Email"}, {"address", "Address"},
    {"immunisation", "Immunisation"}, {"note", "Note"}};

double DaysOf(const QDate& date)
{
    return QDate(1899, 12, 30).daysTo(date);
}

class ChildCenterTest : public RecordViewsTest
{
protected:
    EnrollmentForm& Form() const { return *m_center.Form(); }
    QPushButton& SaveButton() const
    {
        return *Form().findChild<QPushButton*>(QStringLiteral("save"));
    }
    QDateEdit& DateField(const char* name) const
    {
        return *Form().findChild<QDateEdit*>(QString::fromLatin1(name));
    }
    void Show(const QString& relative) { m_center.ShowFolder(At(relative)); }
    // On screen and active, so that focus and keys go where a person's would.
    void ShowActive()
    {
        m_center.resize(1000, 700);
        m_center.show();
        m_center.activateWindow();
        QApplication::processEvents();
    }
    bool Enabled(int id) const { return m_center.UpdateCommand(id).enabled; }
    void Enroll(const QString& name, const QString& referenceNo = {})
    {
        EnrollChild(m_center, name, referenceNo);
    }
    QVariant Column(std::size_t row, const char* column) const
    {
        const std::vector<QSqlRecord> rows = Rows(kEnrollment);
        return row < rows.size() ? rows[row].value(QString::fromLatin1(column)) : QVariant();
    }

    ChildCenterView m_center;
};

TEST_F(ChildCenterTest, TheFirstSavedChildCreatesTheDatabaseItsRowAndItsFolder)
{
    ASSERT_FALSE(DatabaseExists());
    ASSERT_TRUE(m_center.OnCommand(Cmd::ChildAdd));
    // Each field with a text of its own, so that two fields swapped show.
    for (const auto& [field, column] : kFields)
        TypeInto(Form(), field, QLatin1String(column));
    TypeInto(Form(), "enrollType", QStringLiteral("3"));
    // The daily PBG keeps the number its text starts with.
    TypeInto(Form(), "dailyPbg", QStringLiteral("12.5 a day"));
    DateField("birthday").setDate(QDate(2019, 3, 7));
    DateField("enrollDate").setDate(QDate(2021, 9, 1));
    SaveButton().click();

    EXPECT_TRUE(Prompt().Texts().isEmpty()) << Prompt().Texts().join('|').toStdString();
    ASSERT_EQ(Rows(kEnrollment).size(), 1u);
    for (const auto& [field, column] : kFields)
        EXPECT_EQ(Column(0, column).toString(), QLatin1String(column));
    EXPECT_EQ(Column(0, "Birthday").toDouble(), DaysOf(QDate(2019, 3, 7)));
    EXPECT_EQ(Column(0, "EnrollDate").toDouble(), DaysOf(QDate(2021, 9, 1)));
    EXPECT_EQ(Column(0, "EnrollType").toInt(), 3);
    EXPECT_EQ(Column(0, "PayFromGovernment").toDouble(), 12.5);

    EXPECT_TRUE(QFileInfo(At(QStringLiteral("ChildName"))).isDir());
    // Saved: the form stands for the new row.
    EXPECT_EQ(Form().ChildShown(), QStringLiteral("ChildName"));
}

TEST_F(ChildCenterTest, AChildWhoseFolderIsAlreadyThereKeepsTheFolderAndItsPhotos)
{
    const QString photo = WritePhoto(QStringLiteral("Amy/Amy.jpg"), Qt::blue);
    WritePhoto(QStringLiteral("Amy/park.png"));
    const QByteArray photoBytes = Bytes(photo);

    Enroll(QStringLiteral("Amy"));

    EXPECT_EQ(Entries(At(QStringLiteral("Amy"))),
              (QStringList{QStringLiteral("Amy.jpg"), QStringLiteral("park.png")}));
    EXPECT_EQ(Bytes(photo), photoBytes);
    // The photo that was there shows, so there is nothing to load.
    EXPECT_TRUE(Form().Picture()->HasPicture());
    EXPECT_TRUE(Form().LoadPhotoButton()->isHidden());
}

// Names that stand for the enrolled "Emma Brown".
class SecondChildTest : public ChildCenterTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(SecondChildTest, IsRefusedOnAddAndOnRenaming)
{
    const QString refusal = QStringLiteral("A child named Emma Brown is already enrolled.");
    const QString typed = QString::fromUtf8(GetParam());
    Enroll(QStringLiteral("Emma Brown"), QStringLiteral("first"));
    Enroll(QStringLiteral("Ben"), QStringLiteral("ben"));
    const QStringList folders = Entries(Root());

    m_center.OnCommand(Cmd::ChildAdd);
    TypeInto(Form(), "childName", typed);
    SaveButton().click();
    EXPECT_EQ(Prompt().Texts(), QStringList{refusal});
    EXPECT_EQ(Form().EditMode(), Mode::Adding) << "the name can be put right";

    Prompt().QueueAnswer(UserPrompt::Answer::No);
    Show(QStringLiteral("Ben"));
    TypeInto(Form(), "childName", typed);
    SaveButton().click();
    EXPECT_EQ(Prompt().Texts().last(), refusal);
    EXPECT_EQ(EnrolledNames(), (QStringList{"Emma Brown", "Ben"}));
    EXPECT_EQ(Entries(Root()), folders);
}

INSTANTIATE_TEST_SUITE_P(SameName, SecondChildTest,
                         ::testing::Values("Emma Brown", " Emma Brown ", "emma BROWN"));

TEST_F(ChildCenterTest, OnlyAChildFolderChangesTheForm)
{
    Enroll(QStringLiteral("Ben"), QStringLiteral("R2"));
    const QString amy = QStringLiteral("Amy");
    Enroll(amy, QStringLiteral("R1"));
    // A row named like the class folder exists, and still the class folder is no child.
    Execute(QStringLiteral("INSERT INTO ChildEnrollmentInformation (ChildName) VALUES ('AAA')"));
    MakeFolder(amy + QStringLiteral("/Outings"));
    MakeFolder(QStringLiteral("All"));
    Show(amy);

    Show(QStringLiteral("All"));   // a folder, not every child
    Show(QStringLiteral("AAA"));
    Show(QStringLiteral("ZZZ"));
    Show(amy + QStringLiteral("/Outings"));
    m_center.ShowFolder(Root());
    m_center.ShowFolder(m_home.FilePath(QStringLiteral("Ben")));   // not in the library

    EXPECT_EQ(FieldText(Form(), "referenceNo"), QStringLiteral("R1"));
    EXPECT_EQ(Form().ChildShown(), amy);
    EXPECT_TRUE(Prompt().Texts().isEmpty()) << Prompt().Texts().join('|').toStdString();
}

TEST_F(ChildCenterTest, ANameThatCannotNameAFolderIsRefusedAndNothingIsWritten)
{
    const QStringList before = Entries(Root());
    // The class and materials folders are the whole center's, never a child's.
    for (const QString& name : {QStringLiteral("a/b"), QStringLiteral(".."), QString(),
                                QStringLiteral("AAA"), QStringLiteral("ZZZ")}) {
        m_center.OnCommand(Cmd::ChildAdd);
        TypeInto(Form(), "childName", name);
        SaveButton().click();
        ASSERT_FALSE(Prompt().Texts().isEmpty()) << name.toStdString();
        EXPECT_EQ(Prompt().Texts().back(), ChildRecords::NameProblem(name));
        // Still adding: the name can be put right and saved again.
        EXPECT_EQ(Form().EditMode(), Mode::Adding);
    }
    EXPECT_FALSE(DatabaseExists());
    EXPECT_EQ(Entries(Root()), before);
}

TEST_F(ChildCenterTest, DeleteFollowsTheFormAsksFirstAndRemovesOnlyTheEnrollmentRow)
{
    int stateChanges = 0;
    QObject::connect(&m_center, &CenterView::CommandStateChanged, [&] { ++stateChanges; });
    // Disabled commands do nothing, even when sent.
    m_center.OnCommand(Cmd::ChildDelete);
    EXPECT_TRUE(Prompt().Messages().isEmpty());
    std::unique_ptr<QMenu> menu(Form().BuildContextMenu());
    EXPECT_FALSE(menu->actions().last()->isEnabled());

    Enroll(QStringLiteral("Amy"), QStringLiteral("R1"));
    EXPECT_GT(stateChanges, 0);
    menu.reset(Form().BuildContextMenu());
    EXPECT_TRUE(menu->actions().last()->isEnabled());
    Enroll(QStringLiteral("Ben"));
    AddDailyRecord(QStringLiteral("Amy"), Clock::TodayUtc(), QStringLiteral("Slept well"));
    Show(QStringLiteral("Amy"));

    Prompt().QueueAnswer(UserPrompt::Answer::No);
    m_center.OnCommand(Cmd::ChildDelete);
    EXPECT_EQ(Prompt().Texts().size(), 1);
    EXPECT_EQ(EnrolledNames().size(), 2);

    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    m_center.OnCommand(Cmd::ChildDelete);
    EXPECT_EQ(EnrolledNames(), QStringList{QStringLiteral("Ben")});
    EXPECT_EQ(Rows(QStringLiteral("ChildDailyRecord")).size(), 1u);
    EXPECT_TRUE(QFileInfo(At(QStringLiteral("Amy"))).isDir());
    // The form no longer stands for a row.
    EXPECT_FALSE(Enabled(Cmd::ChildDelete));
}

TEST_F(ChildCenterTest, TypingIntoAShownChildEditsTheShownRowOnly)
{
    Enroll(QStringLiteral("Amy"), QStringLiteral("first"));
    Enroll(QStringLiteral("Ben"), QStringLiteral("ben"));
    // A second row of the name, from before names were checked.
    Execute(QStringLiteral("INSERT INTO ChildEnrollmentInformation (ChildName, ChildRefrenceNo) "
                           "VALUES ('Amy', 'second')"));
    Show(QStringLiteral("Amy"));

    TypeText(&DateField("birthday"), QStringLiteral("2020-02-29"));
    EXPECT_EQ(Form().EditMode(), Mode::Editing);
    TypeInto(Form(), "mother", QStringLiteral("Mia"));
    // Its own name in other letters is no second child.
    TypeInto(Form(), "childName", QStringLiteral(" amy "));
    SaveButton().click();

    EXPECT_TRUE(Prompt().Texts().isEmpty()) << Prompt().Texts().join('|').toStdString();
    EXPECT_EQ(Column(0, "ChildName").toString(), QStringLiteral("amy"));
    EXPECT_EQ(Column(0, "Mother").toString(), QStringLiteral("Mia"));
    EXPECT_EQ(Column(0, "Birthday").toDouble(), DaysOf(QDate(2020, 2, 29)));
    EXPECT_EQ(Column(2, "Mother").toString(), QString());
}

TEST_F(ChildCenterTest, ARenamedChildKeepsItsDaysAndPaymentsAndGetsAFolderOfTheNewName)
{
    Enroll(QStringLiteral("Amy"));
    Enroll(QStringLiteral("Ben"));
    WritePhoto(QStringLiteral("Amy/Amy.jpg"));
    AddDailyRecord(QStringLiteral("Amy"), Clock::TodayUtc(), QStringLiteral("Slept well"));
    AddDailyRecord(QStringLiteral("Ben"), Clock::TodayUtc(), QStringLiteral("Ate well"));
    Execute(QStringLiteral("INSERT INTO ChildPaymentInformation (ChildName) VALUES (?), (?)"),
            {QStringLiteral("Amy"), QStringLiteral("Ben")});
    QStringList added;
    QObject::connect(&m_center, &CenterView::LibraryFolderAdded,
                     [&](const QString& name) { added << name; });
    Show(QStringLiteral("Amy"));

    TypeInto(Form(), "childName", QStringLiteral("Amelia"));
    SaveButton().click();

    EXPECT_TRUE(Prompt().Texts().isEmpty()) << Prompt().Texts().join('|').toStdString();
    for (const char* table : {"ChildDailyRecord", "ChildPaymentInformation"}) {
        const std::vector<QSqlRecord> rows = Rows(QString::fromLatin1(table));
        ASSERT_EQ(rows.size(), 2u) << table;
        EXPECT_EQ(rows[0].value(QStringLiteral("ChildName")).toString(), "Amelia") << table;
        EXPECT_EQ(rows[1].value(QStringLiteral("ChildName")).toString(), "Ben") << table;
    }
    EXPECT_EQ(added, QStringList{QStringLiteral("Amelia")});
    EXPECT_TRUE(QFileInfo(At(QStringLiteral("Amelia"))).isDir());
    EXPECT_TRUE(QFileInfo::exists(At(QStringLiteral("Amy/Amy.jpg"))));
    EXPECT_EQ(Form().ChildShown(), QStringLiteral("Amelia"));
}

TEST_F(ChildCenterTest, TypingIntoAFormThatShowsNoChildBeginsANewOne)
{
    EXPECT_FALSE(Enabled(Cmd::FileSave));
    TypeInto(Form(), "childName", QStringLiteral(" Noah "));
    EXPECT_EQ(Form().EditMode(), Mode::Adding);
    ASSERT_TRUE(Enabled(Cmd::FileSave));
    EXPECT_TRUE(m_center.OnCommand(Cmd::FileSave));   // as the window's Save sends it
    EXPECT_FALSE(Enabled(Cmd::FileSave));
    EXPECT_EQ(EnrolledNames(), QStringList{QStringLiteral("Noah")});

    // Add asks about the typing it would clear.
    TypeInto(Form(), "mother", QStringLiteral("Ann"));
    m_center.OnCommand(Cmd::ChildAdd);
    EXPECT_EQ(Prompt().Texts(), QStringList{QStringLiteral("Save changes to Noah?")});
    EXPECT_EQ(FieldText(Form(), "mother"), QStringLiteral("Ann"));
}

TEST_F(ChildCenterTest, AnEditOfAChildChangedOrDeletedMeanwhileSaysSoAndOverwritesNothing)
{
    Enroll(QStringLiteral("Amy"), QStringLiteral("R1"));
    Show(QStringLiteral("Amy"));
    m_center.OnCommand(Cmd::ChildEdit);
    TypeInto(Form(), "mother", QStringLiteral("Mia"));
    {
        EnrollmentTable elsewhere;   // another seat saves a new father
        elsewhere.SelectChild(QStringLiteral("Amy"));
        elsewhere.Edit();
        elsewhere.m_Father = QStringLiteral("Tom");
        elsewhere.Update();
        elsewhere.Close();
    }
    SaveButton().click();
    ASSERT_EQ(Prompt().Texts().size(), 1);
    EXPECT_TRUE(Prompt().Texts()[0].contains(QLatin1String("changed on another computer")));
    EXPECT_EQ(FieldText(Form(), "father"), QStringLiteral("Tom"));
    EXPECT_EQ(Column(0, "Father").toString() + Column(0, "Mother").toString(), QStringLiteral("Tom"));

    m_center.OnCommand(Cmd::ChildEdit);
    TypeInto(Form(), "mother", QStringLiteral("Mia"));
    {
        EnrollmentTable elsewhere;   // another window of the program deletes the row
        elsewhere.SelectChild(QStringLiteral("Amy"));
        elsewhere.Delete();
        elsewhere.Close();
    }
    SaveButton().click();
    EXPECT_EQ(Prompt().Texts().size(), 2);
    EXPECT_EQ(FieldText(Form(), "mother"), QStringLiteral("Mia"));
    EXPECT_TRUE(Rows(kEnrollment).empty());
}

TEST_F(ChildCenterTest, AddClearsTheFormAndTheDailyListButKeepsTheDates)
{
    WritePhoto(QStringLiteral("Amy/Amy.jpg"), Qt::blue);
    m_center.OnCommand(Cmd::ChildAdd);
    DateField("birthday").setDate(QDate(2019, 3, 7));
    TypeInto(Form(), "childName", QStringLiteral("Amy"));
    SaveButton().click();
    AddDailyRecord(QStringLiteral("Amy"), Clock::TodayUtc(), QStringLiteral("Slept well"));
    Show(QStringLiteral("Amy"));
    ASSERT_EQ(m_center.DailyList()->topLevelItemCount(), 1);

    m_center.OnCommand(Cmd::ChildAdd);

    for (const auto& [field, column] : kFields)
        EXPECT_EQ(FieldText(Form(), field), QString()) << field;
    EXPECT_EQ(DateField("birthday").date(), QDate(2019, 3, 7));
    EXPECT_EQ(m_center.DailyList()->topLevelItemCount(), 0);
    // Nobody's photo while a new child is entered, and nothing to load it for yet.
    EXPECT_FALSE(Form().Picture()->HasPicture());
    EXPECT_FALSE(Form().LoadPhotoButton()->isEnabled());
}

TEST_F(ChildCenterTest, LoadPhotoPlacesAChosenPhotoButNeverReplacesOne)
{
    const QString chosen = m_home.FilePath(QStringLiteral("camera.jpg"));
    QImage(64, 48, QImage::Format_RGB32).save(chosen, "JPG");

    // Before a child is shown there is no photo to place.
    Form().LoadPhoto();
    EXPECT_TRUE(Prompt().FileDialogs().isEmpty());

    Enroll(QStringLiteral("Amy"));
    // A damaged file is no photo: it is not put where it would block a real one.
    const QString damaged = m_home.FilePath(QStringLiteral("damaged.jpg"));
    WriteBytes(damaged, QByteArray(3000, 'x'));
    Prompt().QueueFiles({damaged});
    Form().LoadPhoto();
    EXPECT_FALSE(QFileInfo::exists(At(QStringLiteral("Amy/Amy.jpg"))));
    ASSERT_EQ(Prompt().Texts().size(), 1);
    EXPECT_TRUE(Prompt().Texts()[0].contains(QLatin1String("not a picture")));
    Prompt().QueueFiles({chosen});
    Form().LoadPhotoButton()->click();
    const QString photo = At(QStringLiteral("Amy/Amy.jpg"));
    EXPECT_EQ(Bytes(photo), Bytes(chosen));
    EXPECT_TRUE(Form().LoadPhotoButton()->isHidden());

    const QString another = WritePhoto(QStringLiteral("other.jpg"), Qt::red);
    Prompt().QueueFiles({another});
    Form().LoadPhoto();
    EXPECT_EQ(Bytes(photo), Bytes(chosen));
    ASSERT_EQ(Prompt().Texts().size(), 2);
    EXPECT_TRUE(Prompt().Texts()[1].contains(QLatin1String("was not replaced")));
}

TEST_F(ChildCenterTest, AnEngineErrorIsShownAndTheCommandStops)
{
    WriteBrokenDatabase(BrokenDatabaseOfKind("garbage"), DatabasePath());
    const QByteArray planted = Bytes(DatabasePath());

    // The form says what the engine said; the daily list below does not say it again.
    Show(QStringLiteral("Amy"));
    const qsizetype shown = Prompt().Messages().size();
    EXPECT_EQ(shown, 1);
    m_center.OnCommand(Cmd::ChildAdd);
    TypeInto(Form(), "childName", QStringLiteral("Amy"));
    SaveButton().click();

    ASSERT_EQ(Prompt().Messages().size(), shown + 1);
    EXPECT_EQ(Form().EditMode(), Mode::Adding);
    EXPECT_FALSE(QFileInfo::exists(At(QStringLiteral("Amy"))));
    EXPECT_EQ(Bytes(DatabasePath()), planted);
}

TEST_F(ChildCenterTest, TabGoesFromFieldToFieldAcrossTheDatePickers)
{
    ShowActive();
    m_center.OnCommand(Cmd::ChildAdd);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("childName"));

    QStringList visited;
    for (int i = 0; i < 5; ++i) {
        Type(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"referenceNo", "birthday", "enrollDate", "enrollType",
                                    "classroom"}));
}

TEST_F(ChildCenterTest, TypingStaysWithinWhatTheColumnsHold)
{
    m_center.OnCommand(Cmd::ChildAdd);
    TypeInto(Form(), "childName", QString(150, QLatin1Char('n')));
    TypeInto(Form(), "classroom", QString(80, QLatin1Char('c')));
    auto* enrollType = Form().findChild<QLineEdit*>(QStringLiteral("enrollType"));
    enrollType->clear();
    TypeText(enrollType, QStringLiteral("x4"));
    EXPECT_EQ(enrollType->text(), QStringLiteral("4"));
    SaveButton().click();
    // The name goes into the payments too, whose column holds 50.
    EXPECT_EQ(Prompt().Texts(),
              QStringList{QStringLiteral("A child's name can have at most 50 characters.")});
    TypeInto(Form(), "childName", QString(50, QLatin1Char('n')));
    SaveButton().click();

    EXPECT_EQ(Prompt().Texts().size(), 1);
    EXPECT_EQ(Column(0, "ChildName").toString(), QString(50, QLatin1Char('n')));
    EXPECT_EQ(Column(0, "Class").toString(), QString(50, QLatin1Char('c')));
    EXPECT_EQ(Column(0, "EnrollType").toInt(), 4);
}

struct TypedDate
{
    const char* locale;
    const char* typed;
    QDate date;   // invalid: no date, refused
};

class DateTypingTest : public ChildCenterTest, public ::testing::WithParamInterface<TypedDate>
{
};

TEST_P(DateTypingTest, ADateIsTypedWholeWithoutLeavingTheField)
{
    Clock::SetNow(QDateTime(QDate(2026, 3, 14), QTime(9, 0), Qt::UTC));
    ShowActive();
    m_center.OnCommand(Cmd::ChildAdd);
    TypeInto(Form(), "childName", QStringLiteral("Amy"));
    QDateEdit& birthday = DateField("birthday");
    birthday.setLocale(QLocale(QString::fromLatin1(GetParam().locale)));
    const QDate before = birthday.date();
    birthday.setFocus();

    const QString typed = QString::fromUtf8(GetParam().typed);
    TypeText(&birthday, typed);
    EXPECT_EQ(QApplication::focusWidget(), &birthday);

    // Saved as the window's Save would, the typing not yet taken by leaving the field.
    m_center.OnCommand(Cmd::FileSave);
    if (GetParam().date.isValid()) {
        EXPECT_TRUE(Prompt().Texts().isEmpty()) << Prompt().Texts().join('|').toStdString();
        EXPECT_EQ(Column(0, "Birthday").toDouble(), DaysOf(GetParam().date));
    } else {
        ASSERT_EQ(Prompt().Texts().size(), 1);
        const QString refusal = QStringLiteral("\"%1\" is not a date.").arg(typed);
        EXPECT_TRUE(Prompt().Texts()[0].startsWith(refusal)) << Prompt().Texts()[0].toStdString();
        EXPECT_EQ(birthday.date(), before);
        EXPECT_EQ(birthday.text(), typed) << "the text stays to be put right";
        EXPECT_FALSE(DatabaseExists());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateTypingTest,
    ::testing::Values(TypedDate{"en_US", "1/2/46", QDate(2046, 1, 2)},
                      TypedDate{"en_US", "1/2/47", QDate(1947, 1, 2)},
                      TypedDate{"de_DE", "15.3.22", QDate(2022, 3, 15)},
                      TypedDate{"en_US", "15/03/2022", QDate()},
                      TypedDate{"en_US", "soon", QDate()}));

} // namespace

TEST_F(ChildCenterTest, EmailOpensTheSendDialogForTheParentsWithTheSelectedDaysNote)
{
    Enroll(QStringLiteral("Amy"));
    AddDailyRecord(QStringLiteral("Amy"), Clock::TodayUtc(), QStringLiteral("Slept well"));
    Show(QStringLiteral("Amy"));
    TypeInto(Form(), "email", QStringLiteral("mum@example.org;dad@example.org"));
    m_center.DailyList()->setCurrentItem(m_center.DailyList()->topLevelItem(0));
    Program().email.subject = QStringLiteral("From the center");
    MailMessage shown;
    SetModalHook([&](QDialog& dialog) {
        shown = static_cast<SendEmailDialog&>(dialog).Message();
        return int(QDialog::Rejected);
    });

    ASSERT_TRUE(Enabled(Cmd::ChildEmail));
    m_center.OnCommand(Cmd::ChildEmail);

    EXPECT_EQ(shown, (MailMessage{QStringLiteral("mum@example.org;dad@example.org"),
                                  QStringLiteral("From the center"), QStringLiteral("Slept well"),
                                  {}}));
}
