#include "LibraryTestKit.h"

#include "commands/CommandIds.h"
#include "app/EditCenterView.h"
#include "canvas/view/CanvasView.h"
#include "photos/view/PhotoStrip.h"
#include "photos/view/PhotoReportTable.h"
#include "photos/view/PhotoCenterView.h"
#include "photos/view/ThumbnailList.h"
#include "support/DialogTestKit.h"
#include "support/WidgetTexts.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

namespace {

class PhotoCenterTest : public LibraryTest
{
protected:
    PhotoCenterTest()
    {
        m_view.resize(900, 600);
        m_view.show();
    }

    QStringList IconTexts() const
    {
        QStringList texts;
        for (int i = 0; i < m_view.IconList()->count(); ++i)
            texts.append(m_view.IconList()->item(i)->text());
        return texts;
    }
    void ShowAndWait(const QString& folder)
    {
        m_view.ShowFolder(folder);
        m_view.IconList()->WaitForThumbnails();
    }
    void SelectOnly(const QStringList& names)
    {
        m_view.IconList()->clearSelection();
        for (int i = 0; i < m_view.IconList()->count(); ++i) {
            QListWidgetItem* item = m_view.IconList()->item(i);
            if (names.contains(item->text())) {
                item->setSelected(true);
                m_view.IconList()->setCurrentItem(item, QItemSelectionModel::Select);
            }
        }
    }
    QAbstractItemView* ShownList() const
    {
        return m_view.IsReportMode() ? static_cast<QAbstractItemView*>(m_view.ReportList())
                                     : m_view.IconList();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Type(ShownList(), key, modifiers);
    }
    QLineEdit* Editor() const { return OpenEditor(*ShownList()); }
    // F2 on the focused photo, the name typed, Enter, and what follows run.
    void TypeNewName(const QString& name)
    {
        Key(Qt::Key_F2);
        EnterName(*ShownList(), name);
    }
    void Focus(const QString& name)
    {
        if (m_view.IsReportMode()) {
            PhotoReportTable& report = *m_view.ReportList();
            for (int i = 0; i < report.topLevelItemCount(); ++i)
                if (report.topLevelItem(i)->text(PhotoReportTable::kNameColumn) == name)
                    report.setCurrentItem(report.topLevelItem(i));
        } else {
            SelectOnly({name});
        }
    }

    PhotoCenterView m_view;
};

// Which files are photos is PhotoFiles'; here, what the two lists make of them.
TEST_F(PhotoCenterTest, ListsPhotosAndDropsUnreadablePicturesFromTheIcons)
{
    WritePhoto(QStringLiteral("AAA/b.png"));
    WritePhoto(QStringLiteral("AAA/a.jpg"));
    WritePhoto(QStringLiteral("AAA/c.jpeg"));
    WriteBytes(QStringLiteral("AAA/broken.png"), "not a picture");

    ShowAndWait(At(QStringLiteral("AAA")));
    // The unreadable picture has a row in the table but no thumbnail.
    EXPECT_EQ(IconTexts(), (QStringList{"a.jpg", "b.png"}));
    m_view.OnCommand(Cmd::ReportMode);
    ASSERT_EQ(m_view.ReportList()->topLevelItemCount(), 3);
    EXPECT_EQ(m_view.ReportList()->topLevelItem(2)->text(1), QStringLiteral("broken.png"));
    for (int i = 0; i < m_view.IconList()->count(); ++i)
        EXPECT_FALSE(m_view.IconList()->item(i)->icon().isNull());
}

// The texts themselves are PhotoFiles'; here, that each lands in its column.
TEST_F(PhotoCenterTest, ReportRowsShowSizeTypeAndDate)
{
    const QString path = WriteBytes(QStringLiteral("Mia/almost2k.png"), QByteArray(2047, 'x'));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2026, 3, 4), QTime(9, 5)),
                                 QFileDevice::FileModificationTime));
    file.close();

    m_view.OnCommand(Cmd::ReportMode);
    m_view.ShowFolder(At(QStringLiteral("Mia")));
    ASSERT_EQ(m_view.ReportList()->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = m_view.ReportList()->topLevelItem(0);
    EXPECT_EQ(row->text(2), QStringLiteral("1 KB"));
    EXPECT_EQ(row->text(3), QStringLiteral("PNG Image"));
    EXPECT_EQ(row->text(4), QStringLiteral("03/04/2026  09:05"));
}

