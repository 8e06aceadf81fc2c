#include "CanvasViewKit.h"

#include "canvas/editing/PagePictures.h"
#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CalendarOptionSet.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/TextObject.h"
#include "app/EditCenterView.h"
#include "canvas/view/InPlaceTextEditor.h"
#include "app/MainWindow.h"
#include "app/CenterStack.h"
#include "app/BackgroundColorDialog.h"
#include "support/PictureFiles.h"
#include "support/PixelProbes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <QWheelEvent>
#include <QWindow>

namespace {

class CanvasViewTest : public CanvasTest
{
protected:
    CanvasViewTest()
    {
        m_view.setFrameShape(QFrame::NoFrame);
        // Too narrow to centre the page: the page frame stands where the outline does, so
        // window pixels are page units.
        m_view.resize(880, 800);
        m_view.show();
    }

    QWidget* Port() { return m_view.viewport(); }

    void Mouse(QEvent::Type type, const QPoint& at, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMouseEvent event(type, QPointF(at), Port()->mapToGlobal(QPointF(at)), button, buttons,
                          modifiers);
        QApplication::sendEvent(Port(), &event);
    }
    void DoubleClick(const QPoint& at)
    {
        Mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    }
    void Click(const QPoint& at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(Port(), Qt::LeftButton, modifiers, at);
    }
    void Drag(const QPoint& from, const QPoint& to,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, modifiers);
        const QPoint middle = (from + to) / 2;
        Mouse(QEvent::MouseMove, middle, Qt::NoButton, Qt::LeftButton, modifiers);
        Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, modifiers);
        Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, modifiers);
    }
    void RightClick(const QPoint& at) { QTest::mouseClick(Port(), Qt::RightButton, {}, at); }
    // The text dialog answered with `text`, or cancelled when it is empty.
    void ScriptText(const QString& text)
    {
        ScriptNextDialog([text](QDialog& dialog) {
            Find<QTextEdit>(dialog, "text")->setPlainText(text);
            text.isEmpty() ? dialog.reject() : dialog.accept();
        });
    }
    QString WritePicture(const QString& name, const QSize& size,
                         const QColor& color = QColor(30, 120, 200))
    {
        return WriteSolidPicture(m_home.FilePath(name), size, color);
    }
    template <typename Object = PhotoObject>
    const Object& At(std::size_t index) const { return static_cast<const Object&>(*Objects()[index]); }
};

TEST_F(CanvasViewTest, ElevenDragsLeaveTenUndosAndANewDragDropsRedo)
{
    PageObject& shape = AddShape({100, 100, 200, 150});
    for (int i = 0; i < 11; ++i)
        Drag(QPoint(150 + i * 10, 125), QPoint(160 + i * 10, 125));
    EXPECT_EQ(shape.m_rect.left, 210);
    EXPECT_TRUE(m_document.IsModified());

    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(Enabled(Cmd::Undo)) << i;
    for (int i = 0; i < 11; ++i)
        m_view.OnCommand(Cmd::Undo);
    // The first move is beyond the history and stays.
    EXPECT_EQ(Objects().front()->m_rect.left, 110);
    EXPECT_FALSE(Enabled(Cmd::Undo));
    EXPECT_TRUE(Enabled(Cmd::Redo));

    Drag(QPoint(150, 125), QPoint(150, 135));
    EXPECT_FALSE(Enabled(Cmd::Redo));
}

TEST_F(CanvasViewTest, DragsStopAtTheTopEdgeAndClicksWithCtrlToggle)
{
    PageObject& low = AddShape({100, 100, 300, 300});
    PageObject& high = AddShape({150, 150, 250, 250});
    Drag(QPoint(200, 200), QPoint(200, 20));
    EXPECT_EQ(high.m_rect.top, 0);
    EXPECT_EQ(high.m_rect.Height(), 100);

    Click(QPoint(500, 600));  // empty: nothing selected
    EXPECT_EQ(Model().SelectedCount(), 0);
    Click(QPoint(120, 280));
    EXPECT_TRUE(low.m_bSelected);
    Click(QPoint(120, 280), Qt::ControlModifier);
    EXPECT_FALSE(low.m_bSelected);
    EXPECT_EQ(Model().SelectedCount(), 0);
    // Ctrl on an unselected object takes every object under the point.
    high.m_rect = {150, 150, 250, 250};
    Click(QPoint(200, 200), Qt::ControlModifier);
    EXPECT_TRUE(low.m_bSelected && high.m_bSelected);
}

