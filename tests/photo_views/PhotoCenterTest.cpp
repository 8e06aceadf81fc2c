#include "LibraryTestKit.h"

#include "app/CommandIds.h"
#include "canvas/view/EditCenterView.h"
#include "canvas/view/MyImageView.h"
#include "photos/ListImageView.h"
#include "photos/PhotoFiles.h"
#include "photos/PhotoReportWidget.h"
#include "photos/SearchView.h"
#include "photos/ThumbnailListWidget.h"
#include "support/PixelProbes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

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
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(m_view.IconList(), &press);
    }

    CSearchView m_view;
};

TEST_F(PhotoCenterTest, ListsPhotosByTheExtensionTestAndDropsUnreadablePictures)
{
    WritePhoto(QStringLiteral("AAA/b.png"));
    WritePhoto(QStringLiteral("AAA/a.jpg"));
    WritePhoto(QStringLiteral("AAA/odd.pg"));        // "pg" is inside "jpg"
    WritePhoto(QStringLiteral("AAA/.hidden.png"));
    WritePhoto(QStringLiteral("AAA/photo"));
    WritePhoto(QStringLiteral("AAA/c.jpeg"));
    WriteBytes(QStringLiteral("AAA/broken.png"), "not a picture");
    MakeFolder(QStringLiteral("AAA/sub.png"));

    ShowAndWait(At(QStringLiteral("AAA")));
    // The unreadable picture has a row in the table but no thumbnail.
    EXPECT_EQ(IconTexts(), (QStringList{"a.jpg", "b.png", "odd.pg"}));
    m_view.OnCommand(Cmd::ReportMode);
    ASSERT_EQ(m_view.ReportList()->topLevelItemCount(), 4);
    EXPECT_EQ(m_view.ReportList()->topLevelItem(2)->text(1), QStringLiteral("broken.png"));
    for (int i = 0; i < m_view.IconList()->count(); ++i)
        EXPECT_FALSE(m_view.IconList()->item(i)->icon().isNull());
}

TEST_F(PhotoCenterTest, ReportColumnsAndTheirFormats)
{
    WriteBytes(QStringLiteral("Mia/thousand.jpg"), QByteArray(1000, 'x'));
    const QString kb = WriteBytes(QStringLiteral("Mia/almost2k.png"), QByteArray(2047, 'x'));
    const QDateTime when(QDate(2026, 3, 4), QTime(9, 5));
    QFile file(kb);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    file.close();

    m_view.OnCommand(Cmd::ReportMode);
    m_view.ShowFolder(At(QStringLiteral("Mia")));
    CPhotoReportWidget& report = *m_view.ReportList();
    QStringList headings;
    for (int i = 0; i < report.columnCount(); ++i)
        headings.append(report.headerItem()->text(i));
    EXPECT_EQ(headings, (QStringList{"", "Filename", "Size", "Type", "Date Modified",
                                     "Date Created"}));
    EXPECT_EQ(report.columnWidth(1), 250);
    EXPECT_EQ(report.columnWidth(4), 180);
    ASSERT_EQ(report.topLevelItemCount(), 2);
    QTreeWidgetItem* first = report.topLevelItem(0);
    EXPECT_EQ(first->text(1), QStringLiteral("almost2k.png"));
    EXPECT_EQ(first->text(2), QStringLiteral("1 KB"));
    EXPECT_EQ(first->text(3), QStringLiteral("PNG Image"));
    EXPECT_EQ(first->text(4), QStringLiteral("03/04/2026  09:05"));
    EXPECT_TRUE(first->textAlignment(2) & Qt::AlignRight);
    EXPECT_EQ(report.topLevelItem(1)->text(2), QStringLiteral("1000 Bytes"));
    EXPECT_EQ(report.topLevelItem(1)->text(3), QStringLiteral("JPG Image"));
}

