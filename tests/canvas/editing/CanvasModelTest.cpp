#include "canvas/editing/CanvasModel.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/ShapeOutlines.h"
#include "support/ScriptedPrompt.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

// A model with a prompt that records messages and a count of document changes.
class CanvasModelTest : public ::testing::Test
{
protected:
    CanvasModelTest() { model.onModified = [this] { ++modified; }; }

    // Objects put on the page directly, outside the undo history.
    template <class T> T& Put(std::unique_ptr<T> object)
    {
        T& placed = *object;
        model.Objects().push_back(std::move(object));
        return placed;
    }
    ShapeObject& Shape(PageRect rect)
    {
        auto shape = std::make_unique<ShapeObject>(rect, ShapeOutline::Rectangle, 1, 0,
                                                   Rgb(0, 0, 0), Rgb(200, 0, 0));
        shape->m_bFill = 1;
        return Put(std::move(shape));
    }
    PageObject* ById(const QString& identity)
    {
        for (const auto& object : model.Objects())
            if (object->m_strID == identity)
                return object.get();
        return nullptr;
    }
    void SelectOnly(std::initializer_list<PageObject*> objects)
    {
        model.DeselectAll();
        for (PageObject* object : objects)
            model.Select(*object);
    }

    TempHome home;
    CanvasModel model;
    int modified = 0;
};

PageRect At(int left, int top, int width = 50, int height = 50)
{
    return {left, top, left + width, top + height};
}

} // namespace

TEST_F(CanvasModelTest, DeleteAndModifyUndoWhole)
{
    const QString first = Shape(At(0, 0)).m_strID;
    ShapeObject& kept = Shape(At(100, 0));
    const QString second = Shape(At(200, 0)).m_strID;
    SelectOnly({ById(second), ById(first)});
    model.DeleteSelected();
    ASSERT_EQ(model.Objects().size(), 1u);
    model.Undo();   // each comes back to its place in the stacking order
    ASSERT_EQ(model.Objects().size(), 3u);
    EXPECT_EQ(model.Objects()[0]->m_strID, first);
    EXPECT_EQ(model.Objects()[2]->m_strID, second);

    const QString identity = kept.m_strID;
    model.SetCurrent(&kept);
    EXPECT_TRUE(model.Modify(kept, [](PageObject& o) {
        o.m_crFill = Rgb(0, 0, 255);
        return true;
    }));
    model.Undo();
    ASSERT_EQ(model.Current(), ById(identity));
    EXPECT_EQ(model.Current()->m_crFill, Rgb(200, 0, 0));

    // A change that changed nothing is no step and loses nothing to redo.
    const int steps = model.History().Count();
    EXPECT_FALSE(model.Modify(*model.Current(), [](PageObject&) { return false; }));
    EXPECT_EQ(model.History().Count(), steps);
    EXPECT_TRUE(model.Redo());
    EXPECT_EQ(ById(identity)->m_crFill, Rgb(0, 0, 255));
}

TEST_F(CanvasModelTest, CurveResizeUndoGivesVerticesBack)
{
    const QList<QPoint> points{{100, 100}, {140, 180}, {200, 120}};
    auto& curve =
        Put(std::make_unique<CurveObject>(points, CurveKind::OpenPolyline, 1, 0, Rgb(0, 0, 0)));
    const PageRect rect = curve.m_rect;
    const QList<QPoint> vertices = curve.m_vertices;
    model.MoveResize(curve, At(rect.left, rect.top, 2 * rect.Width(), 2 * rect.Height()));
    ASSERT_NE(curve.m_vertices, vertices);
    model.Undo();
    EXPECT_EQ(curve.m_rect, rect);
    EXPECT_EQ(curve.m_vertices, vertices);
}

TEST_F(CanvasModelTest, MovesStopAtTheLeftEdgeKeepingTheSize)
{
    ShapeObject& shape = Shape(At(100, 100, 60, 40));
    model.MoveResize(shape, At(-25, 10, 60, 40));
    EXPECT_EQ(shape.m_rect, At(0, 10, 60, 40));
}

