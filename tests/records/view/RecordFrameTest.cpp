#include "RecordViewsTestKit.h"

#include "commands/CommandIds.h"
#include "app/CenterStack.h"
#include "photos/view/LibraryTree.h"
#include "platform/Clock.h"
#include "records/view/ChildCenterView.h"
#include "records/view/EnrollmentForm.h"
#include "records/view/FamilyDetailsForm.h"
#include "records/view/DailyRecordList.h"
#include "app/FamilyCenterView.h"

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

    // Amy (R1) and Mia (R2), from the Child Center, which stays shown.
    void EnrollAmyAndMia()
    {
        m_frame->Dispatch(Cmd::ViewChildCenter);
        EnrollChild(ChildCenter(), QStringLiteral("Amy"), QStringLiteral("R1"));
        EnrollChild(ChildCenter(), QStringLiteral("Mia"), QStringLiteral("R2"));
    }
};

TEST_F(RecordFrameTest, ANewChildsFolderJoinsTheTreeOnceAndBecomesTheSelectedFolder)
{
    m_frame->Dispatch(Cmd::ViewChildCenter);
    EnrollChild(ChildCenter(), QStringLiteral("Amy"), QStringLiteral("R1"));
    Select(QStringLiteral("Amy"));
    EnrollChild(ChildCenter(), QStringLiteral("Mia"), QStringLiteral("R2"));

    EXPECT_TRUE(Prompt().Texts().isEmpty()) << Prompt().Texts().join('|').toStdString();
    EXPECT_EQ(ChildTexts(Tree().topLevelItem(0)), (QStringList{"AAA", "Amy", "Mia", "ZZZ"}));
    EXPECT_EQ(Entries(At(QStringLiteral("Mia"))), QStringList{"mia.png"});
    // Sorting the new item in never passed the selection to the root on the way.
    EXPECT_EQ(Tree().CurrentFolder(), At(QStringLiteral("Mia")));
    EXPECT_EQ(ChildCenter().DailyList()->ChildShown(), QStringLiteral("Mia"));
    // The form's Save leaves Ctrl+S to the window's: two owners of one key would make Qt
    // find it ambiguous and neither would save.
    EXPECT_TRUE(ChildCenter().Form()->findChild<QPushButton*>(QStringLiteral("save"))
                    ->shortcut().isEmpty());
}

TEST_F(RecordFrameTest, SelectingAChildFolderShowsTheChildInTheShownCenter)
{
    EnrollAmyAndMia();
    Select(QStringLiteral("Amy"));

    // A center switched to starts with the folder selected meanwhile.
    m_frame->Dispatch(Cmd::ViewFamilyCenter);
    Select(QStringLiteral("Mia"));
    EXPECT_EQ(FieldText(*FamilyCenter().Form(), "referenceNo"), QStringLiteral("R2"));
    EXPECT_EQ(FieldText(*ChildCenter().Form(), "referenceNo"), QStringLiteral("R1"));

    m_frame->Dispatch(Cmd::ViewChildCenter);
    EXPECT_EQ(FieldText(*ChildCenter().Form(), "referenceNo"), QStringLiteral("R2"));
}

// Ways of leaving the child in the Child Center's form.
enum class Route { Folder, Center, Close };

// The way out, the answer to the question, and whether the typing is a new child rather
// than a change to the shown one.
using LeavingTyped = std::tuple<Route, UserPrompt::Answer, bool>;

class LeaveTypedChildTest : public RecordFrameTest,
                            public ::testing::WithParamInterface<LeavingTyped>
{
protected:
    void Leave()
    {
        switch (std::get<Route>(GetParam())) {
        case Route::Folder: Select(QStringLiteral("Mia")); break;
        case Route::Center: m_frame->Dispatch(Cmd::ViewPhotoCenter); break;
        case Route::Close: m_frame->close(); break;
        }
        QCoreApplication::processEvents();   // the tree's selection put back
    }
    bool Left() const
    {
        switch (std::get<Route>(GetParam())) {
        case Route::Folder: return Tree().currentItem() == ItemNamed(Tree(), QStringLiteral("Mia"));
        case Route::Center: return m_frame->Container()->CurrentCenter() == Center::PhotoCenter;
        case Route::Close: return !m_frame->isVisible();
        }
        return false;
    }
};

TEST_P(LeaveTypedChildTest, AsksAndStaysOnCancel)
{
    const auto [route, answer, newChild] = GetParam();
    EnrollAmyAndMia();
    Select(QStringLiteral("Amy"));
    EnrollmentForm& form = *ChildCenter().Form();
    if (newChild) {
        m_frame->Dispatch(Cmd::ChildAdd);
        TypeInto(form, "childName", QStringLiteral("Noah"));
    }
    TypeInto(form, "mother", QStringLiteral("Ann"));
    if (!newChild) {
        // The class folder and the child's own folder leave the typing be.
        Select(QStringLiteral("AAA"));
        Select(QStringLiteral("Amy"));
    }

    Prompt().QueueAnswer(answer);
    Leave();
    ASSERT_EQ(Prompt().Texts(),
              QStringList{newChild ? "Save changes to Noah?" : "Save changes to Amy?"});
    const bool stays = answer == UserPrompt::Answer::Cancel;
    EXPECT_EQ(Left(), !stays);
    EXPECT_EQ(form.HasUnsavedChanges(), stays);
    if (stays && route == Route::Folder) {
        EXPECT_EQ(Tree().currentItem(), ItemNamed(Tree(), QStringLiteral("Amy")));
    }

    const bool saved = answer == UserPrompt::Answer::Yes;
    QStringList enrolled{"Amy", "Mia"};
    if (newChild && saved)
        enrolled << "Noah";
    EXPECT_EQ(EnrolledNames(), enrolled);
    QStringList mothers;
    for (const QSqlRecord& row : Rows(QStringLiteral("ChildEnrollmentInformation")))
        mothers << row.value(QStringLiteral("Mother")).toString();
    EXPECT_EQ(mothers.contains(QStringLiteral("Ann")), saved);
}

INSTANTIATE_TEST_SUITE_P(
    RoutesAndAnswers, LeaveTypedChildTest,
    ::testing::Combine(::testing::Values(Route::Folder, Route::Center, Route::Close),
                       ::testing::Values(UserPrompt::Answer::Yes, UserPrompt::Answer::No,
                                         UserPrompt::Answer::Cancel),
                       ::testing::Bool()));

TEST_F(RecordFrameTest, TheDailyListsCommandsReachItThroughTheFrame)
{
    EnrollAmyAndMia();
    AddDailyRecord(QStringLiteral("Amy"), Clock::TodayUtc(), QStringLiteral("Slept well"));
    Select(QStringLiteral("Amy"));
    DailyRecordList& list = *ChildCenter().DailyList();
    ASSERT_EQ(list.topLevelItemCount(), 1);
    list.setCurrentItem(list.topLevelItem(0));

    m_frame->Dispatch(Cmd::DailyDelete);
    EXPECT_EQ(list.topLevelItemCount(), 0);
    EXPECT_TRUE(Rows(QStringLiteral("ChildDailyRecord")).empty());
}

} // namespace