TEST_F(PhotoCenterTest, ZoomStepsInIconModeOnly)
{
    WritePhoto(QStringLiteral("AAA/a.png"));
    ShowAndWait(At(QStringLiteral("AAA")));
    // The steps stop at their ends.
    for (int i = 0; i < 5; ++i)
        m_view.OnCommand(Cmd::ListZoomIn);
    EXPECT_EQ(*m_view.ZoomFactor(), 8.0);
    EXPECT_EQ(m_view.IconList()->iconSize(), QSize(800, 640));
    for (int i = 0; i < 9; ++i)
        m_view.OnCommand(Cmd::ListZoomOut);
    EXPECT_EQ(*m_view.ZoomFactor(), 0.125);
    m_view.IconList()->WaitForThumbnails();
    EXPECT_EQ(m_view.IconList()->count(), 1);

    m_view.OnCommand(Cmd::ListActualSize);
    m_view.OnCommand(Cmd::ReportMode);
    m_view.OnCommand(Cmd::ListZoomIn);
    m_view.OnCommand(Cmd::ListZoomOut);
    EXPECT_EQ(*m_view.ZoomFactor(), 1.0);

    m_view.OnCommand(Cmd::IconMode);
    m_view.ZoomFromSlider(200);
    EXPECT_EQ(*m_view.ZoomFactor(), 3.0);
}

// Pasting into the photos' own folder is LibraryFiles'; here, the clipboard's life.
TEST_F(PhotoCenterTest, PasteReplacesOnlyWhenToldAndAMoveEmptiesTheClipboard)
{
    const QByteArray moved = Bytes(WritePhoto(QStringLiteral("AAA/IMG_1.png"), Qt::green));
    const QString other = WritePhoto(QStringLiteral("Mia/IMG_1.png"), Qt::blue);
    const QByteArray otherBytes = Bytes(other);
    ShowAndWait(At(QStringLiteral("AAA")));
    SelectOnly({QStringLiteral("IMG_1.png")});
    Key(Qt::Key_X, Qt::ControlModifier);

    m_view.ShowFolder(At(QStringLiteral("Mia")));
    Key(Qt::Key_V, Qt::ControlModifier);   // answered No: both stay, the cut too
    EXPECT_EQ(Bytes(other), otherBytes);
    EXPECT_TRUE(QFileInfo::exists(At(QStringLiteral("AAA/IMG_1.png"))));
    ASSERT_EQ(Prompt().Messages().size(), 1);
    EXPECT_TRUE(Prompt().Messages()[0].text.endsWith(QStringLiteral("IMG_1.png. Replace it?")));
    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Bytes(other), moved);
    EXPECT_FALSE(QFileInfo::exists(At(QStringLiteral("AAA/IMG_1.png"))));
    EXPECT_FALSE(m_view.UpdateCommand(Cmd::PasteFile).enabled);

    // A copy may be pasted again.
    WritePhoto(QStringLiteral("AAA/IMG_2.png"), Qt::yellow);
    ShowAndWait(At(QStringLiteral("AAA")));
    SelectOnly({QStringLiteral("IMG_2.png")});
    m_view.OnCommand(Cmd::CopyFile);
    ShowAndWait(At(QStringLiteral("ZZZ")));
    m_view.OnCommand(Cmd::PasteFile);
    EXPECT_TRUE(QFileInfo::exists(At(QStringLiteral("AAA/IMG_2.png"))));
    EXPECT_EQ(IconTexts(), QStringList{"IMG_2.png"});
    EXPECT_TRUE(m_view.UpdateCommand(Cmd::PasteFile).enabled);
}

