#include "FakeCenterView.h"
#include "FrameFixture.h"
#include "commands/CommandCatalog.h"
#include "commands/CommandIds.h"
#include "commands/CommandRouting.h"
#include "widgets/ActionRegistry.h"
#include "app/MainWindow.h"
#include "app/CenterStack.h"
#include "app/ToolbarLayout.h"
#include "support/ScriptedPrompt.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTest>
#include <QWindow>

namespace {

using CommandRoutingGuiTest = FrameTest;

TEST_F(CommandRoutingGuiTest, ToolbarCommandsReachTheViewOfTheirCenterOnlyWhereItIsShown)
{
    Fake(Center::ChildCenter).handled = {Cmd::ChildAdd};
    Fake(Center::Reports).handled = {Cmd::ReportNextMonth};
    Frame().Dispatch(Cmd::ViewChildCenter);
    Frame().Dispatch(Cmd::ChildAdd);
    Frame().Dispatch(Cmd::ReportNextMonth);   // "always": the reports take it from anywhere
    EXPECT_EQ(Fake(Center::ChildCenter).received, QList<int>{Cmd::ChildAdd});
    EXPECT_EQ(Fake(Center::Reports).received, QList<int>{Cmd::ReportNextMonth});

    // The File menu's output is the report's while the Reports center is shown.
    Fake(Center::Reports).handled << Cmd::FilePrint << Cmd::FileExportPdf;
    Frame().Dispatch(Cmd::ViewReports);
    Frame().Dispatch(Cmd::FilePrint);
    Frame().Dispatch(Cmd::FileExportPdf);
    EXPECT_EQ(Fake(Center::Reports).received,
              (QList<int>{Cmd::ReportNextMonth, Cmd::FilePrint, Cmd::FileExportPdf}));

    // Canvas and photo list commands act only where their center is shown.
    FakeCenterView& canvas = Fake(Center::EditCenter);
    FakeCenterView& list = Fake(Center::PhotoCenter);
    canvas.handled = {Cmd::Blur, Cmd::CanvasPrintSetup};
    list.handled = {Cmd::DeleteFile};

    Frame().Dispatch(Cmd::ViewChildCenter);
    Frame().Dispatch(Cmd::Blur);
    Frame().Dispatch(Cmd::DeleteFile);
    EXPECT_TRUE(canvas.received.isEmpty());
    EXPECT_TRUE(list.received.isEmpty());

    Frame().Dispatch(Cmd::ViewEditCenter);
    Frame().Dispatch(Cmd::Blur);
    Frame().Dispatch(Cmd::FilePrintSetup);
    EXPECT_EQ(canvas.received, (QList<int>{Cmd::Blur, Cmd::CanvasPrintSetup}));

    Frame().Dispatch(Cmd::ViewPhotoCenter);
    Frame().Dispatch(Cmd::DeleteFile);
    EXPECT_EQ(list.received, QList<int>{Cmd::DeleteFile});
}

TEST_F(CommandRoutingGuiTest, ActionsFollowWhatTheOwningViewSays)
{
    Fake(Center::StaffCenter).handled = {Cmd::StaffAdd, Cmd::StaffDelete};
    Fake(Center::StaffCenter).disabled = {Cmd::StaffDelete};
    Frame().UpdateActions();
    ActionRegistry& actions = Frame().Actions();
    EXPECT_TRUE(actions.Action(Cmd::StaffAdd)->isEnabled());
    EXPECT_FALSE(actions.Action(Cmd::StaffDelete)->isEnabled());
    // A command nobody carries out yet stays disabled rather than doing nothing.
    EXPECT_FALSE(actions.Action(Cmd::StaffEdit)->isEnabled());
    Frame().Dispatch(Cmd::StaffEdit);
    EXPECT_TRUE(Fake(Center::StaffCenter).received.isEmpty());
}

TEST_F(CommandRoutingGuiTest, EveryToolbarButtonBelongsToTheCenterThatShowsIt)
{
    for (const ToolbarLayout& layout : ContainerToolbarLayouts()) {
        for (const int id : layout.commands) {
            if (id == ToolbarLayout::kSeparator)
                continue;
            const auto route = RouteOfCommand(id);
            ASSERT_TRUE(route) << "toolbar " << layout.resourceId << " command " << id;
            const std::vector<int> shown = ToolbarsOfCenter(route->center);
            EXPECT_NE(std::find(shown.begin(), shown.end(), layout.resourceId), shown.end())
                << "command " << id << " sits on toolbar " << layout.resourceId;
        }
    }
}

TEST_F(CommandRoutingGuiTest, EveryActionHasWordsATipAndAnIconThatDraws)
{
    Frame().Dispatch(Cmd::ViewEditCenter);   // makes the status bar's actions too
    for (const int id : Frame().Actions().Ids()) {
        const CommandInfo* info = FindCommandInfo(id);
        if (id == Cmd::NoShadow || id == Cmd::HardShadow || id == Cmd::SoftShadow
            || id == Cmd::GlowShadow || id == Cmd::Help || id == Cmd::HelpContext
            || id == Cmd::NextPane || id == Cmd::PreviousPane)
            continue;   // menu entries and keys without buttons
        ASSERT_NE(info, nullptr) << id;
        EXPECT_FALSE(PlainCommandText(*info).isEmpty()) << id;
        EXPECT_GT(qstrlen(info->toolTip), 0u) << id;
        const QString icon = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(info->icon));
        EXPECT_TRUE(QFile::exists(icon)) << id << " " << info->icon;
        EXPECT_FALSE(Frame().Actions().Action(id)->icon().pixmap(24, 24).isNull()) << id;
    }
}