TEST_F(CanvasViewTest, PhotosDraggedOntoPlaceholdersTakeTheirPlaceAndDroppedOnesFillShapes)
{
    Add(std::make_unique<PhotoObject>(), PageRect{400, 100, 600, 250});
    m_view.EditPhoto(WritePicture(QStringLiteral("a.png"), QSize(80, 60)));
    ASSERT_EQ(Objects().size(), 2u);
    const PageObject& photo = *Objects().back();
    const QPoint centre = photo.m_rect.Center().toPoint();
    Drag(centre, QPoint(450, 150));
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(Objects().front()->m_rect, (PageRect{400, 100, 600, 250}));
    EXPECT_EQ(photo.m_nType, ObjectType::Photo);
    m_view.OnCommand(Cmd::Undo);   // the placeholder comes back under the photo, which goes back
    ASSERT_EQ(Objects().size(), 2u);
    EXPECT_EQ(Objects()[0]->m_rect, (PageRect{400, 100, 600, 250}));
    EXPECT_EQ(Objects()[1]->m_rect.Center().toPoint(), centre);
    Model().ReplaceObjects({});

    // Dropped photos fill empty shapes or land where dropped.
    const QString path = WritePicture(QStringLiteral("drop.png"), QSize(60, 40));
    PageObject& outline = AddShape({100, 100, 200, 200}, Rgb(200, 40, 40), false);
    Add(std::make_unique<PhotoObject>(), PageRect{300, 100, 400, 200});

    const auto drop = [&](const QPoint& at) { m_view.DropPhoto(path, Port()->mapToGlobal(at)); };
    drop(QPoint(150, 150));
    EXPECT_EQ(outline.m_nFillType, FillType::Texture);
    EXPECT_EQ(outline.m_strTexture, path);
    drop(QPoint(350, 150));   // an empty photo frame takes photos by dragging, not dropping
    EXPECT_EQ(Objects().size(), 2u);
    drop(QPoint(500, 400));
    ASSERT_EQ(Objects().size(), 3u);
    EXPECT_EQ(Objects().back()->m_rect, (PageRect{500, 400, 560, 440}));
    m_view.OnCommand(Cmd::Undo);
    m_view.OnCommand(Cmd::Undo);
    EXPECT_EQ(Objects().size(), 2u);
    EXPECT_EQ(Objects().front()->m_nFillType, FillType::None);
}

TEST_F(CanvasViewTest, CopySkipsCalendarsAndAlignLeftLinesUpTheOthers)
{
    Add(std::make_unique<CalendarObject>(), PageRect{10, 400, 210, 550});
    AddShape({300, 100, 400, 150});
    AddShape({120, 200, 180, 260});
    AddShape({50, 300, 90, 330});
    Drag(QPoint(5, 5), QPoint(600, 600));   // rubber band over everything
    EXPECT_EQ(Model().SelectedCount(), 4);
    m_view.OnCommand(Cmd::CopyObjects);
    EXPECT_EQ(Model().Clipboard().size(), 3u);

    Click(QPoint(300, 500));
    Click(QPoint(350, 125));
    Click(QPoint(150, 230), Qt::ShiftModifier);
    Click(QPoint(70, 315), Qt::ShiftModifier);
    Model().SetCurrent(Objects()[1].get());
    m_view.OnCommand(Cmd::AlignLeft);
    EXPECT_EQ(Objects()[2]->m_rect, (PageRect{300, 200, 360, 260}));
    EXPECT_EQ(Objects()[3]->m_rect, (PageRect{300, 300, 340, 330}));
}

TEST_F(CanvasViewTest, ZoomStepsStopAtTheLimitsAndTheWheelScrolls)
{
    std::vector<double> in, out;
    for (int i = 0; i < 5; ++i) {
        m_view.OnCommand(Cmd::CanvasZoomIn);
        in.push_back(m_view.Zoom());
    }
    m_view.OnCommand(Cmd::CanvasZoom100);
    for (int i = 0; i < 5; ++i) {
        m_view.OnCommand(Cmd::CanvasZoomOut);
        out.push_back(m_view.Zoom());
    }
    EXPECT_EQ(in, (std::vector<double>{1.5, 2.0, 4.0, 8.0, 8.0}));
    EXPECT_EQ(out, (std::vector<double>{0.75, 0.5, 0.25, 0.125, 0.125}));

    // The wheel scrolls down, across with Shift and zooms with Ctrl.
    m_view.OnCommand(Cmd::CanvasZoom100);
    m_view.OnCommand(Cmd::CanvasZoomIn);
    m_view.OnCommand(Cmd::CanvasZoomIn);
    QScrollBar* down = m_view.verticalScrollBar();
    QScrollBar* across = m_view.horizontalScrollBar();
    down->setValue(100);
    across->setValue(100);
    const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(50, 50), Port()->mapToGlobal(QPointF(50, 50)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Port(), &event);
    };
    wheel(-120, Qt::NoModifier);
    EXPECT_GT(down->value(), 100);
    EXPECT_EQ(across->value(), 100);
    wheel(120, Qt::ShiftModifier);
    EXPECT_LT(across->value(), 100);
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(m_view.Zoom(), 4.0);
}

