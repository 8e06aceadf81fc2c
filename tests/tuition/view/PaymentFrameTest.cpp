#include "records/view/RecordViewsTestKit.h"

#include "commands/CommandIds.h"
#include "support/EnrolledChildren.h"
#include "app/FamilyCenterView.h"
#include "records/RecordsDatabase.h"
#include "tuition/view/WeeklyPaymentList.h"

namespace {

// The real main window over a library where Amy is enrolled.
class PaymentFrameTest : public MainFrameTest
{
protected:
    PaymentFrameTest()
    {
        WritePhoto(QStringLiteral("Amy/amy.png"));
        Enroll(QStringLiteral("Amy"), 3);
        OpenFrame();
    }
    ~PaymentFrameTest() override { RecordsDatabase::Shared().Close(); }

    WeeklyPaymentList& List() const { return *FamilyCenter().PaymentList(); }
};

TEST_F(PaymentFrameTest, TheFamilyCentersToolbarRunsThePaymentListsCommands)
{
    m_frame->Dispatch(Cmd::ViewFamilyCenter);
    Select(QStringLiteral("Amy"));
    EXPECT_FALSE(ActionEnabled(Cmd::PaymentDelete));

    m_frame->Dispatch(Cmd::PaymentAdd);
    ASSERT_EQ(List().topLevelItemCount(), 1);
    List().setCurrentItem(List().topLevelItem(0));
    EXPECT_TRUE(ActionEnabled(Cmd::PaymentDelete));
    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    m_frame->Dispatch(Cmd::PaymentDelete);
    EXPECT_TRUE(Rows(QStringLiteral("ChildPaymentInformation")).empty());

    Select(QStringLiteral("AAA"));
    EXPECT_FALSE(ActionEnabled(Cmd::PaymentAdd));
}

} // namespace
