#include "records/view/RecordViewsTestKit.h"

#include "commands/CommandIds.h"
#include "settings/ProgramState.h"
#include "canvas/objects/ShapeObject.h"
#include "app/EditCenterView.h"
#include "canvas/view/CanvasView.h"
#include "app/MainWindow.h"
#include "app/CenterStack.h"
#include "app/TakePhotoCenterView.h"
#include "camera/CameraCapture.h"
#include "camera/view/CameraView.h"
#include "photos/view/PhotoStrip.h"
#include "photos/view/LibraryTree.h"
#include "photos/PhotoDrag.h"
#include "photos/view/PhotoCenterView.h"
#include "photos/view/ThumbnailList.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>

namespace {

// The real main window over a small library with an empty page.
class LibraryFrameTest : public MainFrameTest
{
protected:
    LibraryFrameTest()
    {
        WritePhoto(QStringLiteral("AAA/class.png"));
        WritePhoto(QStringLiteral("Mia/mia.png"), Qt::blue, QSize(120, 90));
        m_page = WriteBytes(QStringLiteral("AAA/Empty.wrn"), QByteArray());
        OpenFrame();
    }

    PhotoCenterView& PhotoCenter() const
    {
        return *qobject_cast<PhotoCenterView*>(m_frame->Container()->View(Center::PhotoCenter));
    }
    EditCenterView& Edit() const
    {
        return *qobject_cast<EditCenterView*>(m_frame->Container()->View(Center::EditCenter));
    }

    QString m_page;
};

TEST_F(LibraryFrameTest, TheTreeSelectionFollowsTheCenterShown)
{
    m_frame->Dispatch(Cmd::ViewPhotoCenter);
    Select(QStringLiteral("Mia"));
    EXPECT_EQ(PhotoCenter().FolderShown(), At(QStringLiteral("Mia")));
    m_frame->Dispatch(Cmd::ViewEditCenter);
    Edit().Strip()->WaitForThumbnails();
    EXPECT_EQ(Edit().Strip()->count(), 1);

    // Photos that arrived meanwhile show when the Photo Center comes back.
    WritePhoto(QStringLiteral("Mia/later.png"));
    m_frame->Dispatch(Cmd::ViewPhotoCenter);
    EXPECT_EQ(PhotoCenter().Files().size(), 2u);
}

TEST_F(LibraryFrameTest, EditPlacesThePhotoOnThePageInTheEditCenter)
{
    m_frame->Dispatch(Cmd::ViewPhotoCenter);
    Select(QStringLiteral("Mia"));
    PhotoCenter().IconList()->WaitForThumbnails();
    PhotoCenter().IconList()->setCurrentRow(0);
    m_frame->Dispatch(Cmd::EditPhoto);
    EXPECT_EQ(m_frame->Container()->CurrentCenter(), Center::EditCenter);
    ASSERT_EQ(Edit().Canvas()->Model().Objects().size(), 1u);
    EXPECT_EQ(Edit().Canvas()->Model().Objects()[0]->m_rect.Width(), 120);
}

TEST_F(LibraryFrameTest, OpeningADocumentAsksAboutTheChangedPageAndSavingListsIt)
{
    CanvasView& canvas = *Edit().Canvas();
    canvas.Model().Objects().push_back(std::make_unique<ShapeObject>(
        PageRect{10, 10, 100, 100}, 2, 1, 0, Rgb(0, 0, 0), Rgb(9, 9, 9)));
    m_document.SetModified(true);

    Select(QStringLiteral("Empty"));
    Prompt().QueueAnswer(UserPrompt::Answer::Cancel);
    Tree().OnCommand(Cmd::TreeOpenDocument);
    EXPECT_EQ(Prompt().Texts().last(), QStringLiteral("Save changes to Untitled ?"));
    EXPECT_EQ(canvas.Model().Objects().size(), 1u);

    // Saved first into the selected child folder, which then lists the page.
    Select(QStringLiteral("Mia"));
    Select(QStringLiteral("Empty"));
    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    Prompt().QueueSave(At(QStringLiteral("Mia/Shapes")));
    Tree().OnCommand(Cmd::TreeOpenDocument);
    EXPECT_TRUE(QFileInfo(At(QStringLiteral("Mia/Shapes.wrn"))).isFile());
    EXPECT_EQ(ChildTexts(ItemNamed(Tree(), QStringLiteral("Mia"))), QStringList{"Shapes"});
    EXPECT_EQ(m_document.Path(), At(QStringLiteral("AAA/Empty.wrn")));
    EXPECT_TRUE(canvas.Model().Objects().empty());
}

TEST_F(LibraryFrameTest, ADocumentDroppedOnThePageOpensIt)
{
    const QString& page = m_page;
    CanvasView& canvas = *Edit().Canvas();
    QMimeData data;
    data.setData(QString::fromLatin1(PhotoDrag::kDocumentMime), page.toUtf8());
    QDragEnterEvent enter(QPoint(200, 200), Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(canvas.viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(200, 200), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas.viewport(), &drop);
    EXPECT_EQ(m_document.Path(), page);
    EXPECT_TRUE(QFileInfo(page).isFile());
}

TEST_F(LibraryFrameTest, PhotosGoToTheFolderLastSelectedInTheTreeAndAPageKeepsIt)
{
    const CameraCapture& camera =
        qobject_cast<TakePhotoCenterView*>(m_frame->Container()->View(Center::TakePhoto))
            ->Camera()
            ->Capture();
    EXPECT_EQ(camera.Folder(), At(QStringLiteral("AAA")));
    Select(QStringLiteral("Mia"));
    EXPECT_EQ(camera.Folder(), At(QStringLiteral("Mia")));
    Select(QStringLiteral("Empty"));
    EXPECT_EQ(camera.Folder(), At(QStringLiteral("Mia")));
}

} // namespace