// The window's width, where the outline's left edge goes in it.
class CanvasPageFrameTest : public CanvasViewTest,
                            public ::testing::WithParamInterface<std::pair<int, int>>
{
protected:
    CanvasPageFrameTest()
    {
        m_view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_view.resize(GetParam().first, 800);
    }
    // Where a page point shows: the page frame's corner (40, 40) sits on the outline's.
    QPoint OnScreen(const QPoint& page) const
    {
        return page - QPoint(40, 40) + QPoint(GetParam().second, 40);
    }
};

TEST_P(CanvasPageFrameTest, ObjectsKeepTheirPlaceOnThePageWhateverTheWindow)
{
    // The outline, in the background colour with a dark frame, where the rule puts it.
    const QImage shot = Port()->grab().toImage();
    EXPECT_TRUE(ColorsNear(shot.pixelColor(OnScreen({20, 300})), Program().canvasBackground));
    EXPECT_LT(shot.pixelColor(OnScreen({40, 300})).lightness(), 60);

    // Drawn 100 units into the outline, a figure lies 100 units into the page.
    m_view.OnCommand(Cmd::ToolRectangle);
    Drag(OnScreen({140, 140}), OnScreen({340, 240}));
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(Objects()[0]->m_rect, (PageRect{140, 140, 340, 240}));

    // An object at the page's right edge shows there, is clicked there, pastes to the
    // right-click and comes out whole in a picture of the page.
    PageObject& edge = AddShape({800, 500, 880, 560});
    const QImage painted = Port()->grab().toImage();
    EXPECT_TRUE(ColorsNear(painted.pixelColor(OnScreen({840, 530})), QColor(200, 40, 40)));
    Click(OnScreen({840, 530}));
    EXPECT_TRUE(edge.m_bSelected);
    m_view.OnCommand(Cmd::CopyObjects);
    RightClick(OnScreen({400, 600}));
    m_view.OnCommand(Cmd::PasteObjects);
    EXPECT_EQ(Objects().back()->m_rect, (PageRect{400, 600, 480, 660}));

    const QString file = m_home.FilePath(QStringLiteral("page.png"));
    ASSERT_TRUE(PagePictures::WriteFile(Model(), m_view.PageFrameRect(), file, false));
    const QImage picture(file);
    EXPECT_EQ(picture.size(), QSize(850, 1098));
    EXPECT_TRUE(ColorsNear(picture.pixelColor(839 - 40, 530 - 40), QColor(200, 40, 40)));

    // A text is edited in place over where it shows.
    Add(std::make_unique<TextObject>(PageRect{100, 700, 400, 760}, QStringLiteral("Hi")));
    DoubleClick(OnScreen({150, 720}));
    ASSERT_NE(m_view.Editor(), nullptr);
    EXPECT_EQ(m_view.Editor()->geometry().topLeft(), OnScreen({100, 700}));
}

INSTANTIATE_TEST_SUITE_P(WindowWidths, CanvasPageFrameTest,
                         ::testing::Values(std::pair{880, 40}, std::pair{1000, 75},
                                           std::pair{1400, 275}));