TEST_F(PhotoCenterTest, FileCommandsNeedASelectionAndDeleteAsksFirstAndPutsPhotosInTheWastebasket)
{
    for (const char* name : {"a.png", "b.png", "c.png", "d.png"})
        WritePhoto(QStringLiteral("AAA/") + QLatin1String(name));
    ShowAndWait(At(QStringLiteral("AAA")));
    EXPECT_FALSE(m_view.UpdateCommand(Cmd::DeleteFile).enabled);   // nothing selected
    SelectOnly({QStringLiteral("a.png"), QStringLiteral("c.png")});
    EXPECT_TRUE(m_view.UpdateCommand(Cmd::CopyFile).enabled);
    Key(Qt::Key_Delete);   // answered No
    EXPECT_EQ(Entries(At(QStringLiteral("AAA"))).size(), 4);
    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Entries(At(QStringLiteral("AAA"))), (QStringList{"b.png", "d.png"}));
    EXPECT_EQ(IconTexts(), (QStringList{"b.png", "d.png"}));
    EXPECT_EQ(Trashed(), (QStringList{"a.png", "c.png"}));

    // One that cannot go says so and keeps its place.
    QFile::remove(At(QStringLiteral("AAA/b.png")));
    MakeFolder(QStringLiteral("AAA/b.png"));
    SelectOnly({QStringLiteral("b.png"), QStringLiteral("d.png")});
    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Prompt().Texts().last(),
              QStringLiteral("b.png could not be deleted; it is still in the folder."));
    EXPECT_EQ(IconTexts(), QStringList{"b.png"});
    EXPECT_EQ(m_view.InfoText(), QStringLiteral("1 photo"));

    SelectOnly({QStringLiteral("b.png")});
    m_view.OnCommand(Cmd::ReportMode);
    EXPECT_FALSE(m_view.UpdateCommand(Cmd::CopyFile).enabled);   // a new table, no selection
    EXPECT_FALSE(m_view.UpdateCommand(Cmd::ReportMode).enabled);
}

// Renaming works alike in both modes; a message during the rename must not pull the
// editor away under the list (it did: a crash).
class PhotoRenameTest : public PhotoCenterTest, public ::testing::WithParamInterface<int>
{
protected:
    PhotoRenameTest()
    {
        WritePhoto(QStringLiteral("AAA/b.png"));
        WritePhoto(QStringLiteral("AAA/c.png"));
        m_view.OnCommand(GetParam());
        ShowAndWait(At(QStringLiteral("AAA")));
        Prompt().ShowAsModalWindows(true);
    }
};

TEST_P(PhotoRenameTest, KeepsTheExtensionAndRefusesTakenNamesSafely)
{
    Focus(QStringLiteral("b.png"));
    TypeNewName(QStringLiteral("swing"));
    EXPECT_EQ(Entries(At(QStringLiteral("AAA"))), (QStringList{"c.png", "swing.png"}));

    TypeNewName(QStringLiteral("c"));
    TypeNewName(QStringLiteral("c.png"));
    TypeNewName(QStringLiteral("swing.jpg"));
    EXPECT_EQ(Prompt().Texts().size(), 3);
    EXPECT_TRUE(Prompt().Texts().back().contains(QStringLiteral(".png")));
    EXPECT_EQ(Entries(At(QStringLiteral("AAA"))), (QStringList{"c.png", "swing.png"}));
    EXPECT_EQ(m_view.FocusedPath(), At(QStringLiteral("AAA/swing.png")));
    EXPECT_EQ(Editor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Modes, PhotoRenameTest, ::testing::Values(Cmd::IconMode, Cmd::ReportMode));

TEST_F(PhotoCenterTest, PhotosSortByNameAsReadAndTheTableByAnyHeading)
{
    WriteBytes(QStringLiteral("AAA/photo10.jpg"), QByteArray(3000, 'x'));
    WriteBytes(QStringLiteral("AAA/photo2.jpg"), QByteArray(1000, 'x'));
    WriteBytes(QStringLiteral("AAA/Photo1.jpg"), QByteArray(2000, 'x'));
    m_view.ShowFolder(At(QStringLiteral("AAA")));
    EXPECT_EQ(IconTexts(), (QStringList{"Photo1.jpg", "photo2.jpg", "photo10.jpg"}));

    m_view.OnCommand(Cmd::ReportMode);
    PhotoReportTable& report = *m_view.ReportList();
    const auto names = [&] { return ColumnTexts(report, PhotoReportTable::kNameColumn); };
    const auto clickHeading = [&](int column) {
        QHeaderView* header = report.header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          {header->sectionViewportPosition(column) + 5, header->height() / 2});
    };
    clickHeading(2);
    clickHeading(2);
    EXPECT_EQ(names(), (QStringList{"photo10.jpg", "Photo1.jpg", "photo2.jpg"}));
    // The photos copied and deleted are the ones seen in that order.
    report.topLevelItem(0)->setSelected(true);
    report.topLevelItem(2)->setSelected(true);
    EXPECT_EQ(m_view.SelectedPaths(),
              (QStringList{At(QStringLiteral("AAA/photo10.jpg")), At(QStringLiteral("AAA/photo2.jpg"))}));
}

