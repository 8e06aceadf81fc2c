#include "RecordViewsTestKit.h"

#include "commands/CommandIds.h"
#include "widgets/PictureButton.h"
#include "records/view/ChildCenterView.h"
#include "records/view/EnrollmentForm.h"
#include "records/view/FamilyDetailsForm.h"
#include "app/FamilyCenterView.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

namespace {

class FamilyCenterTest : public RecordViewsTest
{
protected:
    FamilyCenterTest()
    {
        // Amy is enrolled at the Child Center, with both dates and the daily PBG.
        EnrollChild(m_childCenter, QStringLiteral("Amy"), QStringLiteral("R-17"));
        EnrollmentForm& form = *m_childCenter.Form();
        m_childCenter.ShowFolder(At(QStringLiteral("Amy")));
        m_childCenter.OnCommand(Cmd::ChildEdit);
        form.findChild<QDateEdit*>(QStringLiteral("birthday"))->setDate(QDate(2019, 3, 7));
        form.findChild<QDateEdit*>(QStringLiteral("enrollDate"))->setDate(QDate(2021, 11, 15));
        TypeInto(form, "dailyPbg", QStringLiteral("12.5"));
        form.Save();
    }

    FamilyDetailsForm& Form() const { return *m_family.Form(); }
    void Show(const QString& relative) { m_family.ShowFolder(At(relative)); }

    ChildCenterView m_childCenter;
    FamilyCenterView m_family;
};

TEST_F(FamilyCenterTest, TheFamilyFormShowsTheChildReadOnlyWithZeroPaddedDates)
{
    Show(QStringLiteral("Amy"));

    EXPECT_EQ(FieldText(Form(), "referenceNo"), QStringLiteral("R-17"));
    EXPECT_EQ(FieldText(Form(), "birthday"), QStringLiteral("2019-03-07"));
    EXPECT_EQ(FieldText(Form(), "enrollDate"), QStringLiteral("2021-11-15"));
    EXPECT_EQ(FieldText(Form(), "dailyPbg"), QStringLiteral("   12.50"));
    for (const QLineEdit* value : Form().findChildren<QLineEdit*>())
        EXPECT_TRUE(value->isReadOnly()) << value->objectName().toStdString();
}

TEST_F(FamilyCenterTest, ADateThatCannotBeConvertedShowsMinusOneInEachPart)
{
    Execute(QStringLiteral("UPDATE ChildEnrollmentInformation SET Birthday = NULL"));
    Show(QStringLiteral("Amy"));
    EXPECT_EQ(FieldText(Form(), "birthday"), QStringLiteral("-1--1--1"));
    EXPECT_EQ(FieldText(Form(), "enrollDate"), QStringLiteral("2021-11-15"));
}

TEST_F(FamilyCenterTest, TheFamilyPhotoIsItsOwnFile)
{
    const QString childPhoto = WritePhoto(QStringLiteral("Amy/Amy.jpg"), Qt::blue);
    const QByteArray childBytes = Bytes(childPhoto);
    Show(QStringLiteral("Amy"));
    EXPECT_FALSE(Form().Picture()->HasPicture());
    ASSERT_FALSE(Form().LoadPhotoButton()->isHidden());

    const QString chosen = WritePhoto(QStringLiteral("ZZZ/family.jpg"), Qt::green);
    Prompt().QueueFiles({chosen});
    Form().LoadPhotoButton()->click();

    EXPECT_EQ(Bytes(At(QStringLiteral("Amy/Amy_Family.jpg"))), Bytes(chosen));
    EXPECT_EQ(Bytes(childPhoto), childBytes);
    EXPECT_TRUE(Form().Picture()->HasPicture());
}

} // namespace