TEST_F(CanvasViewTest, ToolsMakeTheSameRectangleEitherWayAndCloseFreehandShapes)
{
    m_view.OnCommand(Cmd::ToolRectangle);
    Drag(QPoint(300, 260), QPoint(100, 120));
    m_view.OnCommand(Cmd::ToolRectangle);
    Drag(QPoint(100, 420), QPoint(300, 560));
    ASSERT_EQ(Objects().size(), 2u);
    EXPECT_EQ(Objects()[0]->m_rect, (PageRect{100, 120, 300, 260}));
    EXPECT_EQ(Objects()[1]->m_rect.Width(), 200);
    // Tools are one-shot: the next drag moves the new shape.
    EXPECT_EQ(m_view.Tool(), DrawingTool::None);

    m_view.OnCommand(Cmd::ToolFreehandShape);
    Drag(QPoint(500, 100), QPoint(600, 200));
    m_view.OnCommand(Cmd::ToolOpenFreehand);
    Drag(QPoint(500, 300), QPoint(600, 400));
    const auto& closed = static_cast<const CurveObject&>(*Objects()[2]);
    const auto& open = static_cast<const CurveObject&>(*Objects()[3]);
    EXPECT_EQ(closed.m_vertices.front(), closed.m_vertices.back());
    EXPECT_NE(open.m_vertices.front(), open.m_vertices.back());
    EXPECT_EQ(closed.m_nCurveKind, CurveKind::ClosedFreehand);

    // A polyline takes a corner per click and ends, closed, with a double-click.
    m_view.OnCommand(Cmd::ToolPolyline);
    Click(QPoint(100, 600));
    Click(QPoint(200, 600));
    Click(QPoint(150, 700));
    DoubleClick(QPoint(150, 700));
    Mouse(QEvent::MouseButtonRelease, QPoint(150, 700), Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(Objects().size(), 5u);
    const auto& polyline = static_cast<const CurveObject&>(*Objects()[4]);
    EXPECT_EQ(polyline.m_nCurveKind, CurveKind::Polygon);
    EXPECT_EQ(polyline.PointCount(), 4);
    EXPECT_EQ(polyline.m_vertices.front(), polyline.m_vertices.back());
    EXPECT_EQ(m_view.Tool(), DrawingTool::None);
}

TEST_F(CanvasViewTest, StarPointsAreKeptBetweenTwoAndFifty)
{
    for (const auto& [typed, kept] : {std::pair{1, 2}, {80, 50}, {7, 7}}) {
        ScriptNextDialog([typed = typed](QDialog& dialog) {
            Find<QSpinBox>(dialog, "points")->setValue(typed);
            dialog.accept();
        });
        m_view.OnCommand(Cmd::ToolStars);
        EXPECT_EQ(m_view.Style().starPoints, kept) << typed;
    }
    Drag(QPoint(100, 100), QPoint(200, 200));
    EXPECT_EQ(static_cast<const ShapeObject&>(*Objects().back()).m_nStarPoints, 7);
}

TEST_F(CanvasViewTest, TextInsertionCancelledLeavesNothingAndInPlaceEditingWritesBack)
{
    ScriptText({});
    m_view.OnCommand(Cmd::InsertText);
    Click(QPoint(100, 100));
    EXPECT_TRUE(Objects().empty());
    EXPECT_FALSE(Enabled(Cmd::Undo));

    // A tool armed before another page is made still places.
    m_view.OnCommand(Cmd::InsertText);
    const CanvasView another;   // registers the page's kinds again
    ScriptText(QStringLiteral("Spring fair"));
    Click(QPoint(100, 100));
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(Objects()[0]->m_rect, (PageRect{100, 100, 600, 200}));

    DoubleClick(QPoint(150, 150));
    ASSERT_NE(m_view.Editor(), nullptr);
    m_view.Editor()->setPlainText(QStringLiteral("Summer fair"));
    QFocusEvent leave(QEvent::FocusOut, Qt::MouseFocusReason);   // leaving keeps the text
    QApplication::sendEvent(m_view.Editor(), &leave);
    EXPECT_EQ(At<TextObject>(0).m_strText, QStringLiteral("Summer fair"));
    m_view.OnCommand(Cmd::Undo);
    EXPECT_EQ(At<TextObject>(0).m_strText, QStringLiteral("Spring fair"));
}

TEST_F(CanvasViewTest, ContextMenusFollowTheCurrentObject)
{
    const auto entries = [&] {
        std::unique_ptr<QMenu> menu(m_view.BuildContextMenu());
        QStringList texts;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                texts.append(action->text());
        return std::pair{menu->objectName(), texts};
    };
    EXPECT_EQ(entries(), (std::pair{QStringLiteral("NoSelection"), QStringList{"Paste"}}));
    AddShape({100, 100, 200, 200});
    Click(QPoint(150, 150));
    EXPECT_EQ(entries().first, QStringLiteral("DrawObject"));
    Add(std::make_unique<CalendarObject>(), PageRect{300, 300, 500, 450});
    Click(QPoint(400, 400));
    EXPECT_EQ(entries().first, QStringLiteral("Calendar"));
    m_view.OnCommand(Cmd::CalendarJanuary + 2);
    EXPECT_EQ(static_cast<const CalendarObject&>(*Objects().back()).m_nMonth, 3);
}

TEST_F(CanvasViewTest, PastedPicturesAreNumberedWithoutOverwriting)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QApplication::clipboard()->setImage(picture);
    Program().picturesRoot = m_home.Path();
    m_view.OnCommand(Cmd::ApplyImageFromClipboard);
    m_view.OnCommand(Cmd::ApplyImageFromClipboard);
    EXPECT_TRUE(QFileInfo::exists(m_home.FilePath("pastedbitmap_1.bmp")));
    EXPECT_TRUE(QFileInfo::exists(m_home.FilePath("pastedbitmap_2.bmp")));
    ASSERT_EQ(Objects().size(), 2u);
    EXPECT_EQ(Objects()[0]->m_rect, (PageRect{0, 0, 40, 30}));
    // A file already there is stepped over, never replaced.
    QFile(m_home.FilePath("pastedbitmap_3.bmp")).open(QIODevice::WriteOnly);
    m_view.OnCommand(Cmd::ApplyImageFromClipboard);
    EXPECT_TRUE(QFileInfo::exists(m_home.FilePath("pastedbitmap_4.bmp")));
    EXPECT_EQ(QFileInfo(m_home.FilePath("pastedbitmap_3.bmp")).size(), 0);
}