TEST_F(PhotoCenterTest, ListsFollowTheFolderOnDiskKeepingSelectionAndEditor)
{
    WritePhoto(QStringLiteral("AAA/a.png"));
    WritePhoto(QStringLiteral("AAA/b.png"));
    ShowAndWait(At(QStringLiteral("AAA")));
    PhotoStrip strip;
    strip.ShowFolder(At(QStringLiteral("AAA")));
    SelectOnly({QStringLiteral("b.png")});

    WritePhoto(QStringLiteral("AAA/photo10.png"));
    WritePhoto(QStringLiteral("AAA/photo9.png"));
    QFile::remove(At(QStringLiteral("AAA/a.png")));
    const QStringList now{"b.png", "photo9.png", "photo10.png"};
    ASSERT_TRUE(WaitUntil([&] { return IconTexts() == now && strip.count() == 3; }));
    EXPECT_EQ(m_view.SelectedPaths(), QStringList{At(QStringLiteral("AAA/b.png"))});

    // A name being typed is not swept away; the list follows once it is entered. (The
    // thumbnails are read first: a picture gone before its thumbnail is dropped at once.)
    m_view.IconList()->WaitForThumbnails();
    Key(Qt::Key_F2);
    ASSERT_NE(Editor(), nullptr);
    QFile::remove(At(QStringLiteral("AAA/photo9.png")));
    RunEventsFor(1000);
    EXPECT_EQ(IconTexts(), now);
    ASSERT_NE(Editor(), nullptr);
    EnterName(*ShownList(), QStringLiteral("swing"));
    ASSERT_TRUE(WaitUntil([&] {
        return IconTexts() == QStringList{"photo10.png", "swing.png"};
    }));
    EXPECT_EQ(m_view.FocusedPath(), At(QStringLiteral("AAA/swing.png")));
}

TEST_F(PhotoCenterTest, TheStripFitsThumbnailsAndPlacesPhotosOnThePage)
{
    WritePhoto(QStringLiteral("Mia/tall.png"), Qt::red, QSize(60, 120));
    WritePhoto(QStringLiteral("Mia/wide.png"), Qt::blue, QSize(200, 50));
    EditCenterView edit;
    edit.resize(900, 700);
    edit.show();
    edit.ShowFolder(At(QStringLiteral("Mia")));
    PhotoStrip& strip = *edit.Strip();
    strip.WaitForThumbnails();
    ASSERT_EQ(strip.count(), 2);
    EXPECT_EQ(strip.iconSize(), QSize(80, 64));
    const QImage tall = strip.item(0)->icon().pixmap(QSize(100, 80)).toImage();
    EXPECT_EQ(tall.size(), QSize(100, 80));
    EXPECT_EQ(QColor(tall.pixel(50, 40)), QColor(Qt::red));
    EXPECT_EQ(qAlpha(tall.pixel(5, 40)), 0);   // the tall photo is not stretched

    Q_EMIT strip.itemDoubleClicked(strip.item(1));
    ASSERT_EQ(edit.Canvas()->Model().Objects().size(), 1u);
    EXPECT_EQ(edit.Canvas()->Model().Objects()[0]->m_rect.Width(), 200);
}

} // namespace