TEST_F(CommandRoutingGuiTest, FontBoxesShowTheFontOfATextObjectAndSendAChosenSize)
{
    CenterStack& container = *Frame().Container();
    const QString family = container.FontNameBox()->itemText(0);
    container.ShowFont(family.toUpper(), 48);
    EXPECT_EQ(container.FontNameBox()->currentIndex(), 0);
    EXPECT_EQ(container.FontSizeValue(), 48);

    // A face the computer lacks shows as the one the text is drawn with.
    const QString missing = QStringLiteral("No Such Font Anywhere");
    container.ShowFont(missing, 47);
    EXPECT_EQ(container.FontNameBox()->currentText(), QFontInfo(QFont(missing)).family());
    EXPECT_EQ(container.FontSizeBox()->currentIndex(), -1);

    // A size chosen goes to the canvas.
    FakeCenterView& canvas = Fake(Center::EditCenter);
    canvas.handled = {Cmd::FontSize};
    Frame().Dispatch(Cmd::ViewEditCenter);
    container.FontSizeBox()->setCurrentIndex(3);
    Q_EMIT container.FontSizeBox()->activated(3);
    EXPECT_EQ(canvas.received, QList<int>{Cmd::FontSize});
    EXPECT_EQ(container.FontSizeValue(), 15);
}

TEST_F(CommandRoutingGuiTest, NewAndOpenBringUpTheEditCenterFirstAndTheTitleNamesThePage)
{
    FakeCenterView& canvas = Fake(Center::EditCenter);
    canvas.handled = {Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave, Cmd::FileSaveAs};
    Frame().Dispatch(Cmd::ViewStaffCenter);
    Frame().UpdateActions();
    EXPECT_TRUE(Frame().Actions().Action(Cmd::FileNew)->isEnabled());
    EXPECT_FALSE(Frame().Actions().Action(Cmd::FileSave)->isEnabled());

    Frame().Dispatch(Cmd::FileSave);   // only in the Edit Center
    EXPECT_TRUE(canvas.received.isEmpty());
    Frame().Dispatch(Cmd::FileNew);
    EXPECT_EQ(Current(), Center::EditCenter);
    EXPECT_EQ(canvas.received, QList<int>{Cmd::FileNew});

    // Save As needs a page that has a name.
    EXPECT_FALSE(Frame().UpdateCommand(Cmd::FileSaveAs).enabled);
    const auto shown = [&] { return Frame().windowHandle()->title(); };
    EXPECT_EQ(shown(), QStringLiteral("Untitled - Tendrel V1.0"));
    m_document.SetTitle(QStringLiteral("June news"));
    EXPECT_TRUE(Frame().UpdateCommand(Cmd::FileSaveAs).enabled);

    // The title shows the page and its unsaved changes.
    m_document.SetModified(true);
    EXPECT_EQ(shown(), QStringLiteral("June news* - Tendrel V1.0"));
    m_document.SetModified(false);
    EXPECT_EQ(shown(), QStringLiteral("June news - Tendrel V1.0"));
}

TEST_F(CommandRoutingGuiTest, CtrlSSavesThePageOrTheChildOfTheShownCenter)
{
    for (const Center::Index center : {Center::EditCenter, Center::ChildCenter, Center::PhotoCenter})
        Fake(center).handled = {Cmd::FileSave};
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    for (const int view : {Cmd::ViewEditCenter, Cmd::ViewChildCenter, Cmd::ViewPhotoCenter}) {
        Frame().Dispatch(view);
        QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
    }
    EXPECT_EQ(Fake(Center::EditCenter).received, QList<int>{Cmd::FileSave});
    EXPECT_EQ(Fake(Center::ChildCenter).received, QList<int>{Cmd::FileSave});
    EXPECT_TRUE(Fake(Center::PhotoCenter).received.isEmpty());
}

// Closing with a changed page: whatever is answered, nothing is lost without being asked.
struct CloseCase
{
    const char* name;
    bool modified;
    int objects;
    std::optional<UserPrompt::Answer> answer;   // none: nothing is asked
    bool saveSucceeds;
    bool closes;
};

const CloseCase kCloseCases[] = {
    {"Unchanged", false, 2, {}, false, true},
    {"EmptyCanvas", true, 0, {}, false, true},
    {"Cancel", true, 2, UserPrompt::Answer::Cancel, false, false},
    {"No", true, 1, UserPrompt::Answer::No, false, true},
    {"YesButTheSaveWasCancelled", true, 1, UserPrompt::Answer::Yes, false, false},
    {"YesAndSaved", true, 1, UserPrompt::Answer::Yes, true, true},
};

class CloseTest : public FrameTest, public ::testing::WithParamInterface<CloseCase>
{
};

TEST_P(CloseTest, AsksAboutChangesAndStaysOpenUnlessTheyAreSavedOrDropped)
{
    const CloseCase& c = GetParam();
    FakeCenterView& canvas = Fake(Center::EditCenter);
    canvas.objects = c.objects;
    canvas.handled = {Cmd::FileSave};
    canvas.onCommand = [&](int) { m_document.SetModified(!c.saveSucceeds); };
    m_document.SetModified(c.modified);
    if (c.answer)
        m_home.Prompt().QueueAnswer(*c.answer);

    EXPECT_EQ(Frame().close(), c.closes);
    EXPECT_EQ(m_home.Prompt().Messages().size(), c.answer ? 1 : 0);
    if (c.answer) {
        EXPECT_EQ(m_home.Prompt().Messages().first().buttons, UserPrompt::Buttons::YesNoCancel);
        EXPECT_EQ(m_document.IsModified(), !c.closes);
    }
    EXPECT_EQ(canvas.received.size(), c.answer == UserPrompt::Answer::Yes ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseTest, ::testing::ValuesIn(kCloseCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