TEST_F(PhotoCenterTest, ZoomStepsInIconModeOnly)
{
    WritePhoto(QStringLiteral("AAA/a.png"));
    ShowAndWait(At(QStringLiteral("AAA")));
    std::vector<double> seen;
    for (int i = 0; i < 5; ++i) {
        m_view.OnCommand(Cmd::ListZoomIn);
        seen.push_back(*m_view.ZoomFactor());
    }
    EXPECT_EQ(seen, (std::vector<double>{1.5, 2.0, 4.0, 8.0, 8.0}));
    EXPECT_EQ(m_view.IconList()->iconSize(), QSize(800, 640));
    m_view.OnCommand(Cmd::ListActualSize);
    seen.clear();
    for (int i = 0; i < 5; ++i) {
        m_view.OnCommand(Cmd::ListZoomOut);
        seen.push_back(*m_view.ZoomFactor());
    }
    EXPECT_EQ(seen, (std::vector<double>{0.75, 0.5, 0.25, 0.125, 0.125}));
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
    m_view.ZoomFromSlider(5);
    EXPECT_EQ(*m_view.ZoomFactor(), 0.2);
}

TEST_F(PhotoCenterTest, CopyPasteReplacesAndMovePasteIntoTheSameFolderKeepsFiles)
{
    const QString source = WritePhoto(QStringLiteral("AAA/IMG_1.png"), Qt::green);
    WritePhoto(QStringLiteral("Mia/IMG_1.png"), Qt::blue);
    ShowAndWait(At(QStringLiteral("AAA")));
    SelectOnly({QStringLiteral("IMG_1.png")});
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(m_view.FileClipboard(), QStringList{source});
    EXPECT_TRUE(m_view.UpdateCommand(Cmd::PasteFile).enabled);

    m_view.ShowFolder(At(QStringLiteral("Mia")));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Bytes(At(QStringLiteral("Mia/IMG_1.png"))), Bytes(source));

    ShowAndWait(At(QStringLiteral("AAA")));
    SelectOnly({QStringLiteral("IMG_1.png")});
    const QByteArray content = Bytes(source);
    m_view.OnCommand(Cmd::MoveFile);
    m_view.OnCommand(Cmd::PasteFile);
    EXPECT_EQ(Bytes(source), content);
    EXPECT_EQ(m_view.FileClipboard(), QStringList{source});   // the clipboard stays
    EXPECT_TRUE(Prompt().Texts().isEmpty());

    WritePhoto(QStringLiteral("AAA/IMG_2.png"), Qt::yellow);
    ShowAndWait(At(QStringLiteral("AAA")));
    SelectOnly({QStringLiteral("IMG_2.png")});
    m_view.OnCommand(Cmd::MoveFile);
    ShowAndWait(At(QStringLiteral("ZZZ")));
    m_view.OnCommand(Cmd::PasteFile);
    EXPECT_FALSE(QFileInfo::exists(At(QStringLiteral("AAA/IMG_2.png"))));
    EXPECT_TRUE(QFileInfo(At(QStringLiteral("ZZZ/IMG_2.png"))).isFile());
    EXPECT_EQ(IconTexts(), QStringList{"IMG_2.png"});
}

