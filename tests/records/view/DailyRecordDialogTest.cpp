#include "records/view/DailyRecordDialog.h"
#include "support/DialogTestKit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

const DailyRecord kRecord{7,      QDate(2026, 3, 9), "Amy", "Mother", "5:15PM",
                           "Napped", "Call us",       "r1",  "r2"};

TEST(EmailAddressBookDlgTest, ShowsTheRecordWithEmptyPickupsLeftEmptyAndKeepsTypingAsTyped)
{
    DailyRecordDialog dialog(kRecord);
    EXPECT_EQ(dialog.Record(), kRecord);

    DailyRecordDialog empty(DailyRecord{0, QDate(2026, 3, 9), "Amy", {}, {}, {}, {}, {}, {}});
    EXPECT_EQ(Find<QComboBox>(empty, "whoPickup")->currentText(), QString());
    EXPECT_EQ(Find<QComboBox>(empty, "pickupTime")->currentText(), QString());

    // Typed text is kept as typed, not completed.
    empty.show();
    TypeText(Find<QComboBox>(empty, "whoPickup")->lineEdit(), QStringLiteral("mo"));
    TypeText(Find<QComboBox>(empty, "pickupTime")->lineEdit(), QStringLiteral("6:3"));
    EXPECT_EQ(empty.Record().pickup, QStringLiteral("mo"));
    EXPECT_EQ(empty.Record().pickupTime, QStringLiteral("6:3"));
}

TEST(EmailAddressBookDlgTest, PastedTextStopsAtTheColumnWidthAndTheDialogSaysSo)
{
    DailyRecordDialog dialog(kRecord);
    EXPECT_TRUE(dialog.CutNotice().isEmpty());

    auto& note = *Find<QPlainTextEdit>(dialog, "teacherNote");
    QTextCursor caret = note.textCursor();
    caret.setPosition(2);
    note.setTextCursor(caret);
    note.insertPlainText(QString(300, QLatin1Char('z')));
    EXPECT_EQ(dialog.Record().note, "Na" + QString(249, QLatin1Char('z')) + "pped");
    EXPECT_TRUE(dialog.CutNotice().contains(QStringLiteral("Teacher's Note")));
    EXPECT_TRUE(dialog.CutNotice().contains(QStringLiteral("255")));

    QLineEdit* time = Find<QComboBox>(dialog, "pickupTime")->lineEdit();
    time->clear();
    time->insert(QString(25, QLatin1Char('9')));
    EXPECT_EQ(dialog.Record().pickupTime, QString(20, QLatin1Char('9')));
    EXPECT_TRUE(dialog.CutNotice().contains(QStringLiteral("Pickup Time")));
}

TEST(EmailAddressBookDlgTest, ADateTypedIsTakenOnOkAndOneThatIsNoneKeepsTheDialogOpen)
{
    struct TypedCase
    {
        const char* typed;
        QDate picked;   // from the calendar afterwards
        QDate taken;    // invalid: the dialog stays open
    };
    const TempHome home;
    for (const TypedCase& c : {TypedCase{"2026-03-13", {}, QDate(2026, 3, 13)},
                           TypedCase{"2026-02-30", {}, {}},
                           TypedCase{"soon", QDate(2026, 3, 2), QDate(2026, 3, 2)}}) {
        DailyRecordDialog dialog(kRecord);
        dialog.show();
        auto& date = *Find<QDateEdit>(dialog, "date");
        date.setFocus();
        TypeText(&date, QString::fromLatin1(c.typed));
        if (c.picked.isValid())
            date.setDate(c.picked);
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.taken.isValid()) << c.typed;
        EXPECT_EQ(dialog.Record().date, c.taken.isValid() ? c.taken : kRecord.date) << c.typed;
    }
    ASSERT_EQ(home.Prompt().Texts().size(), 1);
    EXPECT_TRUE(home.Prompt().Texts()[0].contains(QLatin1String("is not a date")));
}

} // namespace
