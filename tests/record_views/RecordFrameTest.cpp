#include "RecordViewsTestKit.h"

#include "app/CommandIds.h"
#include "app/SnapfoldDoc.h"
#include "frame/ActionRegistry.h"
#include "frame/MainFrame.h"
#include "frame/MyTabView.h"
#include "photos/MyTreeView.h"
#include "platform/Clock.h"
#include "records/ChildCenterView.h"
#include "records/ChildInfoFormView.h"
#include "records/ChildPaymentFormView.h"
#include "records/ChildrenInfoView.h"
#include "records/FamilyCenterView.h"

#include <QAction>
#include <QPushButton>

namespace {

// The real main window over a library where Mia has a folder but no enrollment yet.
class RecordFrameTest : public MainFrameTest
{
protected:
    RecordFrameTest()
    {
        WritePhoto(QStringLiteral("Mia/mia.png"));
        OpenFrame();
    }

    QTreeWidgetItem* RootItem() const { return Tree().topLevelItem(0); }
    // Add on the toolbar, the name typed, Save.
    void EnrollAtTheChildCenter(const QString& name, const QString& referenceNo)
    {
        m_frame->Dispatch(Cmd::ChildAdd);
        TypeInto(*ChildCenter().Form(), "childName", name);
        TypeInto(*ChildCenter().Form(), "referenceNo", referenceNo);
        ChildCenter().Form()->findChild<QPushButton*>(QStringLiteral("save"))->click();
    }
};

TEST_F(RecordFrameTest, ANewChildsFolderJoinsTheTreeInOrderAndOnlyOnce)
{
    m_frame->Dispatch(Cmd::ViewChildCenter);
    ASSERT_TRUE(m_frame->Tree()->isVisible());
    EnrollAtTheChildCenter(QStringLiteral("Amy"), QStringLiteral("R1"));
    EnrollAtTheChildCenter(QStringLiteral("Mia"), QStringLiteral("R2"));

    EXPECT_EQ(EnrolledNames(), (QStringList{QStringLiteral("Amy"), QStringLiteral("Mia")}));
    EXPECT_EQ(ChildTexts(RootItem()), (QStringList{"AAA", "Amy", "Mia", "ZZZ"}));
    EXPECT_EQ(Entries(At(QStringLiteral("Mia"))), QStringList{"mia.png"});
    EXPECT_TRUE(Prompt().Texts().isEmpty()) << Prompt().Texts().join('|').toStdString();
}

TEST_F(RecordFrameTest, SelectingAChildFolderShowsTheChildInTheShownCenter)
{
    m_frame->Dispatch(Cmd::ViewChildCenter);
    EnrollAtTheChildCenter(QStringLiteral("Amy"), QStringLiteral("R1"));
    EnrollAtTheChildCenter(QStringLiteral("Mia"), QStringLiteral("R2"));

    Select(QStringLiteral("Amy"));
    EXPECT_EQ(FieldText(*ChildCenter().Form(), "referenceNo"), QStringLiteral("R1"));
    Select(QStringLiteral("AAA"));
    EXPECT_EQ(FieldText(*ChildCenter().Form(), "referenceNo"), QStringLiteral("R1"));
    EXPECT_TRUE(ActionEnabled(Cmd::ChildEdit));
    EXPECT_FALSE(ActionEnabled(Cmd::ChildEmail));

    // A center switched to starts with the folder selected meanwhile: the class folder
    // shows no child.
    m_frame->Dispatch(Cmd::ViewFamilyCenter);
    EXPECT_EQ(FieldText(*FamilyCenter().Form(), "childName"), QString());
    Select(QStringLiteral("Mia"));
    EXPECT_EQ(FieldText(*FamilyCenter().Form(), "referenceNo"), QStringLiteral("R2"));
    EXPECT_EQ(FieldText(*ChildCenter().Form(), "referenceNo"), QStringLiteral("R1"));

    m_frame->Dispatch(Cmd::ViewChildCenter);
    EXPECT_EQ(FieldText(*ChildCenter().Form(), "referenceNo"), QStringLiteral("R2"));
}

TEST_F(RecordFrameTest, ANewChildBecomesTheSelectedFolder)
{
    m_frame->Dispatch(Cmd::ViewChildCenter);
    EnrollAtTheChildCenter(QStringLiteral("Amy"), QStringLiteral("R1"));
    Select(QStringLiteral("Amy"));
    EnrollAtTheChildCenter(QStringLiteral("Mia"), QStringLiteral("R2"));
    // Sorting the new item in never passed the selection to the root on the way.
    EXPECT_EQ(Tree().CurrentFolder(), At(QStringLiteral("Mia")));
    EXPECT_EQ(FieldText(*ChildCenter().Form(), "referenceNo"), QStringLiteral("R2"));
    EXPECT_EQ(ChildCenter().DailyList()->ChildShown(), QStringLiteral("Mia"));
}

TEST_F(RecordFrameTest, AChildBeingTypedInSurvivesALookAtAnotherCenter)
{
    m_frame->Dispatch(Cmd::ViewChildCenter);
    EnrollAtTheChildCenter(QStringLiteral("Amy"), QStringLiteral("R1"));
    m_frame->Dispatch(Cmd::ChildAdd);
    TypeInto(*ChildCenter().Form(), "childName", QStringLiteral("Noah"));
    m_frame->Dispatch(Cmd::ViewPhotoCenter);
    m_frame->Dispatch(Cmd::ViewChildCenter);
    EXPECT_EQ(FieldText(*ChildCenter().Form(), "childName"), QStringLiteral("Noah"));
}

TEST_F(RecordFrameTest, TheDailyListsCommandsReachItThroughTheFrame)
{
    m_frame->Dispatch(Cmd::ViewChildCenter);
    EnrollAtTheChildCenter(QStringLiteral("Amy"), QStringLiteral("R1"));
    EnrollAtTheChildCenter(QStringLiteral("Mia"), QStringLiteral("R2"));
    AddDailyRecord(QStringLiteral("Amy"), CClock::TodayUtc(), QStringLiteral("Slept well"));
    Select(QStringLiteral("Amy"));
    CChildrenInfoView& list = *ChildCenter().DailyList();
    ASSERT_EQ(list.topLevelItemCount(), 1);
    list.setCurrentItem(list.topLevelItem(0));
    EXPECT_TRUE(m_frame->UpdateCommand(Cmd::DailyDelete).enabled);

    m_frame->Dispatch(Cmd::DailyDelete);
    EXPECT_EQ(list.topLevelItemCount(), 0);
    EXPECT_TRUE(Rows(QStringLiteral("ChildDailyRecord")).empty());
}

} // namespace