TEST_F(PhotoCenterTest, CommandsAreEnabledByModeSelectionAndClipboard)
{
    WritePhoto(QStringLiteral("AAA/a.png"));
    ShowAndWait(At(QStringLiteral("AAA")));
    EXPECT_FALSE(m_view.UpdateCommand(Cmd::IconMode).enabled);
    EXPECT_TRUE(m_view.UpdateCommand(Cmd::ReportMode).enabled);
    EXPECT_FALSE(m_view.UpdateCommand(Cmd::CopyFile).enabled);
    EXPECT_FALSE(m_view.UpdateCommand(Cmd::PasteFile).enabled);
    SelectOnly({QStringLiteral("a.png")});
    EXPECT_TRUE(m_view.UpdateCommand(Cmd::EditPhoto).enabled);
    EXPECT_TRUE(m_view.UpdateCommand(Cmd::DeleteFile).enabled);
    m_view.OnCommand(Cmd::ReportMode);
    EXPECT_TRUE(m_view.UpdateCommand(Cmd::IconMode).enabled);
    EXPECT_FALSE(m_view.UpdateCommand(Cmd::ReportMode).enabled);

    EXPECT_FALSE(m_view.UpdateCommand(Cmd::CopyFile).enabled);   // a new table, no selection
    m_view.ReportList()->setCurrentItem(m_view.ReportList()->topLevelItem(0));
    std::unique_ptr<QMenu> menu(m_view.BuildContextMenu());
    QStringList entries;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            entries.append(action->text() + (action->isEnabled() ? "" : " (off)"));
    EXPECT_EQ(entries, (QStringList{"Icon Mode", "Report Mode (off)", "Edit", "Move File",
                                    "Copy File", "Paste File (off)", "Delete File",
                                    "Rename File"}));
}

TEST_F(PhotoCenterTest, DeleteAndRenameWithTheirKeys)
{
    WritePhoto(QStringLiteral("AAA/a.png"));
    WritePhoto(QStringLiteral("AAA/b.png"));
    WritePhoto(QStringLiteral("AAA/c.png"));
    ShowAndWait(At(QStringLiteral("AAA")));
    SelectOnly({QStringLiteral("a.png"), QStringLiteral("c.png")});
    Key(Qt::Key_Delete);
    EXPECT_EQ(Entries(At(QStringLiteral("AAA"))), QStringList{"b.png"});
    EXPECT_EQ(IconTexts(), QStringList{"b.png"});

    // The typed name is taken as it stands, without an extension added.
    SelectOnly({QStringLiteral("b.png")});
    Key(Qt::Key_F2);
    auto* editor = m_view.IconList()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("swing"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor, &enter);
    QCoreApplication::processEvents();
    EXPECT_EQ(Entries(At(QStringLiteral("AAA"))), QStringList{"swing"});
    EXPECT_EQ(IconTexts(), QStringList{"swing"});
    EXPECT_EQ(m_view.FocusedPath(), At(QStringLiteral("AAA/swing")));
}

TEST_F(PhotoCenterTest, EditHandsTheFocusedPhotoOver)
{
    const QString photo = WritePhoto(QStringLiteral("AAA/a.png"));
    ShowAndWait(At(QStringLiteral("AAA")));
    QStringList edited;
    QObject::connect(&m_view, &CCenterView::photoEditRequested,
                     [&](const QString& path) { edited.append(path); });
    SelectOnly({QStringLiteral("a.png")});
    Key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(edited, QStringList{photo});
}

TEST_F(PhotoCenterTest, TheStripFitsThumbnailsAndPlacesPhotosOnThePage)
{
    WritePhoto(QStringLiteral("Mia/tall.png"), Qt::red, QSize(60, 120));
    WritePhoto(QStringLiteral("Mia/wide.png"), Qt::blue, QSize(200, 50));
    CEditCenterView edit;
    edit.resize(900, 700);
    edit.show();
    edit.ShowFolder(At(QStringLiteral("Mia")));
    CListImageView& strip = *edit.Strip();
    strip.WaitForThumbnails();
    ASSERT_EQ(strip.count(), 2);
    EXPECT_EQ(strip.iconSize(), QSize(80, 64));
    const QImage tall = strip.item(0)->icon().pixmap(QSize(100, 80)).toImage();
    EXPECT_EQ(tall.size(), QSize(100, 80));
    EXPECT_EQ(QColor(tall.pixel(50, 40)), QColor(Qt::red));
    EXPECT_EQ(qAlpha(tall.pixel(5, 40)), 0);   // the tall photo is not stretched

    emit strip.itemDoubleClicked(strip.item(1));
    ASSERT_EQ(edit.Canvas()->Model().Objects().size(), 1u);
    EXPECT_EQ(edit.Canvas()->Model().Objects()[0]->m_rect.Width(), 200);
}

} // namespace