TEST_F(CanvasModelTest, AlignAndSizeFollowTheCurrentObject)
{
    ShapeObject& reference = Shape({50, 0, 150, 40});
    ShapeObject& wide = Shape(At(200, 100, 120, 100));
    ShapeObject& tall = Shape(At(400, 200, 30, 150));
    model.SelectAll();
    model.SetCurrent(&reference);

    // Bottoms meet at 40; what would go above the page is cut off instead.
    model.Align(CanvasModel::Edge::Bottom);
    EXPECT_EQ(wide.m_rect, PageRect({200, 0, 320, 40}));
    EXPECT_EQ(tall.m_rect, PageRect({400, 0, 430, 40}));

    model.SameWidth();
    EXPECT_EQ(tall.m_rect.Width(), 100);
    tall.m_rect = At(400, 60, 100, 200);
    model.SameHeight();
    EXPECT_EQ(tall.m_rect, At(400, 60, 100, 40));
    EXPECT_EQ(reference.m_rect, PageRect({50, 0, 150, 40}));
}

TEST_F(CanvasModelTest, ClicksAndBandsSelect)
{
    ShapeObject& lower = Shape(At(0, 0, 100, 100));
    ShapeObject& upper = Shape(At(50, 50, 100, 100));
    ShapeObject& apart = Shape(At(300, 300, 100, 100));

    EXPECT_TRUE(model.Click({75, 75}, false, false));
    EXPECT_EQ(model.Selected(), std::vector<PageObject*>{&upper});
    EXPECT_EQ(model.Current(), &upper);

    model.SelectInBand({120, 120, 320, 320});
    EXPECT_EQ(model.Selected(), (std::vector<PageObject*>{&upper, &apart}));
    EXPECT_EQ(model.Current(), &apart);
    EXPECT_TRUE(model.IsMultiSelection());
    model.DeselectAll();
    model.SelectInBand({10, 10, 20, 20});
    EXPECT_EQ(model.Selected(), std::vector<PageObject*>{&lower});
    EXPECT_FALSE(model.IsMultiSelection());
}

TEST_F(CanvasModelTest, CopyAndPastePlaceCopiesOneStepEach)
{
    Put(std::make_unique<PhotoObject>()).m_rect = At(100, 100, 100, 50);
    Shape(At(150, 200, 100, 100));
    model.SelectAll();
    model.Copy();
    ASSERT_EQ(model.Clipboard().size(), 2u);

    const auto pastedRects = [&](QPoint rightClick) {
        const int steps = model.History().Count();
        model.Paste(rightClick);
        EXPECT_EQ(model.History().Count(), steps + 2);
        const auto& objects = model.Objects();
        return std::vector<PageRect>{objects[objects.size() - 2]->m_rect, objects.back()->m_rect};
    };
    // A right-click at the page's edge pastes ten on, as without one.
    const std::vector<PageRect> moved{At(110, 110, 100, 50), At(160, 210, 100, 100)};
    EXPECT_EQ(pastedRects({400, 0}), moved);
    EXPECT_EQ(pastedRects({0, 400}), moved);

    model.Undo();
    EXPECT_EQ(model.Objects().size(), 5u);

    // Another page begins with no steps to undo; the clipboard stays.
    model.ReplaceObjects({});
    EXPECT_FALSE(model.History().CanUndo());
    model.Paste({});
    EXPECT_EQ(model.Objects().size(), 2u);
}

TEST_F(CanvasModelTest, CutMovesToTheClipboard)
{
    const QString identity = Shape(At(10, 10)).m_strID;
    Shape(At(100, 100));
    SelectOnly({ById(identity)});
    model.Cut();
    ASSERT_EQ(model.Clipboard().size(), 1u);
    EXPECT_EQ(ById(identity), nullptr);
}

TEST_F(CanvasModelTest, StackingOrderIsNoDocumentChange)
{
    ShapeObject& bottom = Shape(At(0, 0));
    ShapeObject& top = Shape(At(20, 20));
    const auto order = [&] {
        std::vector<PageObject*> objects;
        for (const auto& object : model.Objects())
            objects.push_back(object.get());
        return objects;
    };
    model.Click({5, 5}, false, false);
    model.BringToFront();
    EXPECT_EQ(order(), (std::vector<PageObject*>{&top, &bottom}));
    model.OneStepBack();
    EXPECT_EQ(order(), (std::vector<PageObject*>{&bottom, &top}));
    model.OneStepFront();
    model.SendToBack();
    EXPECT_EQ(order(), (std::vector<PageObject*>{&bottom, &top}));
    EXPECT_EQ(modified, 0);

    model.MoveResize(bottom, At(5, 5));
    model.Modify(top, [](PageObject& o) { o.m_nAngle = 30; return true; });
    model.Undo();
    model.DeleteSelected();
    EXPECT_EQ(modified, 4);
}