TEST_F(CanvasViewTest, SaveAndReopenKeepsTheStackingOrderAndDamagedFilesSaySo)
{
    AddShape({100, 100, 200, 200}, Rgb(255, 0, 0));
    AddShape({150, 150, 250, 250}, Rgb(0, 0, 255));
    Click(QPoint(120, 120));
    m_view.OnCommand(Cmd::BringToFront);
    EXPECT_FALSE(Enabled(Cmd::Undo));   // order changes are not steps
    m_document.SetModified(true);
    Prompt().QueueSave(m_home.FilePath("page"));
    m_view.OnCommand(Cmd::FileSave);
    EXPECT_EQ(m_document.Title(), QStringLiteral("page.wrn"));
    EXPECT_FALSE(m_document.IsModified());

    m_view.OnCommand(Cmd::FileNew);
    EXPECT_TRUE(Objects().empty());
    EXPECT_TRUE(m_document.IsUntitled());
    Prompt().QueueFiles({m_home.FilePath("page.wrn")});
    m_view.OnCommand(Cmd::FileOpen);
    EXPECT_EQ(m_document.Title(), QStringLiteral("page.wrn"));
    ASSERT_EQ(Objects().size(), 2u);
    EXPECT_EQ(Objects()[0]->m_crFill, Rgb(0, 0, 255));
    EXPECT_EQ(Objects()[1]->m_crFill, Rgb(255, 0, 0));

    // Save As with the extension typed does not double it.
    Prompt().QueueSave(m_home.FilePath("copy.WRN"));
    m_view.OnCommand(Cmd::FileSaveAs);
    EXPECT_TRUE(QFileInfo::exists(m_home.FilePath("copy.WRN")));
    EXPECT_EQ(m_document.Title(), QStringLiteral("copy.WRN"));

    // Files that are not pages leave the page; damaged ones say so.
    QFile saved(m_home.FilePath("page.wrn"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray page = saved.readAll();
    const auto open = [&](const char* name, const QByteArray& bytes) {
        QFile file(m_home.FilePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        Prompt().QueueFiles({file.fileName()});
        m_view.OnCommand(Cmd::FileOpen);
        return Prompt().Messages().isEmpty() ? QString() : Prompt().Messages().last().text;
    };

    // A header claiming a page no one can have, and a file too short for a header.
    EXPECT_TRUE(open("photo.wrn", QByteArray(4000, '\xff')).contains(QStringLiteral("photo.wrn")));
    EXPECT_TRUE(open("stub.wrn", page.left(50)).contains(QStringLiteral("too short")));
    EXPECT_EQ(m_document.Title(), QStringLiteral("copy.WRN"));
    EXPECT_EQ(Objects().size(), 2u);

    const QString damaged = open("cut.wrn", page.chopped(1));
    EXPECT_EQ(m_document.Title(), QStringLiteral("cut.wrn"));
    EXPECT_EQ(Objects().size(), 1u);
    EXPECT_TRUE(damaged.contains(QStringLiteral("only its first object could be read")))
        << damaged.toStdString();
}

TEST_F(CanvasViewTest, APageOpenedOrStartedHasItsOwnHistoryAndNewAsksFirst)
{
    const QString path = m_home.FilePath(QStringLiteral("week.wrn"));
    for (const auto answer : {UserPrompt::Answer::Cancel, UserPrompt::Answer::No, UserPrompt::Answer::Yes}) {
        SCOPED_TRACE(int(answer));
        ObjectList stored;
        stored.push_back(std::make_unique<ShapeObject>(PageRect{100, 100, 200, 200}, 2, 1, 0,
                                                       Rgb(0, 0, 0), Rgb(0, 0, 255)));
        ASSERT_TRUE(SaveDocument(path, WrnPage(), stored));
        ASSERT_TRUE(m_view.OpenDocumentFile(path));
        EXPECT_FALSE(Enabled(Cmd::Undo));   // nothing of the last page
        Drag(QPoint(150, 150), QPoint(150, 180));
        Prompt().QueueAnswer(answer);
        const int asked = Prompt().Messages().size();
        m_view.OnCommand(Cmd::FileNew);

        ASSERT_EQ(Prompt().Messages().size(), asked + 1);
        EXPECT_EQ(Prompt().Messages().back().text, QStringLiteral("Save changes to week.wrn ?"));
        EXPECT_EQ(Prompt().Messages().back().buttons, UserPrompt::Buttons::YesNoCancel);
        const bool kept = answer == UserPrompt::Answer::Cancel;
        EXPECT_EQ(Objects().size(), kept ? 1u : 0u);
        EXPECT_EQ(m_document.IsUntitled(), !kept);
        EXPECT_EQ(Enabled(Cmd::Undo), kept);
        const std::optional<WrnDocument> file = LoadDocument(path);
        ASSERT_TRUE(file && file->objects.size() == 1u);
        EXPECT_EQ(file->objects[0]->m_rect.top, answer == UserPrompt::Answer::Yes ? 130 : 100);
        m_document.SetModified(false);
    }
}

TEST_F(CanvasViewTest, HandlesAreGrabbedWhereTheyAreDrawn)
{
    // A photo draws its handles just outside the picture, other objects just inside.
    m_view.EditPhoto(WritePicture(QStringLiteral("kid.png"), QSize(120, 80)));
    PageObject& shape = AddShape({100, 100, 200, 200});
    PageObject& photo = *Objects().front();
    for (PageObject* object : {&photo, &shape}) {
        SCOPED_TRACE(object->m_nType);
        if (!object->m_bSelected)
            Click(object->m_rect.Center().toPoint());
        const PageRect before = object->m_rect;
        const QRect frame = m_view.Mapping().ToWindow(before);
        const QPoint handle = object == &photo ? frame.bottomRight() + QPoint(4, 4)
                                               : frame.bottomRight() - QPoint(2, 2);
        ASSERT_LT(Port()->grab().toImage().pixelColor(handle).lightness(), 60);
        Drag(handle, handle + QPoint(20, 10));
        EXPECT_EQ(object->m_rect,
                  (PageRect{before.left, before.top, before.right + 20, before.bottom + 10}));
        EXPECT_TRUE(object->m_bSelected);
    }
}

TEST_F(CanvasViewTest, AShapeTurnedAQuarterIsFramedAndResizedAsItStands)
{
    PageObject& shape = AddShape({100, 100, 300, 150});
    Click(QPoint(200, 125));
    Type(&m_view, Qt::Key_M);
    const QRect frame = m_view.Mapping().ToWindow(PageRect{175, 25, 225, 225});
    const QPoint handle = frame.bottomRight() - QPoint(2, 2);
    ASSERT_LT(Port()->grab().toImage().pixelColor(handle).lightness(), 60);
    // Across the turned figure a sideways drag makes it longer along its own height.
    Drag(handle, handle + QPoint(20, 10));
    EXPECT_EQ(shape.m_rect, (PageRect{105, 95, 315, 165}));
    EXPECT_EQ(shape.m_nAngle, 90);
}

TEST_F(CanvasViewTest, KeysNudgeSizeAndRefuseLockedObjects)
{
    PageObject& shape = AddShape({100, 100, 200, 200});
    Click(QPoint(150, 150));
    Type(&m_view, Qt::Key_Right);
    Type(&m_view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(shape.m_rect, (PageRect{101, 100, 201, 201}));
    m_view.OnCommand(Cmd::LockObject);
    Type(&m_view, Qt::Key_Left);
    Type(&m_view, Qt::Key_Left, Qt::ControlModifier);
    Type(&m_view, Qt::Key_Delete);
    EXPECT_EQ(shape.m_rect, (PageRect{101, 100, 201, 201}));
    EXPECT_EQ(Objects().size(), 1u);
    EXPECT_EQ(Prompt().Texts().size(), 3);
    EXPECT_EQ(Prompt().Texts().value(2), QStringLiteral("The Object is currently locked!"));
}

TEST_F(CanvasViewTest, ADraggedObjectFollowsTheMouseAndEscapeCancels)
{
    PageObject& shape = AddShape({100, 100, 200, 200});
    Mouse(QEvent::MouseButtonPress, QPoint(150, 150), Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, QPoint(190, 170), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(shape.m_rect, (PageRect{140, 120, 240, 220}));
    Type(&m_view, Qt::Key_Escape);
    Mouse(QEvent::MouseButtonRelease, QPoint(190, 170), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(shape.m_rect, (PageRect{100, 100, 200, 200}));
    EXPECT_FALSE(Enabled(Cmd::Undo));
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(CanvasViewTest, PhotoCommandsAreOneStepEachAndSelectionsCropAndErase)
{
    m_view.EditPhoto(WritePicture(QStringLiteral("kids.bmp"), QSize(200, 100)));
    auto& photo = static_cast<PhotoObject&>(*Objects().back());
    const QRgb before = photo.ShownImage().pixel(10, 10);
    m_view.OnCommand(Cmd::Lighten);
    EXPECT_EQ(photo.m_nBrightness, 10);
    EXPECT_NE(photo.ShownImage().pixel(10, 10), before);
    m_view.OnCommand(Cmd::Undo);
    const auto& restored = static_cast<const PhotoObject&>(*Objects().back());
    EXPECT_EQ(restored.m_nBrightness, 0);
    EXPECT_EQ(restored.ShownImage().pixel(10, 10), before);
    EXPECT_EQ(Model().Current(), Objects().back().get());

    // A rectangle drawn over the photo is cropped away from the rest.
    const PageRect rect = restored.m_rect;
    m_view.OnCommand(Cmd::RectangleSelection);
    Drag(QPoint(rect.left + 20, rect.top + 10), QPoint(rect.left + 120, rect.top + 60));
    ASSERT_TRUE(m_view.PhotoSelection().HasArea());
    m_view.OnCommand(Cmd::Crop);
    EXPECT_EQ(Objects().back()->m_rect.Width(), 100);
    EXPECT_FALSE(m_view.PhotoSelection().active);

    // Delete inside an ellipse selection clears the inside and keeps the photo.
    const PageRect cropped = Objects().back()->m_rect;
    m_view.OnCommand(Cmd::EllipseSelection);
    Drag(QPoint(cropped.left + 5, cropped.top + 5), QPoint(cropped.right - 5, cropped.bottom - 5));
    Type(&m_view, Qt::Key_Delete);
    ASSERT_EQ(Objects().size(), 1u);
    const QImage erased = static_cast<const PhotoObject&>(*Objects().back()).ShownImage();
    EXPECT_EQ(qAlpha(erased.pixel(erased.width() / 2, erased.height() / 2)), 0);
    EXPECT_EQ(qAlpha(erased.pixel(0, 0)), 255);
    // The photo's file is only written with the page, so the erase can still be undone.
    const QString file = static_cast<const PhotoObject&>(*Objects().back()).m_strPath;
    const QImage onDisk(file);
    EXPECT_TRUE(ColorsNear(onDisk.pixelColor(onDisk.width() / 2, onDisk.height() / 2),
                           QColor(30, 120, 200)));
}

TEST_F(CanvasViewTest, ShapesTurnByQuartersAndGroupsMoveAsOneStep)
{
    PageObject& first = AddShape({100, 100, 200, 200});
    PageObject& second = AddShape({300, 100, 400, 200});
    Click(QPoint(150, 150));
    for (int i = 0; i < 4; ++i)
        Type(&m_view, Qt::Key_M);
    EXPECT_EQ(first.m_nAngle, 0);   // a full turn wraps to 0
    Type(&m_view, Qt::Key_N);
    EXPECT_EQ(first.m_nAngle, -90);

    Click(QPoint(350, 150), Qt::ShiftModifier);
    ASSERT_TRUE(Model().IsMultiSelection());
    Drag(QPoint(350, 150), QPoint(380, 170));
    EXPECT_EQ(first.m_rect, (PageRect{130, 120, 230, 220}));
    EXPECT_EQ(second.m_rect, (PageRect{330, 120, 430, 220}));
    m_view.OnCommand(Cmd::Undo);
    EXPECT_EQ(Objects()[0]->m_rect, (PageRect{100, 100, 200, 200}));
    EXPECT_EQ(Objects()[1]->m_rect, (PageRect{300, 100, 400, 200}));

    m_view.OnCommand(Cmd::CopyAsPicture);
    const QImage picture = QApplication::clipboard()->image();
    EXPECT_EQ(picture.size(), QSize(304, 104));
    EXPECT_TRUE(ColorsNear(picture.pixelColor(50, 50), QColor(200, 40, 40)));
}

TEST_F(CanvasViewTest, ApplyToPaintsThePhotoIntoThePhotoBeneath)
{
    m_view.EditPhoto(WritePicture(QStringLiteral("big.bmp"), QSize(300, 200)));
    m_view.EditPhoto(WriteSolidPicture(m_home.FilePath("small.bmp"), {50, 40}, Qt::yellow));
    ASSERT_EQ(Objects().size(), 2u);
    m_view.OnCommand(Cmd::ApplyTo);
    const auto& lower = static_cast<const PhotoObject&>(*Objects().front());
    const PageRect upper = Objects().back()->m_rect;
    const QPoint inLower(upper.left - lower.m_rect.left + 5, upper.top - lower.m_rect.top + 5);
    EXPECT_TRUE(ColorsNear(lower.ShownImage().pixelColor(inLower), Qt::yellow));
    EXPECT_TRUE(lower.m_bEdited);
    m_view.OnCommand(Cmd::Undo);   // the photo beneath gets its pixels back, and stays
    ASSERT_EQ(Objects().size(), 2u);
    const auto& back = static_cast<const PhotoObject&>(*Objects().front());
    EXPECT_FALSE(ColorsNear(back.ShownImage().pixelColor(inLower), Qt::yellow));
}

TEST_F(CanvasViewTest, AYearOfCalendarsIsLaidOutWhereTheClickWas)
{
    ScriptNextDialog([](QDialog& dialog) {
        Find<QSpinBox>(dialog, "year")->setValue(2027);
        Find<QRadioButton>(dialog, "wholeYear")->setChecked(true);
        auto* layout = Find<QComboBox>(dialog, "yearLayout");
        layout->setCurrentIndex(layout->findData(int(CalendarOptionSet::RowsOfFour)));
        dialog.accept();
    });
    m_view.OnCommand(Cmd::InsertCalendar);
    Click(QPoint(20, 30));
    ASSERT_EQ(Objects().size(), 12u);
    const auto& may = static_cast<const CalendarObject&>(*Objects()[4]);
    EXPECT_EQ(may.m_nMonth, 5);
    EXPECT_EQ(may.m_nYear, 2027);
    EXPECT_EQ(may.m_rect, (PageRect{20, 155, 170, 275}));
    EXPECT_EQ(Model().Current(), Objects().back().get());

    // Shapes and years change for every calendar at once, as one step.
    m_view.OnCommand(Cmd::CalendarNextYear);
    EXPECT_EQ(static_cast<const CalendarObject&>(*Objects()[0]).m_nYear, 2028);
    m_view.OnCommand(Cmd::Undo);
    EXPECT_EQ(static_cast<const CalendarObject&>(*Objects()[11]).m_nYear, 2027);
    EXPECT_EQ(Objects().size(), 12u);
}

// The canvas inside the program's window, the Edit Center shown.
class CanvasInFrameTest : public DialogTest
{
protected:
    CanvasInFrameTest()
    {
        m_frame.resize(1200, 800);
        m_frame.show();
        m_frame.Dispatch(Cmd::ViewEditCenter);
    }
    CanvasView& Canvas()
    {
        return *static_cast<EditCenterView*>(m_frame.Container()->View(Center::EditCenter))
                    ->Canvas();
    }

    PageDocument m_frameDocument;
    MainWindow m_frame{m_frameDocument};
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST_F(CanvasInFrameTest, TheFrameShowsTheTextFontMarksAChangedPageAndRepaintsANewBackground)
{
    auto text = std::make_unique<TextObject>(PageRect{50, 50, 300, 120}, QStringLiteral("Hi"));
    text->m_nFontSize = 24;
    Canvas().Model().Objects().push_back(std::move(text));

    const QPoint at = Canvas().Mapping().ToWindow({60, 60, 61, 61}).topLeft();
    QTest::mousePress(Canvas().viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(m_frame.Container()->FontSizeBox()->currentText(), QStringLiteral("24"));

    // A changed page is marked in the title; closing asks first (CloseTest covers the answers).
    Canvas().OnCommand(Cmd::RotateRight);
    EXPECT_EQ(m_frame.windowHandle()->title(), QStringLiteral("Untitled* - Tendrel V1.0"));
    m_frameDocument.SetModified(false);

    // The chosen background shows on the page at once.
    QApplication::processEvents();
    PaintCounter paints(Canvas().viewport());
    ScriptNextDialog([](QDialog& dialog) {
        static_cast<BackgroundColorDialog&>(dialog).Choose(1012);
        dialog.accept();
    });
    m_frame.Dispatch(Cmd::BackgroundColor);
    QApplication::processEvents();
    EXPECT_GT(paints.count, 0);
}

} // namespace
