#include "tuition/view/StatementTestKit.h"

#include "canvas/view/CanvasViewKit.h"
#include "support/DatabaseFile.h"
#include "support/PixelProbes.h"
#include "tuition/StatementObject.h"
#include "tuition/view/StatementOnCanvas.h"
#include "tuition/view/StatementSettingsDialog.h"
#include "widgets/SendEmailDialog.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace StatementKit;

namespace {

class StatementViewsTest : public CanvasTest
{
protected:
    StatementViewsTest()
    {
        RegisterStatementOnCanvas();
        m_view.setFrameShape(QFrame::NoFrame);
        // Too narrow to centre the page, so window pixels are page units.
        m_view.resize(880, 800);
        m_view.show();
    }

    void Click(const QPoint& at) { QTest::mouseClick(m_view.viewport(), Qt::LeftButton, {}, at); }
    // Places a statement with tool 118 at a window point (page units at 100 %).
    StatementObject& PlaceStatement(const QPoint& at)
    {
        m_view.OnCommand(Cmd::InsertTuitionSheet);
        Click(at);
        return Sheet(Model().Current());
    }
    static StatementObject& Sheet(PageObject* object)
    {
        auto* sheet = dynamic_cast<StatementObject*>(object);
        EXPECT_NE(sheet, nullptr);
        return *sheet;
    }
    QString StatementFile() const
    {
        return m_home.FilePath(QStringLiteral("temp/Anna_TuitionStatement_ 3_of_2012.PNG"));
    }
};

TEST_F(StatementViewsTest, TheToolPlacesOneStatementWhoseMenuOffersSettingAndEmailForItOnly)
{
    EXPECT_FALSE(Enabled(Cmd::StatementSetting));
    StatementObject& sheet = PlaceStatement(QPoint(60, 70));
    EXPECT_EQ(sheet.m_rect, (PageRect{60, 70, 800, 510}));
    // One shot: the next click selects instead of placing another.
    Click(QPoint(900, 700));
    ASSERT_EQ(Objects().size(), 1u);
    Click(QPoint(300, 300));   // selected again

    std::unique_ptr<QMenu> menu(m_view.BuildContextMenu());
    EXPECT_EQ(menu->actions().at(0)->data().toInt(), Cmd::StatementSetting);
    EXPECT_TRUE(menu->actions().at(0)->isEnabled());
    EXPECT_FALSE(menu->actions().at(1)->isEnabled()); // no child chosen yet
    // Print, Export to PDF and Save as Image act as from the main menu.
    for (int at : {3, 4, 5})
        EXPECT_TRUE(menu->actions().at(at)->isEnabled()) << at;
    Prompt().QueueSave(m_home.FilePath(QStringLiteral("sheet")), QStringLiteral("PNG image (*.png)"));
    menu->actions().at(5)->trigger();
    EXPECT_EQ(QImage(m_home.FilePath(QStringLiteral("sheet.png"))).size(), QSize(748, 448));

    sheet.Choose(QStringLiteral("Anna"), 2012, 3);
    EXPECT_TRUE(Enabled(Cmd::StatementEmail));
    Model().SetCurrent(&AddShape(PageRect{0, 600, 50, 650}, Rgb(0, 0, 0), false));
    EXPECT_FALSE(Enabled(Cmd::StatementSetting));
    EXPECT_FALSE(Enabled(Cmd::StatementEmail));
}

TEST_F(StatementViewsTest, SettingIsOneUndoStepAndCancelChangesNothing)
{
    Enroll(QStringLiteral("Ben"));
    Enroll(QStringLiteral("Anna"));
    StatementObject& placed = PlaceStatement(QPoint(60, 70));
    const int year = placed.m_nYear, month = placed.m_nMonth;

    QStringList offered;
    ScriptNextDialog([&](QDialog& dialog) {
        auto* child = Find<QComboBox>(dialog, "child");
        for (int i = 0; i < child->count(); ++i)
            offered << child->itemText(i);
        Find<QComboBox>(dialog, "month")->setCurrentIndex(7);
        Press(dialog, QDialogButtonBox::Cancel);
    });
    m_view.OnCommand(Cmd::StatementSetting);
    EXPECT_EQ(offered, (QStringList{QStringLiteral("Ben"), QStringLiteral("Anna")}));
    EXPECT_EQ(placed.m_nMonth, month);
    EXPECT_EQ(Steps(), 1);

    ScriptNextDialog([](QDialog& dialog) {
        Find<QComboBox>(dialog, "child")->setCurrentText(QStringLiteral("Ben"));
        Find<QSpinBox>(dialog, "year")->setValue(2012);
        Press(dialog, QDialogButtonBox::Ok);
    });
    m_view.OnCommand(Cmd::StatementSetting);
    EXPECT_EQ(Sheet(Objects().front().get()).m_strChildName, QStringLiteral("Ben"));
    EXPECT_EQ(Steps(), 2);

    m_view.OnCommand(Cmd::Undo);
    EXPECT_FALSE(Sheet(Objects().front().get()).HasChild());
    EXPECT_EQ(Sheet(Objects().front().get()).m_nYear, year);
}

TEST_F(StatementViewsTest, TheDialogOffersChildrenOnlyNoOkWithoutOneAndSaysWhyNoneCanBeListed)
{
    const QStringList names{QStringLiteral("Anna"), QStringLiteral("Ben")};
    EXPECT_EQ(StatementSettingsDialog(names, QStringLiteral("Carl"), 2012, 1).ChildName(),
              QStringLiteral("Anna"));
    StatementSettingsDialog folders({QString(), QStringLiteral("AAA"), QStringLiteral("Anna"),
                                  QStringLiteral("ZZZ")},
                                 QStringLiteral("AAA"), 2012, 3);
    EXPECT_EQ(Find<QComboBox>(folders, "child")->count(), 1);
    EXPECT_EQ(folders.ChildName(), QStringLiteral("Anna"));

    StatementSettingsDialog none({QStringLiteral("AAA")}, QString(), 2012, 3);
    EXPECT_FALSE(Find<QDialogButtonBox>(none, "buttons")->button(QDialogButtonBox::Ok)
                     ->isEnabled());

    const QString database = m_home.FilePath(QStringLiteral("WRN.mdb"));
    WriteBrokenDatabase(BrokenDatabaseOfKind("garbage"), database);
    PlaceStatement(QPoint(60, 70));
    m_view.OnCommand(Cmd::StatementSetting);
    EXPECT_EQ(m_dialogsRun, 0);
    ASSERT_EQ(Prompt().Messages().size(), 1);
    EXPECT_TRUE(Prompt().Texts().front().contains(QLatin1String("not a usable records database")));
}

TEST_F(StatementViewsTest, EmailToParentWritesThePageAsAPictureAndOffersItToTheParents)
{
    Enroll(QStringLiteral("Anna"), 5, 0, QStringLiteral("parents@example.org"));
    StoreOwedWeek(QStringLiteral("Anna"), QDate(2012, 3, 5), 100);
    const QPoint origin = m_view.PageOutlineOrigin();
    AddShape({origin.x() + 10, origin.y() + 900, origin.x() + 60, origin.y() + 950},
             Rgb(200, 30, 30));
    StatementObject& sheet = PlaceStatement(origin + QPoint(20, 30));
    sheet.Choose(QStringLiteral("Anna"), 2012, 3);
    MailMessage offered;
    ScriptNextDialog([&](QDialog& dialog) {
        offered = static_cast<SendEmailDialog&>(dialog).Message();
    });

    m_view.OnCommand(Cmd::StatementEmail);
    EXPECT_EQ(offered, (MailMessage{QStringLiteral("parents@example.org"),
                                    QStringLiteral("Tuition Statement"),
                                    QStringLiteral("Email from childcare center"),
                                    {StatementFile()}}));
    const QImage picture(StatementFile());
    ASSERT_FALSE(picture.isNull()) << StatementFile().toStdString();
    EXPECT_EQ(picture.size(), m_view.PageSize());
    EXPECT_TRUE(ColorsNear(picture.pixelColor(35, 925), QColor(200, 30, 30)));
    // No page outline, no selection frame on the current statement.
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(20, 30), QColor(Qt::white));
    EXPECT_TRUE(Inked(picture, QRect(22, 30 + 264 + 3, 736, 16))); // March's row
    EXPECT_TRUE(Prompt().Messages().isEmpty());
}

TEST_F(StatementViewsTest, EmailToParentSaysSoWhenThePictureCannotBeWritten)
{
    Enroll(QStringLiteral("Anna"));
    WriteBytes(m_home.FilePath(QStringLiteral("temp")), {}); // a file where the folder belongs
    StatementObject& sheet = PlaceStatement(QPoint(60, 70));
    sheet.Choose(QStringLiteral("Anna"), 2012, 3);

    m_view.OnCommand(Cmd::StatementEmail);
    EXPECT_FALSE(QFile::exists(StatementFile()));
    ASSERT_EQ(Prompt().Messages().size(), 1);
    EXPECT_TRUE(Prompt().Texts().front().contains(QStringLiteral("could not be saved")));

    // A child name that is no file name is refused before anything is written.
    sheet.Choose(QStringLiteral("../Anna"), 2012, 3);
    m_view.OnCommand(Cmd::StatementEmail);
    ASSERT_EQ(Prompt().Messages().size(), 2);
    EXPECT_EQ(Prompt().Messages().back().icon, UserPrompt::Icon::Stop);
}

} // namespace
