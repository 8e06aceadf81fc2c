#include "RecordViewsTestKit.h"

#include "records/DbDate.h"
#include "widgets/PictureButton.h"
#include "records/view/ChildCenterView.h"
#include "records/view/FamilyDetailsForm.h"
#include "app/FamilyCenterView.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

class FamilyCenterTest : public RecordViewsTest
{
protected:
    FamilyCenterTest()
    {
        // Amy is enrolled at the Child Center; her dates and daily PBG are written later.
        EnrollChild(m_childCenter, QStringLiteral("Amy"), QStringLiteral("R-17"));
        Execute(QStringLiteral("UPDATE ChildEnrollmentInformation SET Birthday = ?, "
                               "EnrollDate = ?, PayFromGovernment = 12.5"),
                {DbDate::FromDate(QDate(2019, 3, 7)).Days(),
                 DbDate::FromDate(QDate(2021, 11, 15)).Days()});
    }

    FamilyDetailsForm& Form() const { return *m_family.Form(); }
    void Show(const QString& relative) { m_family.ShowFolder(At(relative)); }

    ChildCenterView m_childCenter;
    FamilyCenterView m_family;
};

TEST_F(FamilyCenterTest, TheFamilyFormShowsTheChildReadOnlyWithZeroPaddedDatesOrMinusOnes)
{
    Show(QStringLiteral("Amy"));

    EXPECT_EQ(FieldText(Form(), "referenceNo"), QStringLiteral("R-17"));
    EXPECT_EQ(FieldText(Form(), "birthday"), QStringLiteral("2019-03-07"));
    EXPECT_EQ(FieldText(Form(), "enrollDate"), QStringLiteral("2021-11-15"));
    EXPECT_EQ(FieldText(Form(), "dailyPbg"), QStringLiteral("   12.50"));
    for (const QLineEdit* value : Form().findChildren<QLineEdit*>())
        EXPECT_TRUE(value->isReadOnly()) << value->objectName().toStdString();

    // A date that cannot be converted shows -1 in each part.
    Execute(QStringLiteral("UPDATE ChildEnrollmentInformation SET Birthday = NULL"));
    Show(QStringLiteral("ZZZ"));
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
